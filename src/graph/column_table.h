#pragma once

#include <array>
#include <cstdint>

namespace kirv {

// The traffic of one pixel column, in octets. The sums are 64-bit: a busy interface gathers far
// more than 2^31 octets in a column of "Mois" or "Année"; they stop at 2^63 - 1 rather than wrap.
struct ColumnEntry {
  std::uint64_t received = 0;      // sum of the received counts of its records
  std::uint64_t sent = 0;          // sum of the sent counts
  std::uint64_t receivedPeak = 0;  // largest received count of one record
  std::uint64_t sentPeak = 0;      // largest sent count of one record

  friend bool operator==(const ColumnEntry&, const ColumnEntry&) = default;
};

// One entry per pixel column of the curve layer, which is always narrower than kSize.
class ColumnTable {
 public:
  static constexpr int kSize = 1024;

  ColumnEntry& operator[](int index) { return entries_[static_cast<std::size_t>(index)]; }
  const ColumnEntry& operator[](int index) const {
    return entries_[static_cast<std::size_t>(index)];
  }

  // Every field of the entries [0, count).
  void Clear(int count);
  // The sums of all entries; the peaks stay.
  void ClearSums();

 private:
  std::array<ColumnEntry, kSize> entries_{};
};

}  // namespace kirv
