// The history graph: loading, statistics, curves, frame and axes of two traces in a row over one
// archive, with every trace input (period, direction, date, time, size, scale, graduations) taken
// from the input. The full scale stays within the spin edit's bounds, the axis layer gets nothing
// outside itself, the curves reach no further than one column beyond the curve layer's sides, one
// row below it and the rows the renderer clamps to above it, and the raster canvas holds exactly
// the pixels plotted.
//
// Input: two trace blocks, then the archive.

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "checked_canvas.h"
#include "fuzz_input.h"
#include "graph/graph_axes.h"
#include "graph/history_graph.h"
#include "graph/period_table.h"
#include "graph/trace_inputs.h"

KIRV_FUZZ_HARNESS_BEGIN

namespace {

using kirv::TraceInputs;

// Mostly a few dozen lines, as a window would have them; now and then the spin edit's ends and
// beyond, whose hundreds of labelled lines make a run slow.
int Graduations(std::uint8_t code) {
  constexpr int kFar[] = {999, 1000, 500, 32767, INT_MAX, INT_MIN};
  return code < 250 ? code % 50 - 5 : kFar[code - 250];
}

// One trace block: flags, period, span, width, height, full scale, graduations, reference date
// and time of day, as the controls could hold them before they are bounded. Widths and heights
// stay small so that a run takes well under a millisecond.
TraceInputs TakeTrace(kirv::fuzz::FuzzInput& in, const std::string& path) {
  TraceInputs t;
  t.archivePath = path;
  const auto flags = in.Take<std::uint8_t>();
  t.leftToRight = (flags & 1) != 0;
  t.octets = (flags & 2) != 0;
  t.automaticScale = (flags & 4) != 0;
  t.drawPeaks = (flags & 8) != 0;
  t.format.decimalSeparator = (flags & 16) != 0 ? ',' : '.';
  t.period = in.Take<std::uint8_t>() % 6 - 1;  // the four periods and one beyond each end
  t.columnSpan = kirv::ColumnSpanOf(in.Take<std::uint8_t>() % 4);
  t.width = in.Take<std::uint8_t>() % 50 - 5;
  t.height = in.Take<std::uint8_t>() % 50 - 5;
  t.fullScale = in.Take<std::int64_t>();
  t.graduations = Graduations(in.Take<std::uint8_t>());
  t.referenceDate = {in.Take<std::int16_t>(), in.Take<std::int8_t>(), in.Take<std::int8_t>()};
  t.now = t.referenceDate;
  t.now.hour = in.Take<std::int8_t>();
  t.now.minute = in.Take<std::int8_t>();
  t.now.second = in.Take<std::int8_t>();
  return t;
}

void CheckFigure(const std::string& figure) {
  std::string lower = figure;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  KIRV_FUZZ_CHECK(figure.find('-') == std::string::npos && lower.find("nan") == std::string::npos &&
                      lower.find("inf") == std::string::npos && figure.ends_with("%)"),
                  figure);
}

void Trace(kirv::HistoryGraph& graph, const TraceInputs& raw, kirv::fuzz::CheckedCanvas& curves,
           kirv::fuzz::CheckedCanvas& axes) {
  const TraceInputs in = kirv::Bounded(raw);
  const int w = in.width;
  const int h = in.height;
  curves.Begin(w, h, {-1, -(2 * h + 4), w, h + 1}, false);
  const int axisWidth = w + kirv::kAxisLayerExtraWidth;
  const int axisHeight = h + kirv::kAxisLayerExtraHeight;
  axes.Begin(axisWidth, axisHeight, {0, 0, axisWidth - 1, axisHeight - 1}, true);

  const auto result = graph.Trace(raw, curves, axes);
  KIRV_FUZZ_CHECK(result.has_value(), raw.archivePath);
  const std::int64_t expectedScale =
      in.automaticScale
          ? static_cast<std::int64_t>(std::clamp<std::uint64_t>(
                result->totals.automaticScale, kirv::kMinFullScale, kirv::kMaxFullScale))
          : in.fullScale;
  KIRV_FUZZ_CHECK(result->fullScale == expectedScale && result->fullScale >= kirv::kMinFullScale &&
                      result->fullScale <= kirv::kMaxFullScale,
                  std::to_string(result->fullScale));
  // The automatic scale counts every accepted record, the peaks only those stored in a column.
  const auto& totals = result->totals;
  KIRV_FUZZ_CHECK(totals.automaticScale >= totals.peakReceivedRecord / kirv::kSlotSeconds &&
                      totals.automaticScale >= totals.peakSentRecord / kirv::kSlotSeconds,
                  std::to_string(totals.automaticScale));
  const kirv::GraphStatistics& s = result->statistics;
  for (const std::string* figure : {&s.actueld, &s.actuelu, &s.maxd, &s.maxu, &s.moyd, &s.moyu}) {
    CheckFigure(*figure);
  }
  curves.CheckPixels("curve layer");
  axes.CheckPixels("axis layer");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kirv::fuzz::MemoryFile file;
  static kirv::fuzz::CheckedCanvas curves;
  static kirv::fuzz::CheckedCanvas axes;
  kirv::fuzz::FuzzInput in(data, size);
  const std::string placeholder = "archive";
  TraceInputs first = TakeTrace(in, placeholder);
  TraceInputs second = TakeTrace(in, placeholder);
  first.archivePath = second.archivePath = file.Write(in.Rest());

  // One graph for both traces, as the window keeps one: the second starts from the first's
  // display unit and column table.
  kirv::HistoryGraph graph;
  Trace(graph, first, curves, axes);
  Trace(graph, second, curves, axes);
  return 0;
}

KIRV_FUZZ_HARNESS_END
