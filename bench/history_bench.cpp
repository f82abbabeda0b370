// One whole trace of the history graph (loading, curves, axes) at design size over ten years of
// five-minute records (about 1.05 million lines), generated into /tmp once and reused afterwards.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "archive/record.h"
#include "common/calendar.h"
#include "common/raster_canvas.h"
#include "graph/graph_axes.h"
#include "graph/history_graph.h"

namespace kirv {
namespace {

constexpr char kArchivePath[] = "/tmp/kirv-history-bench-ten-years.mdf";
constexpr int kRecordsPerDay = 288;
const DateTime kFirstDay{2016, 4, 21};
const DateTime kNow{2026, 4, 20, 10, 0, 0};

// Every five minutes up to the reference instant.
void GenerateArchive() {
  if (std::filesystem::exists(kArchivePath)) return;
  const std::string partial = std::string(kArchivePath) + ".part";
  std::ofstream out(partial, std::ios::binary);
  std::uint32_t seed = 4242;
  const std::int64_t first = DayNumber(kFirstDay.year, kFirstDay.month, kFirstDay.day);
  const std::int64_t last = DayNumber(kNow.year, kNow.month, kNow.day);
  for (std::int64_t day = first; day <= last; ++day) {
    DateTime t = FromDayNumber(day);
    for (int slot = 0; slot < kRecordsPerDay; ++slot) {
      t.hour = slot / 12;
      t.minute = slot % 12 * 5;
      if (MillisecondsOf(t) >= MillisecondsOf(kNow)) break;
      seed = seed * 1664525u + 1013904223u;
      out << FormatRecord(t, seed % 40000000 + 1, seed / 7 % 4000000 + 1);
    }
  }
  out.close();
  std::filesystem::rename(partial, kArchivePath);
}

void BM_WholeTrace(benchmark::State& state) {
  GenerateArchive();
  TraceInputs in;
  in.archivePath = kArchivePath;
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
      static_cast<double>(std::filesystem::file_size(kArchivePath)) / 1048576.0;
}
BENCHMARK(BM_WholeTrace)->Arg(kDay)->Arg(kYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirv
