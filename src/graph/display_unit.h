#pragma once

#include <cstdint>
#include <string>

namespace kirv {

// The divisor and prefix of the figures and graduation labels. The window keeps one for its
// life: a trace whose full scale is at most 1024 in the displayed unit keeps the previous ones.
struct DisplayUnit {
  double divisor = 1;  // 1, 1024 or 1048576
  std::string prefix;  // "", " K" or " M"

  // From the full scale V in octets per second and the unit factor f: " K" when V × f exceeds
  // 1024, " M" when it exceeds 1048576.
  void Update(std::int64_t fullScale, int unitFactor);

  friend bool operator==(const DisplayUnit&, const DisplayUnit&) = default;
};

}  // namespace kirv
