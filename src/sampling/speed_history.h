#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kirv {

// Speeds of one sampling tick, octets per second.
struct SpeedRecord {
  std::int32_t In1 = 0;
  std::int32_t Out1 = 0;
  std::int32_t In2 = 0;
  std::int32_t Out2 = 0;

  bool operator==(const SpeedRecord&) const = default;
};

// The last kSize sampling ticks, record 0 the newest. A ring: shifting moves an index, not the
// records, so a tick costs the same however long the history.
class SpeedHistory {
 public:
  static constexpr int kSize = 1024;

  // Record age (0 = newest, kSize - 1 = oldest).
  const SpeedRecord& operator[](int age) const { return records_[Slot(age)]; }

  // Makes room for a new record 0: every record ages by one and the oldest falls out. The new
  // record 0 starts as a copy of the previous newest.
  void Shift() {
    const SpeedRecord newest = records_[head_];
    head_ = (head_ + kSize - 1) % kSize;
    records_[head_] = newest;
  }

  SpeedRecord& Newest() { return records_[head_]; }

 private:
  std::size_t Slot(int age) const { return (head_ + static_cast<std::size_t>(age)) % kSize; }

  std::array<SpeedRecord, kSize> records_{};
  std::size_t head_ = 0;
};

}  // namespace kirv
