// One whole trace of the history graph (loading, curves, axes) at design size over ten years of
// five-minute records (about 1.05 million lines), generated into /tmp once and reused afterwards.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/calendar.h"
#include "support/raster_canvas.h"
#include "graph/graph_axes.h"
#include "graph/history_graph.h"
#include "ten_year_archive.h"

namespace kirv {
namespace {

const DateTime kNow{2026, 4, 20, 10, 0, 0};

// Every five minutes up to the reference instant.
std::string Archive() {
  return bench::GeneratedArchive("history-ten-years", {{2016, 4, 21}, kNow, 40000000, 4000000});
}

void BM_WholeTrace(benchmark::State& state) {
  TraceInputs in;
  in.archivePath = Archive();
  in.period = static_cast<int>(state.range(0));
  in.columnSpan = ColumnSpanOf(in.period);
  in.referenceDate = kNow;
  in.now = kNow;
  in.automaticScale = true;
  HistoryGraph graph;
  for (auto _ : state) {
    RasterCanvas curves(in.width, in.height);
    RasterCanvas axes(in.width + kAxisLayerExtraWidth, in.height + kAxisLayerExtraHeight);
    const std::optional<TraceResult> result = graph.Trace(in, curves, axes);
    benchmark::DoNotOptimize(result->fullScale);
  }
  state.SetLabel(kPeriodNames[static_cast<std::size_t>(in.period)]);
  state.counters["file_MiB"] =
      static_cast<double>(std::filesystem::file_size(in.archivePath)) / 1048576.0;
}
BENCHMARK(BM_WholeTrace)->Arg(kDay)->Arg(kYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirv
