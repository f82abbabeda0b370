#include "platform/plan_alert_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <cstdlib>

#include "platform/xdg_config_home.h"

namespace kirv {

namespace {

constexpr std::array<const char*, 3> kAlertNames = {"warning", "estimate", "reached"};

}  // namespace

std::string PlanAlertFilePath() {
  // A relative or empty value is ignored, as the base directory rules ask.
  const char* stateHome = std::getenv("XDG_STATE_HOME");
  const std::string folder = stateHome != nullptr && stateHome[0] == '/'
                                 ? std::string(stateHome)
                                 : HomeDirectory() + "/.local/state";
  return folder + "/KIRV/plan-alerts";
}

PlanAlertState ReadPlanAlertState(const std::string& path) {
  QFile file(QString::fromStdString(path));
  PlanAlertState state;
  if (!file.open(QIODevice::ReadOnly)) return state;
  const QList<QByteArray> lines = file.readAll().split('\n');
  if (lines.size() < 3) return state;
  state.plan = lines[0].toStdString();
  state.period = lines[1].toStdString();
  for (std::size_t i = 0; i < kAlertNames.size(); ++i) {
    if (lines[2] == kAlertNames[i]) state.sent = static_cast<PlanAlert>(i);
  }
  return state;
}

bool WritePlanAlertState(const std::string& path, const PlanAlertState& state) {
  const QString name = QString::fromStdString(path);
  if (!QDir().mkpath(QFileInfo(name).path())) return false;
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::string sent = state.sent ? kAlertNames[static_cast<std::size_t>(*state.sent)] : "";
  file.write((state.plan + "\n" + state.period + "\n" + sent + "\n").c_str());
  return file.commit();
}

}  // namespace kirv
