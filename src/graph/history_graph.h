#pragma once

#include <cstdint>
#include <optional>

#include "common/canvas.h"
#include "graph/column_table.h"
#include "graph/display_unit.h"
#include "graph/graph_statistics.h"
#include "graph/history_loader.h"
#include "graph/trace_inputs.h"

namespace kirv {

// What the window puts back into its controls after a trace.
struct TraceResult {
  std::int64_t fullScale = 1;  // V, for spdspin: under "Automatique" the automatic scale
  GraphStatistics statistics;  // the six value labels
  TraceTotals totals;
};

// One trace of the history graph, loading, curves and axes, with the state that lasts from trace
// to trace: the column table and the display unit. The window keeps one for its life.
class HistoryGraph {
 public:
  // Reads the archive, draws the curves and the frame on the curve layer (a canvas of W × H) and
  // the axes on the axis layer ((W + 100) × (H + 40)), and returns the figures. Nothing at all
  // when the archive path is empty.
  std::optional<TraceResult> Trace(const TraceInputs& in, Canvas& curveLayer, Canvas& axisLayer);

  const ColumnTable& Columns() const { return table_; }
  const DisplayUnit& Unit() const { return unit_; }

 private:
  ColumnTable table_;
  DisplayUnit unit_;
};

}  // namespace kirv
