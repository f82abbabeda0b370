#pragma once

#include <array>
#include <cstdint>

#include "common/texts.h"

namespace kirv {

// An item of the "Echelle :" list (cb) and what choosing it does to the full-scale spin edit
// (spdspin): the nominal line rate in octets per second with 1 k = 1024, or 0 for "Automatique"
// (each trace then sets the automatic scale) and "Manuel" (the user types it, the spin edit
// enabled). The spin edit raises 0 to its minimum of 1.
struct SpeedScale {
  const char* text;
  std::int32_t fullScale;
  bool editable;
};

inline constexpr int kAutomaticScaleItem = 7;
inline constexpr int kManualScaleItem = 8;

inline constexpr std::array<SpeedScale, 9> kSpeedScales = {{
    {KIRV_TEXT("kirv", "64kbps (RTC, RNIS)"), 8192, false},
    {KIRV_TEXT("kirv", "128kbps (RNIS double)"), 16384, false},
    {KIRV_TEXT("kirv", "512kbps (ADSL, cable)"), 65536, false},
    {KIRV_TEXT("kirv", "1024kbps (ADSL, cable)"), 131072, false},
    {KIRV_TEXT("kirv", "10mbps (Ethernet)"), 1310720, false},
    {KIRV_TEXT("kirv", "100mbps (Fast Ethernet)"), 13107200, false},
    {KIRV_TEXT("kirv", "1gbps (Gigabit Ethernet)"), 134217728, false},
    {KIRV_TEXT("kirv", "Automatique"), 0, false},
    {KIRV_TEXT("kirv", "Manuel"), 0, true},
}};

}  // namespace kirv
