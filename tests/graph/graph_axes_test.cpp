#include "graph/graph_axes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "case_name.h"
#include "support/raster_canvas.h"
#include "graph/graph_renderer.h"
#include "trace_fixture.h"

namespace kirv {
namespace {

// The design-size layers: curve layer 600 × 200 at (90, 12) in the axis layer of 700 × 240.
constexpr int kAx = kCurveLayerLeft;
constexpr int kAy = kCurveLayerTop;
constexpr int kW = 600;
constexpr int kH = 200;
constexpr int kTimeLabelTop = kAy + kH + 2;
constexpr Colour kRed = 255;
constexpr Colour kUnset = 0x123456;

TraceInputs AxesInputs(int period, DateTime date, int hour, int minute, bool leftToRight) {
  return Bounded(testing::Inputs(period, date, {date.year, date.month, date.day, hour, minute, 0},
                                 leftToRight));
}

DisplayUnit UnitOf(const TraceInputs& in) {
  DisplayUnit unit;
  unit.Update(in.fullScale, in.UnitFactor());
  return unit;
}

RasterCanvas Axes(const TraceInputs& in) {
  RasterCanvas c(in.width + kAxisLayerExtraWidth, in.height + kAxisLayerExtraHeight, kUnset);
  DrawAxes(c, in, VerticalScale(in.height, in.fullScale), UnitOf(in));
  return c;
}

// The columns of the time marks: their ticks are the only pixels on the row below the bottom edge.
std::vector<int> Marks(const RasterCanvas& c, const TraceInputs& in) {
  std::vector<int> xs;
  for (int x = 0; x < c.Width(); ++x) {
    if (c.Pixel(x, kAy + in.height + 1) == kBlack) xs.push_back(x);
  }
  return xs;
}

// The columns of the red accent lines, read on the first row below the top edge (the dotted
// graduation lines, drawn later, may cover them on their own rows).
std::vector<int> Accents(const RasterCanvas& c) {
  std::vector<int> xs;
  for (int x = 0; x < c.Width(); ++x) {
    if (c.Pixel(x, kAy + 1) == kRed) xs.push_back(x);
  }
  return xs;
}

using Placed = std::pair<int, std::string>;

std::vector<Placed> TimeLabels(const RasterCanvas& c, const TraceInputs& in) {
  std::vector<Placed> labels;
  for (const auto& t : c.Texts()) {
    if (t.y == kAy + in.height + 2) labels.emplace_back(t.x, t.text);
  }
  return labels;
}

// Speed labels end 10 pixels left of the curve layer.
std::vector<std::pair<int, std::string>> SpeedLabels(const RasterCanvas& c) {
  std::vector<Placed> labels;
  for (const auto& t : c.Texts()) {
    if (t.x + c.TextWidth(t.text) == kAx - 10) labels.emplace_back(t.y, t.text);
  }
  return labels;
}

std::vector<Placed> First(const std::vector<Placed>& all, std::size_t n) {
  return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(std::min(n, all.size()))};
}

// --- Frame ---

TEST(GraphFrame, ClosesALineThroughTheFourCornersFromColumnOne) {
  RasterCanvas c(kW, kH, kGraphBackground);
  DrawFrame(c, kW, kH);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const bool edge = x >= 1 && (x == 1 || x == kW - 1 || y == 0 || y == kH - 1);
      ASSERT_EQ(c.Pixel(x, y), edge ? kBlack : kGraphBackground) << x << "," << y;
    }
  }
}

// --- Time marks ---

TEST(GraphAxes, FillsTheLayerWithItsTransparentWhite) {
  const RasterCanvas c = Axes(AxesInputs(kDay, testing::kReference, 14, 37, true));
  EXPECT_EQ(c.Pixel(0, 0), kWhite);
  EXPECT_EQ(c.Pixel(699, 239), kWhite);
  EXPECT_EQ(c.Pixel(300, 100), kWhite);
}

