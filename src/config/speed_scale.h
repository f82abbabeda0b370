#pragma once

#include <array>
#include <cstdint>

namespace kirv {

// One item of the meter's speed scale list "Echelle :".
struct SpeedScaleItem {
  const char* text;
  std::int32_t fullScale;  // octets per second given to spdspin; 0 is raised to its minimum
  bool typed;              // spdspin is enabled for the user to type the value
};

// Each full scale is the item's bit rate (kilo = 1024) divided by 8.
inline constexpr std::array<SpeedScaleItem, 9> kSpeedScaleItems = {{
    {"64kbps (RTC, RNIS)", 8192, false},
    {"128kbps (RNIS double)", 16384, false},
    {"512kbps (ADSL, cable)", 65536, false},
    {"1024kbps (ADSL, cable)", 131072, false},
    {"10mbps (Ethernet)", 1310720, false},
    {"100mbps (Fast Ethernet)", 13107200, false},
    {"1gbps (Gigabit Ethernet)", 134217728, false},
    {"Automatique", 0, false},  // the meter sets it from its history at every tick
    {"Manuel", 0, true},
}};

inline constexpr int kAutomaticScale = 7;
inline constexpr int kManualScale = 8;

}  // namespace kirv
