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
#include "cli/command_line.h"
#include "platform/netlink_interface_table.h"
#include "platform/qsettings_store.h"
#include "platform/system_clock.h"
#include "platform/xdg_auto_start.h"
#include "widgets/desktop_tray_shell.h"
#include "widgets/qt_dialogs.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = kirv::RunSubcommand(argc, argv)) return *status;
  kirv::KirvApplication app(argc, argv);
  kirv::KirvApplication::setWindowIcon(QIcon(QPixmap::fromImage(kirv::TrayPicture(0))));

  kirv::QtDialogs dialogs(QString::fromUtf8(kirv::KirvApplication::kTitle));
  kirv::NetlinkInterfaceTable interfaces;
  kirv::QSettingsStore settings;
  kirv::XdgAutoStartEntry autoStart;
  kirv::SystemClock clock;
  kirv::Services services;
  services.interfaces = &interfaces;
  services.settings = &settings;
  services.autoStart = &autoStart;
  services.clock = &clock;
  services.dialogs = &dialogs;
  const char point = QLocale().decimalPoint().at(0).toLatin1();  // 0 when not Latin-1
  services.numberFormat.decimalSeparator = point != 0 ? point : '.';
  services.executablePath = kirv::KirvApplication::applicationFilePath().toStdString();

  try {
    kirv::StartUp(services, kirv::MakeDesktopTrayShell());
    app.SetDialogs(&dialogs);
    kirv::TerminationSignals terminationSignals([] { kirv::Form4->EndProgram(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, [] { kirv::EndOfSession(); });
    kirv::KirvApplication::exec();
  } catch (const std::exception& error) {
    dialogs.ShowMessage(error.what());
  }
  kirv::ShutDown();
  return 0;
}
