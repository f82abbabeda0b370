#include "graph/graph_window.h"

#include <QDate>
#include <string>

#include "config/settings_schema.h"

namespace kirv {

TForm2::TForm2(Services& services) : QWidget(nullptr), settings_(*services.settings) {
  setWindowTitle(QStringLiteral("Module Graphique"));
  const DateTime today = services.clock->Now();
  datep = new QDateEdit(QDate(today.year, today.month, today.day), this);
  datep->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  datep->setCalendarPopup(true);
}

void TForm2::FormCreate() {
  settings_.OpenKey(std::string(kSettingsKey), false);
  if (settings_.ValueExists("Graphfile")) archivePath_ = settings_.ReadString("Graphfile");
  settings_.CloseKey();
}

void TForm2::Button2Click(QObject*) {
  if (archivePath_.empty()) return;
  traced_ = true;
}

}  // namespace kirv
