#include "app/desktop_platform.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace kirv {

namespace {

bool Set(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

const char* const kCompositorNotice =
    QT_TRANSLATE_NOOP("kirv",
                      "sous Wayland, le maintien au premier plan et la position des fenêtres "
                      "sont laissés au compositeur.");

PlatformChoice ChoosePlatform(const char* qpaPlatform, const char* display,
                              const char* waylandDisplay) {
  if (Set(qpaPlatform)) {
    return {"", std::string_view(qpaPlatform).starts_with("wayland")};
  }
  if (Set(display)) return {"xcb", false};
  return {"", Set(waylandDisplay)};
}

bool ChooseDesktopPlatform() {
  const PlatformChoice choice = ChoosePlatform(
      std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
  if (!choice.platform.empty()) setenv("QT_QPA_PLATFORM", choice.platform.c_str(), 1);
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  return choice.compositorPlacesWindows;
}

}  // namespace kirv
