#pragma once

#include <string>
#include <string_view>

namespace kirv {

// The name of an interface as shown in the lists, stored in the settings and used as its archive
// file's base name: the description up to its first zero byte, without the bytes that cannot
// stand in a file name ("/", "\", ":", "*", "?", "<", ">", "|", 24 and 1).
std::string InterfaceName(std::string_view description);

}  // namespace kirv
