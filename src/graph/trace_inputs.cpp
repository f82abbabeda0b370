#include "graph/trace_inputs.h"

#include <algorithm>

#include "graph/column_table.h"

namespace kirv {

TraceInputs Bounded(TraceInputs in) {
  in.period = std::clamp(in.period, kDay, kYear);
  in.columnSpan = std::max(in.columnSpan, kSlotSeconds);
  in.fullScale = std::clamp(in.fullScale, kMinFullScale, kMaxFullScale);
  in.graduations = std::clamp(in.graduations, 1, 999);
  in.width = std::clamp(in.width, 1, ColumnTable::kSize - 1);
  in.height = std::clamp(in.height, 0, 65535);
  DateTime& r = in.referenceDate;
  r.year = std::clamp(r.year, 1, 9999);
  r.month = std::clamp(r.month, 1, 12);
  r.day = std::clamp(r.day, 1, 31);
  while (!IsValidDate(r.year, r.month, r.day)) --r.day;
  DateTime& t = in.now;
  t.hour = std::clamp(t.hour, 0, 23);
  t.minute = std::clamp(t.minute, 0, 59);
  t.second = std::clamp(t.second, 0, 59);
  return in;
}

}  // namespace kirv
