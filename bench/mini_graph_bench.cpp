#include <benchmark/benchmark.h>

#include <cstdint>

#include "common/raster_canvas.h"
#include "meter/mini_graph.h"

namespace kirv {
namespace {

// The widest meter window: 1024 pixels, less the 48 left of the graph area, less the border.
constexpr int kW = 970;
constexpr int kH = 135;

// Speeds up to `top` octets per second, from a fixed pseudo-random sequence.
SpeedHistory Traffic(std::uint32_t top) {
  SpeedHistory h;
  std::uint32_t seed = 12345;
  auto next = [&] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<std::int32_t>((seed >> 8) % top);
  };
  for (int i = 0; i < SpeedHistory::kSize; ++i) {
    h.Shift();
    h.Newest() = {next(), next(), next(), next()};
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

void BM_DrawGraph(benchmark::State& state) {
  const SpeedHistory history = Traffic(65536);
  const MiniGraphInput in = Input(history);
  RasterCanvas canvas(kW, kH);
  for (auto _ : state) {
    DrawGraph(canvas, in);
    benchmark::DoNotOptimize(canvas.Pixel(kW / 2, kH / 2));
  }
}
BENCHMARK(BM_DrawGraph)->Unit(benchmark::kMicrosecond);

// A link a thousand times faster than the scale: every curve runs far above the top.
void BM_DrawGraphFarAboveTheFullScale(benchmark::State& state) {
  const SpeedHistory history = Traffic(65536u * 1000u);
  const MiniGraphInput in = Input(history);
  RasterCanvas canvas(kW, kH);
  for (auto _ : state) {
    DrawGraph(canvas, in);
    benchmark::DoNotOptimize(canvas.Pixel(kW / 2, kH / 2));
  }
}
BENCHMARK(BM_DrawGraphFarAboveTheFullScale)->Unit(benchmark::kMicrosecond);

void BM_DrawOverlay(benchmark::State& state) {
  const SpeedHistory history;
  const MiniGraphInput in = Input(history);
  for (auto _ : state) {
    RasterCanvas canvas(kW + kOverlayExtraWidth, kH);
    DrawOverlay(canvas, in);
    benchmark::DoNotOptimize(canvas.Pixel(kW / 2, 1));
  }
}
BENCHMARK(BM_DrawOverlay)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kirv
