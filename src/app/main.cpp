// KIRV: start-up, the windows in their fixed order, the message loop.

#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <exception>

#include "app/artwork.h"
#include "app/forms.h"
#include "app/kirv_application.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "app/termination_signals.h"
#include "platform/netlink_interface_table.h"
#include "platform/system_clock.h"
#include "widgets/desktop_tray_shell.h"
#include "widgets/qt_dialogs.h"

namespace {

// Placeholder until the QSettings store lands: nothing is stored, nothing is read back.
class PlaceholderSettingsStore : public kirv::SettingsStore {
 public:
  void OpenKey(const std::string&, bool) override {}
  bool ValueExists(const std::string&) const override { return false; }
  std::string ReadString(const std::string&) const override { return ""; }
  std::int32_t ReadInteger(const std::string& name) const override {
    throw kirv::SettingsError("No value '" + name + "'");
  }
  void WriteString(const std::string&, const std::string&) override {}
  void WriteInteger(const std::string&, std::int32_t) override {}
  void DeleteValue(const std::string&) override {}
  void CloseKey() override {}
};

// Placeholder until the XDG autostart entry lands: there is never an entry.
class PlaceholderAutoStartEntry : public kirv::AutoStartEntry {
 public:
  bool Exists() const override { return false; }
  void Write(const std::string&) override {}
  void Remove() override {}
};

}  // namespace

int main(int argc, char** argv) {
  kirv::KirvApplication app(argc, argv);
  kirv::KirvApplication::setWindowIcon(QIcon(QPixmap::fromImage(kirv::TrayPicture(0))));

  kirv::QtDialogs dialogs(QString::fromUtf8(kirv::KirvApplication::kTitle));
  kirv::NetlinkInterfaceTable interfaces;
  PlaceholderSettingsStore settings;
  PlaceholderAutoStartEntry autoStart;
  kirv::SystemClock clock;
  kirv::Services services;
  services.interfaces = &interfaces;
  services.settings = &settings;
  services.autoStart = &autoStart;
  services.clock = &clock;
  services.dialogs = &dialogs;
  services.numberFormat.decimalSeparator = QLocale().decimalPoint().at(0).toLatin1();
  services.executablePath = kirv::KirvApplication::applicationFilePath().toStdString();

  try {
    kirv::StartUp(services, kirv::MakeDesktopTrayShell());
    app.SetDialogs(&dialogs);
    kirv::TerminationSignals terminationSignals([] { kirv::Form4->Quitter1Click(nullptr); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, [] { kirv::EndOfSession(); });
    kirv::KirvApplication::exec();
  } catch (const std::exception& error) {
    dialogs.ShowMessage(error.what());
  }
  kirv::ShutDown();
  return 0;
}
