#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "support/raster_canvas.h"
#include "meter/mini_graph.h"

namespace kirv {
namespace {

// The widest meter window: 1024 pixels, less the 48 left of the graph area, less the border.
constexpr int kW = 970;
constexpr int kH = 135;

// Speeds up to `top` octets per second from a fixed pseudo-random sequence: independent from
// tick to tick (jagged, the longest send-line segments) or wandering by a few percent (steady).
SpeedHistory Traffic(std::uint32_t top, bool steady) {
  SpeedHistory h;
  std::uint32_t seed = 12345;
  auto next = [&](std::int32_t previous) {
    seed = seed * 1664525u + 1013904223u;
    const auto drawn = static_cast<std::int32_t>((seed >> 8) % top);
    if (!steady) return drawn;
    const std::int32_t step = static_cast<std::int32_t>(top / 32);
    return std::clamp(previous + drawn % (2 * step + 1) - step, 0, static_cast<std::int32_t>(top));
  };
  for (int i = 0; i < SpeedHistory::kSize; ++i) {
    const SpeedRecord last = h[0];
    h.Shift();
    h.Newest() = {next(last.In1), next(last.Out1), next(last.In2), next(last.Out2)};
  }
  return h;
}

MiniGraphInput Input(const SpeedHistory& history) {
  MiniGraphInput in;
  in.history = &history;
  in.width = kW;
  in.height = kH;
  in.fullScale = 65536;
  in.pixelsPerOctet = static_cast<float>(kH) / 65536.0f;
  in.average = AverageSeries::In1;
  return in;
}

void DrawGraphOf(benchmark::State& state, const SpeedHistory& history) {
  const MiniGraphInput in = Input(history);
  RasterCanvas canvas(kW, kH);
  for (auto _ : state) {
    DrawGraph(canvas, in);
    benchmark::DoNotOptimize(canvas.Pixel(kW / 2, kH / 2));
  }
}

void BM_DrawGraphJagged(benchmark::State& state) { DrawGraphOf(state, Traffic(65536, false)); }
BENCHMARK(BM_DrawGraphJagged)->Unit(benchmark::kMicrosecond);

void BM_DrawGraphSteady(benchmark::State& state) { DrawGraphOf(state, Traffic(65536, true)); }
BENCHMARK(BM_DrawGraphSteady)->Unit(benchmark::kMicrosecond);

// A link a thousand times faster than the scale: every curve runs far above the top.
void BM_DrawGraphFarAboveTheFullScale(benchmark::State& state) {
  DrawGraphOf(state, Traffic(65536u * 1000u, false));
}
BENCHMARK(BM_DrawGraphFarAboveTheFullScale)->Unit(benchmark::kMicrosecond);

// A tick of the meter: the history ages by one record, the picture scrolls by one column.
void ScrollingTicks(benchmark::State& state, std::uint32_t top) {
  SpeedHistory history = Traffic(top, false);
  const SpeedHistory more = Traffic(top, true);
  const MiniGraphInput in = Input(history);
  RasterCanvas canvas(kW, kH);
  ScrollingGraph graph;
  graph.Draw(canvas, in);
  int next = 0;
  for (auto _ : state) {
    history.Shift();
    history.Newest() = more[next];
    next = (next + 1) % SpeedHistory::kSize;
    graph.Draw(canvas, in);
    benchmark::DoNotOptimize(canvas.Pixel(kW / 2, kH / 2));
  }
}

void BM_ScrollingGraphTick(benchmark::State& state) { ScrollingTicks(state, 65536); }
BENCHMARK(BM_ScrollingGraphTick)->Unit(benchmark::kMicrosecond);

void BM_ScrollingGraphTickFarAboveTheFullScale(benchmark::State& state) {
  ScrollingTicks(state, 65536u * 1000u);
}
BENCHMARK(BM_ScrollingGraphTickFarAboveTheFullScale)->Unit(benchmark::kMicrosecond);

void BM_DrawOverlay(benchmark::State& state) {
  const SpeedHistory history;
  const MiniGraphInput in = Input(history);
  RasterCanvas canvas(kW + kOverlayExtraWidth, kH);
  for (auto _ : state) {
    DrawOverlay(canvas, in);
    benchmark::DoNotOptimize(canvas.Pixel(kW / 2, 1));
  }
}
BENCHMARK(BM_DrawOverlay)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kirv
