#include "sampling/interface_name.h"

#include <algorithm>
#include <array>

namespace kirv {

namespace {

constexpr std::array<char, 10> kExcludedBytes = {'/', '\\', ':', '*', '?', '<', '>', '|', 24, 1};

bool IsExcluded(char c) {
  return std::find(kExcludedBytes.begin(), kExcludedBytes.end(), c) != kExcludedBytes.end();
}

}  // namespace

std::string InterfaceName(std::string_view description) {
  description = description.substr(0, description.find('\0'));
  std::string name;
  name.reserve(description.size());
  for (char c : description) {
    if (!IsExcluded(c)) name += c;
  }
  return name;
}

}  // namespace kirv