TEST(GraphAxes, JourneeAt1437MarksEachHourFromNineColumnsRightOfTheEdge) {
  const TraceInputs in = AxesInputs(kDay, testing::kReference, 14, 37, true);
  const RasterCanvas c = Axes(in);
  const std::vector<int> marks = Marks(c, in);
  ASSERT_EQ(marks.size(), 50u);
  for (std::size_t k = 0; k < marks.size(); ++k) EXPECT_EQ(marks[k], kAx + 9 + 12 * int(k));
  // A tick of five rows and the dotted line on the odd rows of the curve layer.
  const int x = kAx + 9;
  for (int y = kAy + kH - 2; y <= kAy + kH + 1; ++y) EXPECT_EQ(c.Pixel(x, y), kBlack) << y;
  EXPECT_EQ(c.Pixel(x, kAy + kH + 2), kWhite);
  for (int y = 0; y < kAy + kH - 2; ++y) {
    EXPECT_EQ(c.Pixel(x, y), y >= kAy && y % 2 == 1 ? kBlack : kWhite) << y;
  }
  const std::vector<Placed> labels = TimeLabels(c, in);
  EXPECT_EQ(labels.size(), 25u);
  EXPECT_EQ(First(labels, 3), (std::vector<Placed>{{93, "14"}, {117, "12"}, {141, "10"}}));
  // Midnight is the 15th mark: "0", one character wide, and red.
  EXPECT_EQ(c.TextsAt(kAx + 9 + 14 * 12 - 3, kTimeLabelTop), std::vector<std::string>{"0"});
  EXPECT_EQ(Accents(c), (std::vector<int>{kAx + 9 + 14 * 12, kAx + 9 + 38 * 12}));
}

TEST(GraphAxes, AnAccentLineRunsFromTheBottomEdgeUpToTheTopEdge) {
  const TraceInputs in = AxesInputs(kDay, testing::kReference, 14, 37, true);
  const RasterCanvas c = Axes(in);
  const int x = kAx + 9 + 14 * 12;
  EXPECT_EQ(c.Pixel(x, kAy), kWhite);
  for (int y = kAy + 1; y <= kAy + kH; ++y) EXPECT_EQ(c.Pixel(x, y), kRed) << y;
  EXPECT_EQ(c.Pixel(x, kAy + kH + 1), kBlack);  // the tick below it
}

class JourneeMinutes : public ::testing::TestWithParam<int> {};

TEST_P(JourneeMinutes, PutTheFirstMarkAtTheStartOfTheFiveMinuteSlot) {
  const TraceInputs in = AxesInputs(kDay, testing::kReference, 14, GetParam(), true);
  const TraceInputs at37 = AxesInputs(kDay, testing::kReference, 14, 37, true);
  const RasterCanvas c = Axes(in);
  EXPECT_EQ(Marks(c, in), Marks(Axes(at37), at37));
  EXPECT_EQ(TimeLabels(c, in), TimeLabels(Axes(at37), at37));
}

INSTANTIATE_TEST_SUITE_P(At1435To1439, JourneeMinutes, ::testing::Values(35, 36, 38, 39),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return ::kirv::testing::CaseName({"At14h", std::to_string(info.param)});
                         });

TEST(GraphAxes, JourneeAt1440MovesTheFirstMarkOneColumn) {
  const TraceInputs in = AxesInputs(kDay, testing::kReference, 14, 40, true);
  EXPECT_EQ(Marks(Axes(in), in).front(), kAx + 10);
}

TEST(GraphAxes, JourneeRightToLeftRunsFromTheRightEdge) {
  const TraceInputs in = AxesInputs(kDay, testing::kReference, 14, 37, false);
  const RasterCanvas c = Axes(in);
  const std::vector<int> marks = Marks(c, in);
  ASSERT_EQ(marks.size(), 50u);
  EXPECT_EQ(marks.front(), kAx + kW - 9 - 12 * 49);  // 681, 669, ... down to 93
  EXPECT_EQ(marks.back(), kAx + kW - 9);
  EXPECT_EQ(c.TextsAt(kAx + kW - 9 - 6, kTimeLabelTop), std::vector<std::string>{"14"});
}

