#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>

#include "common/services.h"
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

// The user's session ends: the icon leaves the notification area and the program quits as
// "&Quitter" does, so the settings are stored.
void EndOfSession();

}  // namespace kirv
