#include "graph/display_unit.h"

namespace kirv {

void DisplayUnit::Update(std::int64_t fullScale, int unitFactor) {
  const std::int64_t scaled = fullScale * unitFactor;
  if (scaled > 1024) {
    divisor = 1024;
    prefix = " K";
  }
  if (scaled > 1048576) {
    divisor = 1048576;
    prefix = " M";
  }
}

}  // namespace kirv
