#include "graph/graph_renderer.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/raster_canvas.h"
#include "trace_fixture.h"

namespace kirv {
namespace {

// H ÷ V = 256 ÷ 131072 = 1/512 exactly: a rate of 512 × k octets per second is k pixels high.
constexpr int kW = 600;
constexpr int kH = 256;
constexpr std::int64_t kV = 131072;
constexpr std::uint64_t kPixel = 512;

constexpr GraphColours kColours{0x0000C0, 0x00C000, 0xC00000, 0xC0C0C0};

TraceInputs CurveInputs(int period = kDay, bool leftToRight = true, bool drawPeaks = true) {
  TraceInputs in = testing::Inputs(period);
  in.leftToRight = leftToRight;
  in.drawPeaks = drawPeaks;
  in.width = kW;
  in.height = kH;
  in.fullScale = kV;
  in.colours = kColours;
  return Bounded(in);
}

RasterCanvas Curves(const ColumnTable& table, const TraceInputs& in) {
  RasterCanvas c(in.width, in.height, kWhite);
  DrawCurves(c, table, in, VerticalScale(in.height, in.fullScale));
  return c;
}

// A different height for every index, 2 to 201 pixels.
std::uint64_t HeightOf(int index) { return static_cast<std::uint64_t>(index % 200 + 2); }

// A column sum that draws k pixels high.
std::uint64_t SumOf(std::uint64_t k, const TraceInputs& in) {
  return k * kPixel * static_cast<std::uint64_t>(in.columnSpan);
}

TEST(GraphRenderer, TheVerticalScaleIsHeightOverFullScaleInSinglePrecision) {
  EXPECT_EQ(VerticalScale(256, 131072), 1.0f / 512);
  EXPECT_EQ(VerticalScale(200, 65536), static_cast<float>(200.0L / 65536));
  EXPECT_EQ(VerticalScale(200, 3), static_cast<float>(200.0L / 3));
}

TEST(GraphRenderer, AnEmptyTableLeavesTheBackgroundEverywhere) {
  const RasterCanvas c = Curves(ColumnTable{}, CurveInputs(kYear));
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) ASSERT_EQ(c.Pixel(x, y), kGraphBackground) << x << "," << y;
  }
}

struct CoverCase {
  const char* name;
  bool leftToRight;
  int firstX;
  int lastX;
  int indexOffset;  // index drawn at x: x + indexOffset
};

void PrintTo(const CoverCase& c, std::ostream* os) { *os << c.name; }

class ReceivedAverage : public ::testing::TestWithParam<CoverCase> {};

