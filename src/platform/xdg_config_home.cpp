#include "platform/xdg_config_home.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace kirv {

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  const passwd* user = getpwuid(getuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

std::string XdgConfigHome() {
  // A relative or empty value is ignored, as the base directory rules ask.
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  if (configHome != nullptr && configHome[0] == '/') return configHome;
  return HomeDirectory() + "/.config";
}

}  // namespace kirv
