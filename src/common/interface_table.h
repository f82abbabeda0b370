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
};

// One copy of the table, rows in ascending interface index. A failed read gives no rows.
struct InterfaceSnapshot {
  int result = 0;  // 0 on success, else the platform's error code
  std::vector<InterfaceRow> rows;
};

class InterfaceTable {
 public:
  virtual ~InterfaceTable() = default;
  virtual InterfaceSnapshot TakeSnapshot() = 0;
  // False when the table cannot be read at all on this system; snapshots are then empty.
  virtual bool IsAvailable() const = 0;
};

}  // namespace kirv
