#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>

#include "common/services.h"
#include "platform/data_folder.h"
#include "widgets/tray_shell.h"

namespace kirv {

// Told of each window once its global reference is set and before its creation code runs.
using CreationObserver = std::function<void(std::string_view reference, QWidget* form)>;

// Creates the seven windows in their fixed order, then shows the main form. A window's
// creation code can reach itself and every earlier window through the global references.
void StartUp(Services& services, std::unique_ptr<TrayShell> trayShell,
             const CreationObserver& observer = {});

// Destroys whatever StartUp created, newest first, and clears the references.
void ShutDown();

// Prepares the data folder and makes it the working directory, where the archives, the
// snapshots and "debug.txt" live. A folder that cannot be used is said on standard error; the
// program then works in a folder where nothing can be written, so that every archive write fails
// and is reported rather than landing unseen somewhere else.
DataFolderStatus EnterDataFolder(const QString& path);

// Says an unusable data folder in the statistics logger's status line.
void ShowDataFolderStatus(const DataFolderStatus& status);

// Shows the meter window as a click on the tray icon does, restored and raised when minimised; a
// meter window already shown stays shown.
void ShowMeterWindow();

// The user's session ends: the icon leaves the notification area and the program quits as
// "&Quitter" does, so the settings are stored.
void EndOfSession();

}  // namespace kirv