TEST_P(ReceivedAverage, DrawsOneBarPerIndexOfItsRange) {
  const CoverCase& p = GetParam();
  const TraceInputs in = CurveInputs(kDay, p.leftToRight);
  ColumnTable table;
  for (int i = 0; i <= kW; ++i) table[i].received = SumOf(HeightOf(i), in);
  const RasterCanvas c = Curves(table, in);
  for (int x = 0; x < kW; ++x) {
    const bool drawn = x >= p.firstX && x <= p.lastX;
    // A bar from (x, H) up to (x, H - k), its end left out: rows H - k + 1 to H - 1.
    const int top = drawn ? kH - static_cast<int>(HeightOf(x + p.indexOffset)) + 1 : kH;
    for (int y = 0; y < kH; ++y) {
      ASSERT_EQ(c.Pixel(x, y), y >= top ? kColours.received : kGraphBackground)
          << "at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ReceivedAverage,
    ::testing::Values(CoverCase{"LeftToRightIndicesOneToWMinusTwo", true, 2, kW - 1, -1},
                      CoverCase{"RightToLeftIndicesTwoToW", false, 1, kW - 1, 1}),
    [](const ::testing::TestParamInfo<CoverCase>& info) { return info.param.name; });

class SentAverage : public ::testing::TestWithParam<CoverCase> {};

TEST_P(SentAverage, DrawsATwoPixelPointPerIndexOfItsRange) {
  const CoverCase& p = GetParam();
  const TraceInputs in = CurveInputs(kDay, p.leftToRight);
  ColumnTable table;
  for (int i = 0; i <= kW; ++i) table[i].sent = SumOf(HeightOf(i), in);
  const RasterCanvas c = Curves(table, in);
  for (int x = p.firstX; x <= p.lastX; ++x) {
    const int y = kH - static_cast<int>(HeightOf(x + p.indexOffset));
    EXPECT_EQ(c.Pixel(x, y), kColours.sent) << "at " << x;
    // The next point's line starts there; the last line's end point is left out.
    EXPECT_EQ(c.Pixel(x, y + 1), x < p.lastX ? kColours.sent : kGraphBackground) << "at " << x;
  }
  for (int x = 0; x < p.firstX; ++x) {
    for (int y = 0; y < kH / 2; ++y) EXPECT_EQ(c.Pixel(x, y), kGraphBackground) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Directions, SentAverage,
    ::testing::Values(CoverCase{"LeftToRightIndicesOneToWMinusTwo", true, 2, kW - 1, -1},
                      CoverCase{"RightToLeftIndicesOneToW", false, 0, kW - 1, 1}),
    [](const ::testing::TestParamInfo<CoverCase>& info) { return info.param.name; });

TEST(GraphRenderer, TheSentAverageStartsAtTheBottomOfColumnOne) {
  const TraceInputs in = CurveInputs(kDay);
  const RasterCanvas c = Curves(ColumnTable{}, in);
  // From (1, H) along the bottom edge, which lies just below the layer.
  for (int x = 0; x < kW; ++x) EXPECT_EQ(c.Pixel(x, kH - 1), kGraphBackground) << x;
}

struct PeakCase {
  const char* name;
  int period;
  bool drawPeaks;
  bool drawn;
};

void PrintTo(const PeakCase& c, std::ostream* os) { *os << c.name; }

class PeakCurves : public ::testing::TestWithParam<PeakCase> {};

TEST_P(PeakCurves, StandAboveTheAveragesOutsideJourneeWithDessinerPics) {
  const PeakCase& p = GetParam();
  const TraceInputs in = CurveInputs(p.period, true, p.drawPeaks);
  ColumnTable table;
  for (int i = 0; i < kW; ++i) {
    table[i] = {SumOf(10, in), 0, 300 * kPixel * 100, 300 * kPixel * 50};
  }
  const RasterCanvas c = Curves(table, in);
  const Colour peakBar = p.drawn ? kColours.receivedPeak : kGraphBackground;
  const Colour peakLine = p.drawn ? kColours.sentPeak : kGraphBackground;
  EXPECT_EQ(c.Pixel(300, kH - 5), kColours.received);  // the average over the peak's foot
  EXPECT_EQ(c.Pixel(300, kH - 80), peakBar);
  EXPECT_EQ(c.Pixel(300, kH - 99), peakBar);
  EXPECT_EQ(c.Pixel(300, kH - 100), kGraphBackground);
  EXPECT_EQ(c.Pixel(300, kH - 50), peakLine);
  EXPECT_EQ(c.Pixel(300, kH - 49), peakLine);
  // Peak index 0 is drawn at x = 1, where no average bar stands (the sent peak line rises there
  // from the bottom edge to its first point).
  EXPECT_EQ(c.Pixel(1, kH - 80), peakBar);
  EXPECT_EQ(c.Pixel(1, kH - 5), p.drawn ? kColours.sentPeak : kGraphBackground);
}

INSTANTIATE_TEST_SUITE_P(
    Periods, PeakCurves,
    ::testing::Values(PeakCase{"Journee", kDay, true, false},
                      PeakCase{"Semaine", kWeek, true, true}, PeakCase{"Mois", kMonth, true, true},
                      PeakCase{"Annee", kYear, true, true},
                      PeakCase{"AnneeWithoutDessinerPics", kYear, false, false}),
    [](const ::testing::TestParamInfo<PeakCase>& info) { return info.param.name; });

TEST(GraphRenderer, TheSentAverageIsDrawnOverTheSentPeaks) {
  const TraceInputs in = CurveInputs(kMonth);
  ColumnTable table;
  for (int i = 0; i < kW; ++i) table[i] = {0, SumOf(40, in), 0, 300 * kPixel * 40};
  const RasterCanvas c = Curves(table, in);
  EXPECT_EQ(c.Pixel(300, kH - 40), kColours.sent);
  EXPECT_EQ(c.Pixel(300, kH - 39), kColours.sent);
}

TEST(GraphRenderer, ARateAboveTheFullScaleReachesTheTopEdge) {
  const TraceInputs in = CurveInputs(kDay);
  ColumnTable table;
  table[100].received = SumOf(kH + 1, in);
  table[200].received = 1000000000000000000;  // far above, drawn as fast
  const RasterCanvas c = Curves(table, in);
  for (int y = 0; y < kH; ++y) {
    EXPECT_EQ(c.Pixel(101, y), kColours.received) << y;
    EXPECT_EQ(c.Pixel(201, y), kColours.received) << y;
  }
}

TEST(GraphRenderer, RowsFarAboveTheLayerDrawTheSamePixelsAsTheWholeLine) {
  const TraceInputs in = CurveInputs(kDay);
  ColumnTable table;
  const int far = 1000000;
  table[1].sent = SumOf(100, in);
  table[2].sent = SumOf(kH + far, in);
  table[3].sent = SumOf(kH + far / 2, in);
  table[4].sent = SumOf(20, in);
  const RasterCanvas c = Curves(table, in);
  // The same line through the unclamped rows.
  RasterCanvas whole(kW, kH, kGraphBackground);
  whole.SetPenColour(kColours.sent);
  whole.MoveTo(1, kH);
  const int rows[] = {kH - 100, -far, -far / 2, kH - 20};
  for (int i = 0; i < 4; ++i) {
    whole.LineTo(i + 2, rows[i]);
    whole.LineTo(i + 2, rows[i] + 1);
  }
  for (int x = 5; x + 1 < kW; ++x) {
    whole.LineTo(x + 1, kH);
    whole.LineTo(x + 1, kH + 1);
  }
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < 8; ++x) ASSERT_EQ(c.Pixel(x, y), whole.Pixel(x, y)) << x << "," << y;
  }
}

TEST(GraphRenderer, LeavesTheCurvePenBlack) {
  RasterCanvas c = Curves(ColumnTable{}, CurveInputs(kYear));
  c.MoveTo(5, 5);
  c.LineTo(5, 6);
  EXPECT_EQ(c.Pixel(5, 5), kBlack);
}

}  // namespace
}  // namespace kirv