TEST(GraphAxes, HourLabelsAreDrawnEvenAcrossTheLeftEdge) {
  const TraceInputs in = AxesInputs(kDay, testing::kReference, 14, 0, true);
  const RasterCanvas c = Axes(in);
  EXPECT_EQ(Marks(c, in).front(), kAx + 2);
  EXPECT_EQ(c.TextsAt(kAx + 2 - 6, kTimeLabelTop), std::vector<std::string>{"14"});
}

TEST(GraphAxes, SemaineOnAWednesdayAt10RightToLeft) {
  const TraceInputs in = AxesInputs(kWeek, {2026, 4, 22}, 10, 0, false);
  const RasterCanvas c = Axes(in);
  const std::vector<int> marks = Marks(c, in);
  ASSERT_EQ(marks.size(), 13u);
  EXPECT_EQ(marks.back(), kAx + kW - 22);
  EXPECT_EQ(marks.front(), kAx + kW - 22 - 12 * 48);
  // "Wed" is 18 pixels wide: centred 24 columns toward the right edge.
  EXPECT_EQ(First(TimeLabels(c, in), 4), (std::vector<Placed>{{kAx + kW - 22 + 24 - 9, "Wed"},
                                                              {kAx + kW - 70 + 24 - 9, "Tue"},
                                                              {kAx + kW - 118 + 24 - 9, "Mon"},
                                                              {kAx + kW - 166 + 24 - 9, "Sun"}}));
  EXPECT_EQ(TimeLabels(c, in).size(), 13u);
  // The start of Monday, and a week before it.
  EXPECT_EQ(Accents(c), (std::vector<int>{kAx + kW - 118 - 7 * 48, kAx + kW - 118}));
}

TEST(GraphAxes, SemaineLeavesOutALabelThatWouldStandLeftOfTheCurveLayer) {
  const TraceInputs in = AxesInputs(kWeek, {2026, 4, 22}, 10, 0, true);
  const RasterCanvas c = Axes(in);
  const std::vector<int> marks = Marks(c, in);
  ASSERT_EQ(marks.size(), 13u);
  EXPECT_EQ(marks.front(), kAx + 22);
  EXPECT_EQ(marks.back(), kAx + 22 + 12 * 48);  // 688: marks may stand up to ax + W + 1
  // Wednesday's label would stand at 79.
  const std::vector<Placed> labels = TimeLabels(c, in);
  ASSERT_EQ(labels.size(), 12u);
  EXPECT_EQ(labels.front(), (Placed{kAx + 70 - 24 - 9, "Tue"}));
}

TEST(GraphAxes, AnneeOnThe20thOfAprilRightToLeft) {
  const TraceInputs in = AxesInputs(kYear, {2026, 4, 20}, 10, 0, false);
  const RasterCanvas c = Axes(in);
  const int april = kAx + kW - 20;
  const int march = april - 31;
  const int february = march - 28;
  const int january = february - 31;
  const std::vector<int> marks = Marks(c, in);
  ASSERT_GE(marks.size(), 4u);
  EXPECT_EQ(std::vector<int>(marks.end() - 4, marks.end()),
            (std::vector<int>{january, february, march, april}));
  EXPECT_EQ(First(TimeLabels(c, in), 5), (std::vector<Placed>{{april + 15 - 9, "Apr"},
                                                              {march + 15 - 9, "Mar"},
                                                              {february + 14 - 9, "Feb"},
                                                              {january + 15 - 9, "Jan"},
                                                              {january - 31 + 15 - 9, "Dec"}}));
  EXPECT_EQ(Accents(c), (std::vector<int>{january - 365, january}));
}

