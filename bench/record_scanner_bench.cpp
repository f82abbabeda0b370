// The backward record scanner over a ten-year archive: one record every five minutes, about
// 1.05 million records. The archive is generated into /tmp once and reused afterwards.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "archive/record_scanner.h"
#include "common/calendar.h"
#include "ten_year_archive.h"

namespace kirv {
namespace {

// 2016-01-01 to 2025-12-31.
const std::string& TenYearArchive() {
  static const std::string path = bench::GeneratedArchive(
      "scanner-ten-years", {{2016, 1, 1}, {2026, 1, 1}, 2000000000, 300000000});
  return path;
}

void BM_ScanTenYearArchive(benchmark::State& state) {
  const std::string& path = TenYearArchive();
  std::uint64_t bytes = 0;
  std::int64_t records = 0;
  for (auto _ : state) {
    RecordScanner scanner(path);
    std::string_view record;
    while (scanner.Next(record)) {
      benchmark::DoNotOptimize(record.data());
      ++records;
    }
    bytes += scanner.FileSize();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.counters["records"] =
      benchmark::Counter(static_cast<double>(records), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ScanTenYearArchive)->Unit(benchmark::kMillisecond);

void BM_ScanAndParseTenYearArchive(benchmark::State& state) {
  const std::string& path = TenYearArchive();
  std::uint64_t bytes = 0;
  for (auto _ : state) {
    RecordScanner scanner(path);
    std::string_view record;
    std::uint64_t total = 0;
    while (scanner.Next(record)) total += ParseRecord(record).received;
    benchmark::DoNotOptimize(total);
    bytes += scanner.FileSize();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ScanAndParseTenYearArchive)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirv
