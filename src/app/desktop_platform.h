#pragma once

// The desktop the program runs on: the windowing platform chosen before the application object
// exists.

#include <string>

namespace kirv {

// What the process is told about the windowing platform.
struct PlatformChoice {
  std::string platform;          // put into QT_QPA_PLATFORM; empty leaves the toolkit's choice
  bool compositorPlacesWindows;  // a native Wayland session: say so once on standard error
};

// From QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY (null when unset): an X server that is
// reachable (XWayland included) is preferred, since Wayland leaves stay-on-top and window
// positions to the compositor; a platform the user chose is kept.
PlatformChoice ChoosePlatform(const char* qpaPlatform, const char* display,
                              const char* waylandDisplay);

// The text said once on a native Wayland session, a French source of context "kirv".
extern const char* const kCompositorNotice;

// Applies ChoosePlatform to this process and keeps the standard dialogs the toolkit's own, so
// that they speak the program's language. Runs before the application object is built; answers
// whether the notice is to be said, once the program's language is installed.
bool ChooseDesktopPlatform();

}  // namespace kirv
