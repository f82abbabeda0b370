// The totals computation over ten years of five-minute records (about 1.05 million lines).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/calendar.h"
#include "ten_year_archive.h"
#include "totals/totals_computation.h"

namespace kirv {
namespace {

const DateTime kLastDay{2026, 4, 20};

// Ten years up to the end of the last day.
std::string Archive() {
  return bench::GeneratedArchive("totals-ten-years",
                                 {{2016, 4, 21}, AddDays(kLastDay, 1), 4000000, 400000});
}

void BM_TotalsOfTenYears(benchmark::State& state) {
  const std::string path = Archive();
  TotalsComputation totals;
  std::size_t rows = 0;
  for (auto _ : state) {
    const std::optional<TotalsReport> report = totals.Run(path, kLastDay, NumberFormat{','});
    rows = report ? report->dailyRows.size() : 0;
    benchmark::DoNotOptimize(rows);
  }
  state.counters["daily_rows"] = static_cast<double>(rows);
  state.counters["file_MiB"] = static_cast<double>(std::filesystem::file_size(path)) / 1048576.0;
}
BENCHMARK(BM_TotalsOfTenYears)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirv
