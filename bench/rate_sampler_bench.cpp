// One meter tick: the sampling over a scripted table, the real netlink snapshot alone, and the
// whole tick (sampling and the mini graph at the widest window) over each.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/raster_canvas.h"
#include "fakes/fake_services.h"
#include "meter/mini_graph.h"
#include "platform/netlink_interface_table.h"
#include "sampling/rate_sampler.h"

namespace kirv {
namespace {

constexpr int kW = 970;  // the widest graph area
constexpr int kH = 135;
constexpr int kInterfaces = 8;

// The meter at its fastest: 50 ms, automatic scale, stopwatch running, the entries at positions
// 0 and 2 in "Graphique 1", the one at position 1 in "Graphique 2". The names must outlive it.
TickInput MeterInput(const std::vector<std::string>& names) {
  const int entries = static_cast<int>(names.size());
  TickInput in;
  in.names = names;
  in.lb1Checked.assign(static_cast<std::size_t>(entries), false);
  in.lb2Checked.assign(static_cast<std::size_t>(entries), false);
  in.lb1Checked[0] = true;
  if (entries > 2) in.lb1Checked[2] = true;
  if (entries > 1) in.lb2Checked[1] = true;
  in.period = 1;
  in.automaticScale = true;
  in.graphWidth = kW;
  in.graphHeight = kH;
  in.stopwatchRunning = true;
  return in;
}

void Grow(testing::FakeInterfaceTable& table, std::uint64_t tick) {
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    table.rows[i].inOctets += (tick * 7919 + i * 104729) % 60000;
    table.rows[i].outOctets += (tick * 104729 + i * 7919) % 9000;
  }
}

testing::FakeInterfaceTable ScriptedTable() {
  testing::FakeInterfaceTable table;
  for (int i = 0; i < kInterfaces; ++i) table.Add("eth" + std::to_string(i), 1u << 30, 1u << 28);
  return table;
}

MiniGraphInput GraphInput(const RateSampler& sampler, std::int32_t fullScale) {
  MiniGraphInput in;
  in.history = &sampler.History();
  in.pixelsPerOctet = sampler.PixelsPerOctet();
  in.fullScale = fullScale;
  in.average = AverageSeries::In1;
  in.width = kW;
  in.height = kH;
  return in;
}

// The entries of the lists as they were filled from the table.
std::vector<std::string> Names(InterfaceTable& table) {
  std::vector<std::string> names;
  for (const InterfaceRow& row : table.TakeSnapshot().rows) names.push_back(row.name);
  return names;
}

void BM_SamplingTick(benchmark::State& state) {
  testing::FakeInterfaceTable table = ScriptedTable();
  RateSampler sampler(table);
  const std::vector<std::string> names = Names(table);
  const TickInput in = MeterInput(names);
  std::uint64_t tick = 0;
  for (auto _ : state) {
    Grow(table, ++tick);
    benchmark::DoNotOptimize(sampler.Tick(in));
  }
}
BENCHMARK(BM_SamplingTick)->Unit(benchmark::kMicrosecond);

void BM_NetlinkSnapshot(benchmark::State& state) {
  NetlinkInterfaceTable table;
  if (!table.IsAvailable()) state.SkipWithError("netlink unavailable");
  for (auto _ : state) benchmark::DoNotOptimize(table.TakeSnapshot());
}
BENCHMARK(BM_NetlinkSnapshot)->Unit(benchmark::kMicrosecond);

// Sampling, then the graph area scrolled and drawn from the new history, as Timer1Timer does
// every tick.
void WholeTicks(benchmark::State& state, InterfaceTable& table,
                testing::FakeInterfaceTable* scripted) {
  RateSampler sampler(table);
  const std::vector<std::string> names = Names(table);
  const TickInput in = MeterInput(names);
  RasterCanvas canvas(kW, kH);
  ScrollingGraph graph;
  std::uint64_t tick = 0;
  for (auto _ : state) {
    if (scripted != nullptr) Grow(*scripted, ++tick);
    const TickResult result = sampler.Tick(in);
    graph.Draw(canvas, GraphInput(sampler, result.fullScale.value_or(1025)));
    benchmark::DoNotOptimize(canvas.Pixel(kW / 2, kH / 2));
  }
}

void BM_WholeTickOverScriptedTable(benchmark::State& state) {
  testing::FakeInterfaceTable table = ScriptedTable();
  WholeTicks(state, table, &table);
}
BENCHMARK(BM_WholeTickOverScriptedTable)->Unit(benchmark::kMicrosecond);

void BM_WholeTickOverNetlink(benchmark::State& state) {
  NetlinkInterfaceTable table;
  if (!table.IsAvailable()) state.SkipWithError("netlink unavailable");
  WholeTicks(state, table, nullptr);
}
BENCHMARK(BM_WholeTickOverNetlink)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kirv
