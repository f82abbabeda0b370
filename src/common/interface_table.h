#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kirv {

// One row of the system's network interface table.
struct InterfaceRow {
  std::uint64_t inOctets = 0;   // received since the interface came up
  std::uint64_t outOctets = 0;  // sent since the interface came up
  std::string description;      // the kernel's name of the interface
  // The interface name of the lists, the settings and the archive files (InterfaceName of the
  // description): readers find an interface's row by it at every snapshot, never by position.
  std::string name;
  // The kernel's interface index, never 0. A link that is removed and comes back gets a new one,
  // so a reader that sees the index of a name change knows the counters started again from zero.
  int index = 0;
};

// No link moves 2^62 octets (4.6 EB, some 1500 years at 100 Gbit/s) between two readings: a
// counter that grew by more is a bad reading, and its growth is never counted.
inline constexpr std::uint64_t kImpossibleGrowth = std::uint64_t{1} << 62;

// One copy of the table, rows in ascending interface index. A failed read gives no rows.
struct InterfaceSnapshot {
  int result = 0;  // 0 on success, else the platform's error code
  std::vector<InterfaceRow> rows;
};

// The first row of that name, or nullptr when no interface of that name is in the snapshot.
inline const InterfaceRow* FindRow(const InterfaceSnapshot& snapshot, const std::string& name) {
  for (const InterfaceRow& row : snapshot.rows) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

class InterfaceTable {
 public:
  virtual ~InterfaceTable() = default;
  virtual InterfaceSnapshot TakeSnapshot() = 0;
  // False when the table cannot be read at all on this system; snapshots are then empty.
  virtual bool IsAvailable() const = 0;
};

}  // namespace kirv
