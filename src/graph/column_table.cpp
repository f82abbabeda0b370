#include "graph/column_table.h"

#include <algorithm>

namespace kirv {

void ColumnTable::Clear(int count) {
  std::fill_n(entries_.begin(), std::clamp(count, 0, kSize), ColumnEntry{});
}

void ColumnTable::ClearSums() {
  for (ColumnEntry& e : entries_) e.received = e.sent = 0;
}

}  // namespace kirv
