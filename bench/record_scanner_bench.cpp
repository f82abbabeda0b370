// The backward record scanner over a ten-year archive: one record every five minutes, about
// 1.05 million records. The archive is generated into /tmp once and reused afterwards.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "archive/record.h"
#include "archive/record_scanner.h"
#include "common/calendar.h"

namespace kirv {
namespace {

constexpr const char* kArchivePath = "/tmp/kirv-bench-ten-years.mdf";
constexpr int kRecordsPerDay = 288;
constexpr int kDays = 3653;  // 2016-01-01 to 2025-12-31

const std::string& TenYearArchive() {
  static const std::string path = [] {
    if (std::filesystem::exists(kArchivePath)) return std::string(kArchivePath);
    const std::string partial = std::string(kArchivePath) + ".partial";
    std::ofstream out(partial, std::ios::binary);
    std::uint64_t seed = 12345;
    const std::int64_t first = DayNumber(2016, 1, 1);
    for (int day = 0; day < kDays; ++day) {
      DateTime t = FromDayNumber(first + day);
      for (int slot = 0; slot < kRecordsPerDay; ++slot) {
        t.hour = slot / 12;
        t.minute = slot % 12 * 5;
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        out << FormatRecord(t, 1 + (seed >> 33) % 2000000000, 1 + (seed >> 45) % 300000000);
      }
    }
    out.close();
    std::filesystem::rename(partial, kArchivePath);
    return std::string(kArchivePath);
  }();
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
