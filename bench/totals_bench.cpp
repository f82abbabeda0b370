// The totals computation over ten years of five-minute records (about 1.05 million lines).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "archive/record.h"
#include "common/calendar.h"
#include "totals/totals_computation.h"

namespace kirv {
namespace {

constexpr char kArchivePath[] = "/tmp/kirv-totals-bench-ten-years.mdf";
constexpr int kRecordsPerDay = 288;
const DateTime kFirstDay{2016, 4, 21};
const DateTime kLastDay{2026, 4, 20};

// Written once; later runs reuse the file.
void GenerateArchive() {
  if (std::filesystem::exists(kArchivePath)) return;
  const std::string partial = std::string(kArchivePath) + ".part";
  std::ofstream out(partial, std::ios::binary);
  std::uint32_t seed = 12345;
  const std::int64_t first = DayNumber(kFirstDay.year, kFirstDay.month, kFirstDay.day);
  const std::int64_t last = DayNumber(kLastDay.year, kLastDay.month, kLastDay.day);
  for (std::int64_t day = first; day <= last; ++day) {
    DateTime t = FromDayNumber(day);
    for (int i = 1; i <= kRecordsPerDay; ++i) {
      const int minutes = i * 5 - 1;  // 00:04 to 23:59, one record each five minutes
      t.hour = minutes / 60;
      t.minute = minutes % 60;
      seed = seed * 1664525u + 1013904223u;
      out << FormatRecord(t, seed % 4000000 + 1, seed / 7 % 400000 + 1);
    }
  }
  out.close();
  std::filesystem::rename(partial, kArchivePath);
}

void BM_TotalsOfTenYears(benchmark::State& state) {
  GenerateArchive();
  TotalsComputation totals;
  std::size_t rows = 0;
  for (auto _ : state) {
    const std::optional<TotalsReport> report =
        totals.Run(kArchivePath, kLastDay, NumberFormat{','});
    rows = report ? report->dailyRows.size() : 0;
    benchmark::DoNotOptimize(rows);
  }
  state.counters["daily_rows"] = static_cast<double>(rows);
  state.counters["file_MiB"] =
      static_cast<double>(std::filesystem::file_size(kArchivePath)) / 1048576.0;
}
BENCHMARK(BM_TotalsOfTenYears)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirv
