#include "support/raster_canvas.h"

#include <gtest/gtest.h>

namespace kirv {
namespace {

constexpr Colour kRed = 0x0000FF;

TEST(RasterCanvas, LinesLeaveOutTheirEndPoint) {
  RasterCanvas c(10, 10);
  c.SetPenColour(kRed);
  c.MoveTo(2, 9);
  c.LineTo(2, 5);
  for (int y = 6; y <= 9; ++y) EXPECT_EQ(c.Pixel(2, y), kRed) << y;
  EXPECT_EQ(c.Pixel(2, 5), kWhite);
  c.LineTo(6, 5);  // continues from the end point, which it now draws
  EXPECT_EQ(c.Pixel(2, 5), kRed);
  EXPECT_EQ(c.Pixel(5, 5), kRed);
  EXPECT_EQ(c.Pixel(6, 5), kWhite);
}

TEST(RasterCanvas, ALineToItsStartDrawsNothing) {
  RasterCanvas c(4, 4);
  c.MoveTo(1, 1);
  c.LineTo(1, 1);
  EXPECT_EQ(c.Pixel(1, 1), kWhite);
}

TEST(RasterCanvas, DiagonalsStepOnePixelPerColumn) {
  RasterCanvas c(5, 5);
  c.MoveTo(0, 0);
  c.LineTo(4, 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(c.Pixel(i, i), kBlack) << i;
  EXPECT_EQ(c.Pixel(4, 4), kWhite);
  EXPECT_EQ(c.Pixel(1, 0), kWhite);
}

TEST(RasterCanvas, ClipsOutsideTheSurface) {
  RasterCanvas c(3, 3);
  c.MoveTo(-5, 1);
  c.LineTo(8, 1);
  EXPECT_EQ(c.Pixel(0, 1), kBlack);
  EXPECT_EQ(c.Pixel(2, 1), kBlack);
  c.SetPixel(-1, -1, kRed);
  c.SetBrushColour(kRed);
  c.FillRect(-4, -4, 100, 1);
  EXPECT_EQ(c.Pixel(2, 0), kRed);
  EXPECT_EQ(c.Pixel(2, 1), kBlack);
}

TEST(RasterCanvas, FillRectLeavesOutRightAndBottom) {
  RasterCanvas c(6, 6);
  c.SetBrushColour(kRed);
  c.FillRect(1, 1, 3, 4);
  EXPECT_EQ(c.Pixel(1, 1), kRed);
  EXPECT_EQ(c.Pixel(2, 3), kRed);
  EXPECT_EQ(c.Pixel(3, 1), kWhite);
  EXPECT_EQ(c.Pixel(1, 4), kWhite);
}

TEST(RasterCanvas, RecordsTextAndFillsItsBoxOnlyWithASolidBrush) {
  RasterCanvas c(40, 20);
  c.SetBrushColour(kRed);
  c.SetFontColour(0x123456);
  c.TextOut(1, 2, "ab");
  EXPECT_EQ(c.Pixel(1 + 2 * RasterCanvas::kCharWidth - 1, 2), kRed);
  EXPECT_EQ(c.Pixel(1 + 2 * RasterCanvas::kCharWidth, 2), kWhite);
  c.SetBrushClear(true);
  c.SetBrushColour(kBlack);
  c.TextOut(20, 2, "cd");
  EXPECT_EQ(c.Pixel(20, 2), kWhite);
  ASSERT_EQ(c.Texts().size(), 2u);
  EXPECT_EQ(c.Texts()[0].colour, 0x123456u);
  EXPECT_EQ(c.TextsAt(20, 2), std::vector<std::string>{"cd"});
  EXPECT_EQ(c.TextWidth("abc"), 18);
}

TEST(RasterCanvas, VerticalLinesSetRasterLinesPixelsInAndAroundTheSurface) {
  for (int y0 = -5; y0 <= 15; ++y0) {
    for (int y1 = -5; y1 <= 15; ++y1) {
      RasterCanvas c(3, 10);
      c.MoveTo(1, y0);
      c.LineTo(1, y1);
      RasterCanvas expected(3, 10);
      RasterLine(1, y0, 1, y1, [&](int x, int y) { expected.SetPixel(x, y, kBlack); });
      for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 3; ++x) {
          ASSERT_EQ(c.Pixel(x, y), expected.Pixel(x, y)) << y0 << " to " << y1 << " at " << y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kirv
