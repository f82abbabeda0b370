#include "widgets/qt_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>

#include "case_name.h"
#include "support/raster_canvas.h"
#include "meter/mini_graph.h"

namespace kirv {
namespace {

constexpr int kW = 200;
constexpr int kH = 60;

// Jagged traffic around the full scale, some of it far above it or negative.
SpeedHistory Jagged() {
  SpeedHistory h;
  std::uint32_t seed = 7;
  auto next = [&] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<std::int32_t>(seed >> 12) % 200000 - 20000;
  };
  for (int i = 0; i < SpeedHistory::kSize; ++i) {
    h.Shift();
    h.Newest() = {next(), next(), next(), next()};
  }
  h.Newest().In1 = 2'000'000'000;
  return h;
}

MiniGraphInput Input(const SpeedHistory& history) {
  MiniGraphInput in;
  in.history = &history;
  in.width = kW;
  in.height = kH;
  in.fullScale = 65536;
  in.pixelsPerOctet = static_cast<float>(kH) / 65536.0f;
  in.graduations = 0;  // labels are glyphs on the Qt canvas
  in.average = AverageSeries::In1;
  return in;
}

void ExpectSamePixels(const Canvas& expected, const Canvas& actual) {
  ASSERT_EQ(actual.Width(), expected.Width());
  ASSERT_EQ(actual.Height(), expected.Height());
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      ASSERT_EQ(actual.Pixel(x, y), expected.Pixel(x, y)) << "at " << x << "," << y;
    }
  }
}

class QtCanvasFormat : public ::testing::TestWithParam<QImage::Format> {};

TEST_P(QtCanvasFormat, DrawsTheMiniGraphOnTheRasterCanvasPixels) {
  const SpeedHistory history = Jagged();
  const MiniGraphInput in = Input(history);
  RasterCanvas expected(kW, kH);
  DrawGraph(expected, in);
  QImage image(kW, kH, GetParam());
  image.fill(Qt::red);
  QtCanvas actual(image);
  DrawGraph(actual, in);
  ExpectSamePixels(expected, actual);
}

TEST_P(QtCanvasFormat, DrawsTheMiniGraphOverlayOnTheRasterCanvasPixels) {
  const SpeedHistory history;
  const MiniGraphInput in = Input(history);
  RasterCanvas expected(kW + kOverlayExtraWidth, kH);
  DrawOverlay(expected, in);
  QImage image(kW + kOverlayExtraWidth, kH, GetParam());
  QtCanvas actual(image);
  DrawOverlay(actual, in);
  ExpectSamePixels(expected, actual);
}

INSTANTIATE_TEST_SUITE_P(QtCanvas, QtCanvasFormat,
                         ::testing::Values(QImage::Format_RGB32, QImage::Format_ARGB32,
                                           QImage::Format_ARGB32_Premultiplied,
                                           QImage::Format_RGB888),
                         [](const ::testing::TestParamInfo<QImage::Format>& info) {
                           return info.param == QImage::Format_RGB32    ? "RGB32"
                                  : info.param == QImage::Format_ARGB32 ? "ARGB32"
                                  : info.param == QImage::Format_ARGB32_Premultiplied
                                      ? "ARGB32Premultiplied"
                                      : "RGB888";
                         });

TEST(QtCanvas, LinesIntoAnImageSharedWithACopyLeaveTheCopyAlone) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::white);
  const QImage copy = image;
  QtCanvas canvas(image);
  canvas.MoveTo(1, 0);
  canvas.LineTo(1, 4);
  EXPECT_EQ(canvas.Pixel(1, 3), kBlack);
  EXPECT_EQ(QtCanvas::FromQColor(copy.pixelColor(1, 3)), kWhite);
}

}  // namespace
}  // namespace kirv
