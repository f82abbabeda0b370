// One rewrite of kirv.prom after a record, with the sums of a ten-year archive kept: the record
// added, the figures and the plan's computed, the file written and renamed.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "common/calendar.h"
#include "platform/metrics_file.h"
#include "ten_year_archive.h"

namespace kirv {
namespace {

const DateTime kLastDay{2026, 4, 20};

void BM_RewriteAfterARecord(benchmark::State& state) {
  const std::string archive = bench::GeneratedArchive(
      "totals-ten-years", {{2016, 4, 21}, AddDays(kLastDay, 1), 4000000, 400000});
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "kirv-bench-metrics";
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(archive, folder / "eth0.mdf",
                             std::filesystem::copy_options::overwrite_existing);
  DataPlan plan;
  plan.limit = 32212254720;
  MetricsPublisher publisher(folder.string(), folder.string(), {"eth0"}, plan,
                             {(folder / "eth0.mdf").string()}, "bench");
  const DateTime now{2026, 4, 20, 23, 55, 0};
  for (auto _ : state) {
    publisher.Add("eth0", now, 1000, 100);
    benchmark::DoNotOptimize(publisher.Publish(now));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RewriteAfterARecord)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kirv
