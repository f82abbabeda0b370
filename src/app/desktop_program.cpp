#include "app/desktop_program.h"

#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QTimer>
#include <exception>
#include <filesystem>

#include "app/artwork.h"
#include "app/forms.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "platform/data_folder.h"
#include "platform/dbus_notifier.h"
#include "platform/ini_settings_store.h"
#include "platform/netlink_interface_table.h"
#include "platform/system_clock.h"
#include "platform/termination_signals.h"
#include "platform/translations.h"
#include "platform/writer_lock.h"
#include "platform/xdg_auto_start.h"
#include "widgets/desktop_tray_shell.h"
#include "widgets/qt_dialogs.h"

namespace kirv {

int RunDesktopProgram(KirvApplication& app, SingleInstance& instance,
                      const CommandLine& commandLine) {
  KirvApplication::setWindowIcon(TrayIcon(0));
  const DataFolderStatus dataFolder =
      EnterDataFolder(commandLine.dataDir.isEmpty() ? DefaultDataFolder() : commandLine.dataDir);

  QtDialogs dialogs(QString::fromUtf8(KirvApplication::kTitle));
  NetlinkInterfaceTable interfaces;
  IniSettingsStore settings;
  XdgAutoStartEntry autoStart;
  // A session start must find the same archives.
  if (!commandLine.dataDir.isEmpty()) {
    autoStart.SetArguments({"--data-dir", dataFolder.path.toStdString()});
  }
  SystemClock clock;
  DBusNotifier notifier;
  WriterLock writerLock(QDir::currentPath());
  Services services;
  services.interfaces = &interfaces;
  services.settings = &settings;
  services.autoStart = &autoStart;
  services.clock = &clock;
  services.dialogs = &dialogs;
  services.networkFacts = &interfaces;
  services.firstStart = !std::filesystem::exists(settings.FilePath());
  services.notifier = &notifier;
  services.writerLock = &writerLock;
  services.numberFormat = SystemNumberFormat();
  services.executablePath = KirvApplication::applicationFilePath().toStdString();
  services.metricsDir = commandLine.metricsDir.toStdString();

  // A signal or the session's end quits without asking anyone: an open dialog is closed, the
  // errors go to standard error. A quit asked for while the windows are being made waits for
  // them, so that it saves what a later one would.
  bool windowsReady = false;
  bool quitWaiting = false;
  const auto endProgram = [&] {
    dialogs.StopAsking();
    if (windowsReady) {
      QTimer::singleShot(0, &app, [] { Form4->EndProgram(); });
    } else {
      quitWaiting = true;
    }
  };
  TerminationSignals terminationSignals(endProgram);
  QObject::connect(&app, &QGuiApplication::commitDataRequest, [&] {
    if (!windowsReady) return endProgram();
    dialogs.StopAsking();
    EndOfSession();
  });

  try {
    StartUp(services, MakeDesktopTrayShell());
    app.SetDialogs(&dialogs);
    ShowDataFolderStatus(dataFolder);
    instance.SetShowHandler([] { ShowMeterWindow(); });
    windowsReady = true;
    if (quitWaiting) endProgram();
    KirvApplication::exec();
  } catch (const std::exception& error) {
    dialogs.ShowMessage(error.what());
  }
  app.SetDialogs(nullptr);
  ShutDown();
  return 0;
}

}  // namespace kirv
