#include "meter/clipped_pen.h"

#include <gtest/gtest.h>

#include "support/raster_canvas.h"

namespace kirv {
namespace {

constexpr int kHeight = 10;

void ExpectSamePixels(const RasterCanvas& expected, const RasterCanvas& actual) {
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      ASSERT_EQ(actual.Pixel(x, y), expected.Pixel(x, y)) << "at " << x << "," << y;
    }
  }
}

TEST(ClippedPen, SetsTheCanvasLinesPixelsForEveryRowPairInAndAroundTheCanvas) {
  for (int dx = -1; dx <= 1; ++dx) {
    for (int y0 = -25; y0 <= 35; ++y0) {
      for (int y1 = -25; y1 <= 35; ++y1) {
        RasterCanvas expected(3, kHeight);
        expected.MoveTo(1, y0);
        expected.LineTo(1 + dx, y1);
        RasterCanvas actual(3, kHeight);
        ClippedPen pen(actual, {0, 0, actual.Width(), kHeight});
        pen.MoveTo(1, y0);
        pen.LineTo(1 + dx, y1);
        SCOPED_TRACE(::testing::Message() << dx << ": " << y0 << " to " << y1);
        ExpectSamePixels(expected, actual);
      }
    }
  }
}

TEST(ClippedPen, ContinuesFromTheEndOfItsLastLine) {
  RasterCanvas expected(4, kHeight);
  expected.MoveTo(3, 12);
  expected.LineTo(2, 4);
  expected.LineTo(2, 5);
  expected.LineTo(1, -3);
  RasterCanvas actual(4, kHeight);
  ClippedPen pen(actual, {0, 0, actual.Width(), kHeight});
  pen.MoveTo(3, 12);
  pen.LineTo(2, 4);
  pen.LineTo(2, 5);
  pen.LineTo(1, -3);
  ExpectSamePixels(expected, actual);
}

TEST(ClippedPen, ALineFromFarBelowToFarAboveSwitchesColumnAtItsMiddleRow) {
  // Both lines turn at row 0; only the pen's is a trillion rows long.
  RasterCanvas expected(3, kHeight);
  expected.MoveTo(1, 1000);
  expected.LineTo(2, -1000);
  RasterCanvas actual(3, kHeight);
  ClippedPen pen(actual, {0, 0, actual.Width(), kHeight});
  pen.MoveTo(1, 1'000'000'000'000);
  pen.LineTo(2, -1'000'000'000'000);
  ExpectSamePixels(expected, actual);
  EXPECT_EQ(actual.Pixel(1, 0), kBlack);
  EXPECT_EQ(actual.Pixel(2, 0), kWhite);
}

TEST(ClippedPen, AVerticalLineFarAboveTheCanvasFillsTheColumnUpToTheTop) {
  RasterCanvas canvas(2, kHeight);
  ClippedPen pen(canvas, {0, 0, canvas.Width(), kHeight});
  pen.MoveTo(1, kHeight);
  pen.LineTo(1, -1'000'000'000'000);
  for (int y = 0; y < kHeight; ++y) EXPECT_EQ(canvas.Pixel(1, y), kBlack) << y;
  EXPECT_EQ(canvas.Pixel(0, 0), kWhite);
}

}  // namespace
}  // namespace kirv