TEST(GraphAxes, AnneeLeftToRightLeavesOutAprilsLabelLeftOfTheCurveLayer) {
  const TraceInputs in = AxesInputs(kYear, {2026, 4, 20}, 10, 0, true);
  const RasterCanvas c = Axes(in);
  const std::vector<int> marks = Marks(c, in);
  ASSERT_GE(marks.size(), 4u);
  EXPECT_EQ(std::vector<int>(marks.begin(), marks.begin() + 4),
            (std::vector<int>{kAx + 20, kAx + 51, kAx + 79, kAx + 110}));
  // April's label would stand at 90 + 20 − 15 − 9 = 86.
  EXPECT_EQ(First(TimeLabels(c, in), 2),
            (std::vector<Placed>{{kAx + 51 - 15 - 9, "Mar"}, {kAx + 79 - 14 - 9, "Feb"}}));
}

struct FebruaryCase {
  const char* name;
  int year;
  int februaryColumns;
};

class AnneeFebruary : public ::testing::TestWithParam<FebruaryCase> {};

TEST_P(AnneeFebruary, GivesFebruaryItsGregorianLength) {
  const FebruaryCase& c = GetParam();
  const TraceInputs in = AxesInputs(kYear, {c.year, 4, 20}, 10, 0, true);
  const RasterCanvas canvas = Axes(in);
  const std::vector<int> marks = Marks(canvas, in);
  ASSERT_GE(marks.size(), 4u);
  EXPECT_EQ(marks[1] - marks[0], 31);                 // March
  EXPECT_EQ(marks[2] - marks[1], c.februaryColumns);  // February
  EXPECT_EQ(marks[3] - marks[2], 31);                 // January
  // February's label stands half its length before its mark: 14 columns either way.
  const std::vector<Placed> labels = First(TimeLabels(canvas, in), 2);
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[1], (Placed{marks[2] - 14 - 9, "Feb"}));
}

INSTANTIATE_TEST_SUITE_P(Years, AnneeFebruary,
                         ::testing::Values(FebruaryCase{"Leap2024", 2024, 29},
                                           FebruaryCase{"Leap2028", 2028, 29},
                                           FebruaryCase{"Common2027", 2027, 28},
                                           FebruaryCase{"Century2100IsCommon", 2100, 28},
                                           FebruaryCase{"Century2400IsLeap", 2400, 29}),
                         [](const ::testing::TestParamInfo<FebruaryCase>& info) {
                           return info.param.name;
                         });

TEST(GraphAxes, MoisMarksEachWeekAndReddensWhereTheHourCounterReachesZero) {
  // Monday 20 April at 02:00: the first mark 12 + 1 + 2 columns from the edge, then every week.
  const TraceInputs in = AxesInputs(kMonth, {2026, 4, 20}, 2, 0, true);
  const RasterCanvas c = Axes(in);
  EXPECT_EQ(Marks(c, in), (std::vector<int>{105, 189, 273, 357, 441, 525, 609}));
  EXPECT_TRUE(TimeLabels(c, in).empty());
  EXPECT_EQ(Accents(c), std::vector<int>{273});
}

// --- Graduations ---

TEST(GraphAxes, NineSpeedLabelsRunFromTheFullScaleDownToZero) {
  // 65536 octets/s in "Bits" is 512 K; H div G = 25 is more than a text line.
  const TraceInputs in = AxesInputs(kDay, testing::kReference, 14, 37, true);
  const RasterCanvas c = Axes(in);
  EXPECT_EQ(SpeedLabels(c), (std::vector<Placed>{{6, "512 K"},
                                                 {31, "448 K"},
                                                 {56, "384 K"},
                                                 {81, "320 K"},
                                                 {106, "256 K"},
                                                 {131, "192 K"},
                                                 {156, "128 K"},
                                                 {181, "64 K"},
                                                 {206, "0 K"}}));
  for (int i = 0; i < 8; ++i) {
    const int y = kAy + 25 * i;
    for (int x = kAx - 1; x <= kAx + 3; ++x)
      EXPECT_EQ(c.Pixel(x, y), x <= kAx + 2 ? kBlack : kWhite);
    EXPECT_EQ(c.Pixel(kAx + 4, y), kBlack);  // the dotted line from j = 1 ...
    EXPECT_EQ(c.Pixel(kAx + 5, y), kWhite);
    EXPECT_EQ(c.Pixel(kAx + kW, y), kBlack);  // ... to j = W − 1
    EXPECT_EQ(c.Pixel(kAx + kW + 1, y), kWhite);
  }
  for (int x = kAx - 1; x <= kAx + 2; ++x) EXPECT_EQ(c.Pixel(x, kAy + kH - 1), kBlack);
}

