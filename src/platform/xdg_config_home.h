#pragma once

#include <string>

namespace kirv {

// The user's home folder: $HOME when set, else the password database's entry.
std::string HomeDirectory();

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config.
std::string XdgConfigHome();

}  // namespace kirv
