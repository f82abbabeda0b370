#include "graph/history_graph.h"

#include <algorithm>

#include "graph/graph_axes.h"
#include "graph/graph_renderer.h"

namespace kirv {

std::optional<TraceResult> HistoryGraph::Trace(const TraceInputs& raw, Canvas& curveLayer,
                                               Canvas& axisLayer) {
  if (raw.archivePath.empty()) return std::nullopt;
  TraceInputs in = Bounded(raw);
  TraceResult result;
  result.totals = LoadHistory(in, table_);
  if (in.automaticScale) {
    // As the spin edit takes it: raised to its minimum of 1, held below its maximum.
    in.fullScale = static_cast<std::int64_t>(
        std::clamp<std::uint64_t>(result.totals.automaticScale, kMinFullScale, kMaxFullScale));
  }
  result.fullScale = in.fullScale;
  unit_.Update(in.fullScale, in.UnitFactor());
  result.statistics = ComputeStatistics(table_, result.totals, in, unit_);
  const float s = VerticalScale(in.height, in.fullScale);
  DrawCurves(curveLayer, table_, in, s);
  DrawFrame(curveLayer, in.width, in.height);
  DrawAxes(axisLayer, in, s, unit_);
  table_.ClearSums();
  return result;
}

}  // namespace kirv