struct PrefixCase {
  const char* name;
  std::int64_t fullScale;
  bool octets;
  const char* top;
};

void PrintTo(const PrefixCase& c, std::ostream* os) { *os << c.name; }

class SpeedLabelPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(SpeedLabelPrefix, TopLabelIsTheFullScaleInTheDisplayedUnit) {
  TraceInputs in = AxesInputs(kDay, testing::kReference, 14, 37, true);
  in.fullScale = GetParam().fullScale;
  in.octets = GetParam().octets;
  const std::vector<Placed> labels = SpeedLabels(Axes(in));
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels.front().second, GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(Scales, SpeedLabelPrefix,
                         ::testing::Values(PrefixCase{"Adsl1024InOctets", 131072, true, "128 K"},
                                           PrefixCase{"Adsl1024InBits", 131072, false, "1024 K"},
                                           PrefixCase{"EthernetInOctets", 1310720, true, "1.2 M"},
                                           PrefixCase{"EthernetInBits", 1310720, false, "10 M"},
                                           PrefixCase{"RtcInBits", 8192, false, "64 K"},
                                           PrefixCase{"AutomaticOf500InOctets", 500, true, "500"}),
                         [](const ::testing::TestParamInfo<PrefixCase>& info) {
                           return info.param.name;
                         });

TEST(GraphAxes, LinesCloserThanATextLineAreLabelledOneInTwo) {
  // H = 48, G = 8: lines 6 pixels apart, 13 div 6 = 2.
  TraceInputs in = AxesInputs(kDay, testing::kReference, 14, 37, true);
  in.height = 48;
  const RasterCanvas c = Axes(in);
  EXPECT_EQ(SpeedLabels(c),
            (std::vector<Placed>{
                {12, "448 K"}, {24, "320 K"}, {36, "192 K"}, {48, "64 K"}, {54, "0 K"}}));
}

TEST(GraphAxes, AGraduationCountAboveTheFullScalePutsEveryLineOnTheTopEdge) {
  TraceInputs in = AxesInputs(kDay, testing::kReference, 14, 37, true);
  in.fullScale = 5;
  in.octets = true;
  const RasterCanvas c = Axes(in);
  const std::vector<Placed> labels = SpeedLabels(c);
  EXPECT_EQ(labels, (std::vector<Placed>{{6, "5"},
                                         {6, "4.4"},
                                         {6, "3.8"},
                                         {6, "3.2"},
                                         {6, "2.5"},
                                         {6, "1.9"},
                                         {6, "1.3"},
                                         {6, "0.7"},
                                         {6, "0"}}));
  for (int y = kAy + 1; y < kAy + kH - 2; ++y) EXPECT_EQ(c.Pixel(kAx - 1, y), kWhite) << y;
  EXPECT_EQ(c.Pixel(kAx - 1, kAy), kBlack);
  EXPECT_EQ(c.Pixel(kAx - 1, kAy - 1), kBlack);  // the bottom tick, one row above the top
}

TEST(GraphAxes, AGraduationCountAboveTheHeightLabelsEveryLine) {
  TraceInputs in = AxesInputs(kDay, testing::kReference, 14, 37, true);
  in.graduations = 300;
  const RasterCanvas c = Axes(in);
  EXPECT_EQ(SpeedLabels(c).size(), 301u);
}

}  // namespace
}  // namespace kirv
