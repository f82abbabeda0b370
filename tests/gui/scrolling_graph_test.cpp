#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "case_name.h"
#include "meter/mini_graph.h"
#include "widgets/qt_canvas.h"

namespace kirv {
namespace {

constexpr Colour kUnused = 0x123456;  // never drawn: a pixel left out shows
constexpr int kSteps = 400;

class CountingScrolls : public QtCanvas {
 public:
  CountingScrolls(QImage& image, int& scrolls) : QtCanvas(image), scrolls_(scrolls) {}
  bool ScrollLeft(int columns) override {
    const bool moved = QtCanvas::ScrollLeft(columns);
    scrolls_ += moved ? 1 : 0;
    return moved;
  }

 private:
  int& scrolls_;
};

QImage Picture(double ratio, int width, int height) {
  QImage image = QtCanvas::MakeImage({width, height}, ratio);
  image.fill(QtCanvas::ToQColor(kUnused));
  return image;
}

// The first device pixel where the two differ.
std::optional<std::string> FirstDifference(const QImage& a, const QImage& b) {
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) return std::to_string(x) + "," + std::to_string(y);
    }
  }
  return std::nullopt;
}

struct ScrollCase {
  std::string name;
  double ratio;
  std::uint32_t seed;
  bool scrolls;  // the canvas moves its pixels by whole columns
  int width = 345;
};

class ScrollingGraphTicks : public ::testing::TestWithParam<ScrollCase> {};

// A few hundred random steps: ticks, runs of ticks while hidden, resizes, colour, scale and
// average changes, redraws without a tick and new images. After each drawn step the kept
// picture holds the whole drawing's pixels.
TEST_P(ScrollingGraphTicks, KeepThePixelsOfTheWholeDrawing) {
  const ScrollCase& c = GetParam();
  std::mt19937 random(c.seed);
  auto pick = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
  // In1 and Out1 stay within reach of the average line; the others may run far off the area.
  auto calm = [&]() -> std::int32_t { return pick(4) == 0 ? 0 : pick(80000) - 5000; };
  // At times 0, far above the full scale or below the bottom.
  auto speed = [&]() -> std::int32_t {
    const int kind = pick(6);
    return kind == 0   ? 0
           : kind == 1 ? std::numeric_limits<std::int32_t>::max() - pick(1000)
           : kind == 2 ? -pick(100000)
                       : pick(80000);
  };
  constexpr int kWidths[] = {3, 4, 7, 345, 970, 1030};  // 1030: wider than the history
  constexpr int kHeights[] = {1, 2, 60, 135};
  SpeedHistory history;
  MiniGraphInput in;
  in.history = &history;
  in.width = c.width;
  in.height = 135;
  in.pixelsPerOctet = 135.0f / 65536;
  in.average = AverageSeries::In1;
  QImage kept = Picture(c.ratio, in.width, in.height);
  ScrollingGraph graph;
  int scrolls = 0;
  auto drawKept = [&] {
    CountingScrolls canvas(kept, scrolls);
    graph.Draw(canvas, in);
  };
  drawKept();
  std::vector<SpeedRecord> drawn(
      static_cast<std::size_t>(std::min(in.width - 2, SpeedHistory::kSize)));
  int expectedScrolls = 0;
  for (int step = 0; step < kSteps; ++step) {
    const int event = pick(100);
    const MiniGraphInput before = in;
    bool newImage = false;
    int ticks = 0;
    if (event < 70) {
      ticks = 1;
    } else if (event < 74) {  // hidden for a while
      ticks = 2 + pick(40);
    } else if (event < 78) {
      in.width = kWidths[pick(6)];
      in.height = kHeights[pick(4)];
      in.pixelsPerOctet = static_cast<float>(in.height) / 65536;
      newImage = true;
    } else if (event < 82) {
      Colour* colours[] = {&in.colours.receive1, &in.colours.send1, &in.colours.receive2,
                           &in.colours.send2, &in.colours.overlap};
      *colours[pick(5)] = static_cast<Colour>(random() & 0xFFFFFF);
    } else if (event < 86) {
      in.pixelsPerOctet = static_cast<float>(in.height) / (1025 + pick(1 << 20));
    } else if (event < 90) {
      in.average = static_cast<AverageSeries>(pick(3));
    } else if (event < 95) {
      // A redraw without a tick, as after a resize to the same size.
    } else {
      newImage = true;
    }
    if (newImage) {
      kept = Picture(c.ratio, in.width, in.height);
      graph.Forget();
    }
    for (int t = 0; t < ticks; ++t) {
      history.Shift();
      const std::int32_t in1 = calm();
      history.Newest() = {in1, calm(), pick(4) == 0 ? in1 : speed(), speed()};
    }
    std::vector<SpeedRecord> records;
    for (int k = 0; k < std::min(in.width - 2, SpeedHistory::kSize); ++k) {
      records.push_back(history[k]);
    }
    // Scrolled: the same look, and records that only aged by one.
    const bool sameLook = !newImage && in.colours == before.colours &&
                          in.pixelsPerOctet == before.pixelsPerOctet &&
                          in.average == before.average;
    const bool aged = records.size() == drawn.size() && !records.empty() &&
                      std::equal(records.begin() + 1, records.end(), drawn.begin());
    if (c.scrolls && sameLook && aged && records != drawn) ++expectedScrolls;
    drawn = records;
    drawKept();
    QImage whole = Picture(c.ratio, in.width, in.height);
    QtCanvas canvas(whole);
    DrawGraph(canvas, in);
    const std::optional<std::string> at = FirstDifference(kept, whole);
    ASSERT_FALSE(at) << "step " << step << " (event " << event << ", " << in.width << " x "
                     << in.height << ") at " << *at;
  }
  EXPECT_EQ(scrolls, expectedScrolls);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, ScrollingGraphTicks,
    ::testing::Values(ScrollCase{"ratio 1", 1, 1, true},
                      ScrollCase{"ratio 1 other seed", 1, 2, true},
                      ScrollCase{"ratio 1 wider than the history", 1, 6, true, 1030},
                      ScrollCase{"ratio 2", 2, 4, true},
                      // Columns of one or two device pixels: drawn in full every time.
                      ScrollCase{"ratio 1.5", 1.5, 5, false}),
    [](const ::testing::TestParamInfo<ScrollCase>& info) {
      return testing::CaseName({info.param.name});
    });

}  // namespace
}  // namespace kirv
