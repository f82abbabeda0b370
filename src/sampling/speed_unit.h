#pragma once

namespace kirv {

// The meter's unit of speed: "Octets" (rb1) or "Bits" (rb2).
enum class SpeedUnit { kOctets, kBits };

// Octets to the unit: 1 for octets, 8 for bits.
constexpr int UnitMultiplier(SpeedUnit unit) { return unit == SpeedUnit::kBits ? 8 : 1; }

}  // namespace kirv
