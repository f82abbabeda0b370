#include "meter/mini_graph.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "case_name.h"
#include "support/raster_canvas.h"

namespace kirv {
namespace {

// The meter window as created: graph area 345 × 135, overlay 409 × 135.
constexpr int kW = 345;
constexpr int kH = 135;
constexpr int kLeft = kGraphAreaLeft;
constexpr std::int32_t kHidden = -65536;  // a send speed whose line lies below the bottom
constexpr std::int32_t kTop = std::numeric_limits<std::int32_t>::max();

MiniGraphInput Input(int width = kW, int height = kH) {
  MiniGraphInput in;
  in.fullScale = 65536;
  in.bits = false;
  in.width = width;
  in.height = height;
  in.pixelsPerOctet = static_cast<float>(height) / 65536.0f;
  return in;
}

// Every record of the history alike.
SpeedHistory Constant(SpeedRecord r) {
  SpeedHistory h;
  for (int i = 0; i < SpeedHistory::kSize; ++i) {
    h.Shift();
    h.Newest() = r;
  }
  return h;
}

// Records given newest first, after older ones all alike.
SpeedHistory NewestFirst(const std::vector<SpeedRecord>& records, SpeedRecord older = {}) {
  SpeedHistory h = Constant(older);
  for (auto r = records.rbegin(); r != records.rend(); ++r) {
    h.Shift();
    h.Newest() = *r;
  }
  return h;
}

RasterCanvas Overlay(const MiniGraphInput& in) {
  RasterCanvas c(in.width + kOverlayExtraWidth, in.height);
  DrawOverlay(c, in);
  return c;
}

RasterCanvas Graph(const MiniGraphInput& in) {
  RasterCanvas c(in.width, in.height);
  DrawGraph(c, in);
  return c;
}

void ExpectPixels(const RasterCanvas& c, const std::function<Colour(int x, int y)>& expected) {
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      ASSERT_EQ(c.Pixel(x, y), expected(x, y)) << "at " << x << "," << y;
    }
  }
}

std::vector<std::string> TextsOf(const RasterCanvas& c) {
  std::vector<std::string> texts;
  for (const auto& t : c.Texts()) texts.push_back(t.text);
  return texts;
}

// --- Overlay ---

struct LabelCase {
  const char* name;
  bool bits;
  int fullScale;
  int graduations;
  char separator;
  int step;
  std::vector<std::string> labels;
};

class OverlayLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(OverlayLabels, CountDownFromTheFullScaleRightAlignedHalfALineBelowEachGraduation) {
  const LabelCase& p = GetParam();
  MiniGraphInput in = Input();
  in.bits = p.bits;
  in.fullScale = p.fullScale;
  in.graduations = p.graduations;
  in.format.decimalSeparator = p.separator;
  const RasterCanvas c = Overlay(in);
  EXPECT_EQ(TextsOf(c), p.labels);
  for (std::size_t i = 0; i < p.labels.size(); ++i) {
    const int width = RasterCanvas::kCharWidth * static_cast<int>(p.labels[i].size());
    const int y = static_cast<int>(i) * p.step + RasterCanvas::kTextHeight / 2;
    EXPECT_EQ(c.TextsAt(kLeft - width - 1, y), std::vector<std::string>{p.labels[i]}) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    MiniGraph, OverlayLabels,
    ::testing::Values(
        LabelCase{"Octets64K", false, 65536, 4, '.', 33, {"64 K", "48 K", "32 K", "16 K"}},
        LabelCase{"Bits512K", true, 65536, 4, '.', 33, {"512 K", "384 K", "256 K", "128 K"}},
        LabelCase{"BitsMega", true, 200000, 4, '.', 33, {"1.5 M", "1.2 M", "0.8 M", "0.4 M"}},
        LabelCase{"OctetsMegaDecimalComma",
                  false,
                  1310720,
                  4,
                  ',',
                  33,
                  {"1,2 M", "0,9 M", "0,6 M", "0,3 M"}},
        LabelCase{
            "EachCutToOneDecimal", false, 100000, 3, '.', 44, {"97.6 K", "65.1 K", "32.5 K"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MiniGraphOverlay, LabelsEveryNthGraduationWhenTheGraphIsLowerThanALine) {
  MiniGraphInput in = Input(kW, 5);
  in.graduations = 6;
  const RasterCanvas c = Overlay(in);
  EXPECT_EQ(LayOutOverlay(c, in).labelSpacing, 3);                        // ceil(13 ÷ 5)
  EXPECT_EQ(TextsOf(c), (std::vector<std::string>{"42.7 K", "10.7 K"}));  // graduations 2 and 5
}

struct UnitCase {
  bool bits;
  int fullScale;
  const char* unit;
  double divisor;
};

class OverlayUnit : public ::testing::TestWithParam<UnitCase> {};

TEST_P(OverlayUnit, IsMegaOnlyAboveOneMebiInTheChosenUnit) {
  const UnitCase& p = GetParam();
  MiniGraphInput in = Input();
  in.bits = p.bits;
  in.fullScale = p.fullScale;
  const OverlayLayout layout = LayOutOverlay(RasterCanvas(1, 1), in);
  EXPECT_EQ(layout.unitText, p.unit);
  EXPECT_EQ(layout.divisor, p.divisor);
}

INSTANTIATE_TEST_SUITE_P(
    MiniGraph, OverlayUnit,
    ::testing::Values(UnitCase{false, 1025, " K", 1024}, UnitCase{false, 1048576, " K", 1024},
                      UnitCase{false, 1048577, " M", 1048576}, UnitCase{true, 131072, " K", 1024},
                      UnitCase{true, 131073, " M", 1048576}, UnitCase{true, 200000, " M", 1048576}),
    [](const ::testing::TestParamInfo<UnitCase>& info) {
      return ::kirv::testing::CaseName(
          {std::to_string(info.param.fullScale), info.param.bits ? "Bits" : "Octets"});
    });

TEST(MiniGraphOverlay, PixelsPerOctetIsTheHeightOverTheFullScaleInSinglePrecision) {
  MiniGraphInput in = Input();
  in.fullScale = 200000;
  const OverlayLayout layout = LayOutOverlay(RasterCanvas(1, 1), in);
  EXPECT_EQ(layout.pixelsPerOctet, static_cast<float>(135.0L / 200000));
  EXPECT_EQ(layout.step, 33);  // trunc(50000 × s)
}

TEST(MiniGraphOverlay, FramePixelsRunAlongTheTopAndBothSidesWithTheBottomJustOutOfSight) {
  MiniGraphInput in = Input();
  in.graduations = 0;
  in.verticalSpacing = 3600;  // no vertical graduation fits
  const int right = kLeft + kW - 1;
  ExpectPixels(Overlay(in), [&](int x, int y) {
    const bool top = y == 0 && x >= kLeft + 1 && x <= right;
    const bool side = x == kLeft + 1 || x == right;
    const bool bottomTick = y == kH - 1 && x >= kLeft - 1 && x <= kLeft + 2;
    return top || side || bottomTick ? kBlack : kWhite;
  });
}

TEST(MiniGraphOverlay, WithoutHorizontalGraduationsKeepsFrameBottomTickAndVerticalLines) {
  MiniGraphInput in = Input();
  in.graduations = 0;
  const RasterCanvas c = Overlay(in);
  EXPECT_TRUE(c.Texts().empty());
  for (int y = 0; y < kH; ++y) {
    EXPECT_EQ(c.Pixel(kLeft - 1, y), y == kH - 1 ? kBlack : kWhite) << y;
  }
  EXPECT_EQ(c.Pixel(kLeft + 1, 0), kBlack);
  EXPECT_EQ(c.Pixel(kLeft + kW - 30, 1), kBlack);
}

TEST(MiniGraphOverlay, AGraduationIsATickLeftOfTheAreaThenADotEveryOtherColumn) {
  MiniGraphInput in = Input();
  in.verticalSpacing = 3600;
  const RasterCanvas c = Overlay(in);
  const int y = 33;  // graduation 1
  for (int x = 0; x < c.Width(); ++x) {
    const bool tick = x >= kLeft - 1 && x <= kLeft + 2;
    const bool dot = x >= kLeft + 2 && x <= kLeft + kW && x % 2 == 0;
    EXPECT_EQ(c.Pixel(x, y), tick || dot ? kBlack : kWhite) << x;
  }
  EXPECT_EQ(c.Pixel(kLeft + 2, y + 1), kWhite);
}

struct VerticalCase {
  int seconds;
  int first;   // columns back from the right edge of the area
  int stride;  // columns between lines
};

class OverlayVerticalGraduations : public ::testing::TestWithParam<VerticalCase> {};

TEST_P(OverlayVerticalGraduations, MarkEveryChosenNumberOfColumnsBackFromTheNewest) {
  const VerticalCase& p = GetParam();
  MiniGraphInput in = Input();
  in.graduations = 0;
  in.verticalSpacing = p.seconds;
  const RasterCanvas c = Overlay(in);
  std::vector<int> expected;
  for (int back = p.first; back <= kW - 2; back += p.stride) expected.push_back(back);
  std::vector<int> found;
  for (int back = 2; back <= kW - 2; ++back) {  // between the frame's two sides
    const int x = kLeft + kW - back;
    if (c.Pixel(x, 1) == kBlack) found.push_back(back);
    EXPECT_EQ(c.Pixel(x, 2), kWhite) << "dots on odd rows only, " << back;
  }
  EXPECT_EQ(found, expected);
}

INSTANTIATE_TEST_SUITE_P(
    MiniGraph, OverlayVerticalGraduations,
    ::testing::Values(VerticalCase{30, 30, 30}, VerticalCase{7, 7, 7}, VerticalCase{1, 2, 1},
                      VerticalCase{3600, 9999, 1}),
    [](const ::testing::TestParamInfo<VerticalCase>& info) {
      return ::kirv::testing::CaseName({"Every", std::to_string(info.param.seconds), "Seconds"});
    });

TEST(MiniGraphOverlay, BringsSettingsOutsideTheControlsBoundsWithinThem) {
  MiniGraphInput in = Input();
  in.fullScale = 0;
  in.graduations = 5000;
  in.verticalSpacing = 0;
  const RasterCanvas c = Overlay(in);
  EXPECT_EQ(LayOutOverlay(c, in).pixelsPerOctet, static_cast<float>(135.0L / 1025));
  EXPECT_EQ(c.Texts().size(), 999u);
  EXPECT_EQ(c.Texts().front().text, "1 K");
  in.graduations = -3;
  EXPECT_TRUE(Overlay(in).Texts().empty());
}

// --- Graph area ---

struct ReceiveCase {
  const char* name;
  std::int32_t in1;
  std::int32_t in2;
  int lowRow;   // overlap colour below it
  int highRow;  // higher colour from lowRow up to above it; -1: beyond the top
  Colour higher;
};

class ReceiveColumns : public ::testing::TestWithParam<ReceiveCase> {};

TEST_P(ReceiveColumns, StackOverlapThenTheHigherGroupThenTheBackground) {
  const ReceiveCase& p = GetParam();
  const SpeedHistory history = Constant({p.in1, kHidden, p.in2, kHidden});
  MiniGraphInput in = Input();
  in.history = &history;
  ExpectPixels(Graph(in), [&](int x, int y) {
    if (x == 0 || x == kW - 1) return kWhite;
    if (y > p.lowRow) return in.colours.overlap;
    if (y > p.highRow) return p.higher;
    return y > 0 ? kColumnBackground : kWhite;
  });
}

INSTANTIATE_TEST_SUITE_P(
    MiniGraph, ReceiveColumns,
    ::testing::Values(
        // s = 135 ÷ 65536: 16384 rises to row 101, 32768 to row 67.
        ReceiveCase{"FirstHigher", 32768, 16384, 101, 67, MiniGraphColours{}.receive1},
        ReceiveCase{"SecondHigher", 16384, 32768, 101, 67, MiniGraphColours{}.receive2},
        ReceiveCase{"EqualAllOverlap", 16384, 16384, 101, 101, 0},
        ReceiveCase{"AboveFullScaleCutAtTheTop", kTop, 0, kH, -1, MiniGraphColours{}.receive1},
        ReceiveCase{"BothAboveFullScale", kTop, kTop, -1, -1, 0},
        ReceiveCase{"NegativeBelowTheBottom", -1000, -1000, 137, 137, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct SendCase {
  const char* name;
  SpeedRecord record;
  Colour send1;
  Colour send2;
  Colour drawn;
};

class SendLines : public ::testing::TestWithParam<SendCase> {};

TEST_P(SendLines, AreTwoPixelsThickAndRiseFromTheBottomRightCorner) {
  const SendCase& p = GetParam();
  const SpeedHistory history = Constant(p.record);
  MiniGraphInput in = Input();
  in.history = &history;
  in.colours.send1 = p.send1;
  in.colours.send2 = p.send2;
  // 16384 octets per second: rows trunc(101.25 - 1) and trunc(101.25); the last point's second
  // row, in column 1, is the line's end point and is left out.
  ExpectPixels(Graph(in), [&](int x, int y) {
    if (x == 0 || x == kW - 1) return kWhite;
    if (y == 100 || (y == 101 && x > 1) || (x == kW - 2 && y > 101)) return p.drawn;
    return y > 0 ? kColumnBackground : kWhite;
  });
}

INSTANTIATE_TEST_SUITE_P(
    MiniGraph, SendLines,
    ::testing::Values(
        SendCase{"Group1", {0, 16384, 0, kHidden}, 0xFF0000, 0xFF00FF, 0xFF0000},
        SendCase{"Group2", {0, kHidden, 0, 16384}, 0xFF0000, 0xFF00FF, 0xFF00FF},
        SendCase{"Group2DrawnOverGroup1", {0, 16384, 0, 16384}, 0xFF0000, 0xFF00FF, 0xFF00FF},
        SendCase{"BlackForAColourTextThatIsNotHex",
                 {0, 16384, 0, kHidden},
                 ColourFromText("rose"),
                 0xFF00FF,
                 kBlack}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MiniGraph, ASendLineFallingOneColumnStepsDownHalfwayInEachColumn) {
  // Newest 32768 (rows 66 and 67), then nothing (rows 134 and 135).
  const SpeedHistory history = NewestFirst({{0, 32768, 0, kHidden}}, {0, 0, 0, kHidden});
  MiniGraphInput in = Input();
  in.history = &history;
  const RasterCanvas c = Graph(in);
  const Colour send = in.colours.send1;
  for (int y = 1; y < kH; ++y) {
    EXPECT_EQ(c.Pixel(kW - 2, y), y >= 66 ? send : kColumnBackground) << y;
    EXPECT_EQ(c.Pixel(kW - 3, y), y >= 101 ? send : kColumnBackground) << y;
    EXPECT_EQ(c.Pixel(kW - 4, y), y == 134 ? send : kColumnBackground) << y;
  }
}

struct TopCase {
  std::int32_t in1;
  int topRow;  // highest row in the graph 1 receive colour
};

class ReceiveColumnTop : public ::testing::TestWithParam<TopCase> {};

TEST_P(ReceiveColumnTop, IsTheRowOfTheSpeedTruncatedTowardsZero) {
  const SpeedHistory history = Constant({GetParam().in1, kHidden, 0, kHidden});
  MiniGraphInput in = Input();
  in.history = &history;
  const RasterCanvas c = Graph(in);
  for (int y = 0; y < kH; ++y) {
    EXPECT_EQ(c.Pixel(kW / 2, y), y >= GetParam().topRow ? in.colours.receive1
                                  : y > 0                ? kColumnBackground
                                                         : kWhite)
        << y;
  }
}

// One pixel is 65536 ÷ 135 = 485.45 octets per second.
INSTANTIATE_TEST_SUITE_P(
    MiniGraph, ReceiveColumnTop,
    ::testing::Values(TopCase{485, kH},     // 134.0009: not a row
                      TopCase{486, 134},    // 133.9989
                      TopCase{16384, 102},  // 101.25
                      TopCase{65535, 1},    // 0.002
                      TopCase{65536, 1},    // exactly 0
                      TopCase{66021, 1},    // -0.999 truncates to 0
                      TopCase{66022, 0}),   // -1.001: through the top  // -1.001: through the top
    [](const ::testing::TestParamInfo<TopCase>& info) {
      return ::kirv::testing::CaseName({"Receiving", std::to_string(info.param.in1)});
    });

TEST(MiniGraph, RedrawingOverAnOldPictureLeavesNothingOfIt) {
  const SpeedHistory busy = Constant({kTop, kTop, kTop, kTop});
  const SpeedHistory quiet = Constant({100, 200, 300, 400});
  for (const int w : {40, 1100}) {
    MiniGraphInput in = Input(w, 30);
    in.history = &busy;
    RasterCanvas reused(w, 30, 0x123456);
    DrawGraph(reused, in);
    in.history = &quiet;
    DrawGraph(reused, in);
    const RasterCanvas fresh = Graph(in);
    ExpectPixels(reused, [&](int x, int y) { return fresh.Pixel(x, y); });
  }
}

TEST(MiniGraph, TheAverageLineIsInTheComplementOfTheGraph1ReceiveColour) {
  const SpeedHistory history = Constant({1000, kHidden, 0, kHidden});
  MiniGraphInput in = Input();
  in.history = &history;
  in.average = AverageSeries::In1;
  const RasterCanvas c = Graph(in);
  const int y = 132;  // trunc(135 - 1000 × s)
  for (int x = 2; x <= kW - 2; ++x) EXPECT_EQ(c.Pixel(x, y), 0xFF33FFu) << x;
  EXPECT_EQ(c.Pixel(1, y), kColumnBackground);  // the first row above the columns
  EXPECT_EQ(c.Pixel(kW - 1, y), kWhite);
  EXPECT_EQ(c.Pixel(2, y - 1), kColumnBackground);
  EXPECT_EQ(c.Pixel(2, y + 1), in.colours.receive1);
}

TEST(MiniGraph, WithoutAnAverageSeriesNoPixelHasTheComplementColour) {
  const SpeedHistory history = Constant({1000, kHidden, 0, kHidden});
  MiniGraphInput in = Input();
  in.history = &history;
  in.average = AverageSeries::None;
  ExpectPixels(Graph(in), [&](int x, int y) {
    if (x == 0 || x == kW - 1 || y == 0) return kWhite;
    return y > 132 ? in.colours.receive1 : kColumnBackground;
  });
}

TEST(MiniGraph, TheSendAverageIsTheMeanOfTheDrawnRecordsOnly) {
  std::vector<SpeedRecord> records;
  for (int k = 0; k < 10; ++k) records.push_back({0, 1000 * k, 0, kHidden});
  records.push_back({0, 2'000'000'000, 0, kHidden});  // record 10: not drawn, not counted
  const SpeedHistory history = NewestFirst(records, {0, 0, 0, kHidden});
  MiniGraphInput in = Input(12);
  in.history = &history;
  in.average = AverageSeries::Out1;
  const RasterCanvas c = Graph(in);
  const int y = 125;  // mean 4500: trunc(135 - 4500 × s)
  for (int x = 2; x <= 10; ++x) EXPECT_EQ(c.Pixel(x, y), 0xFF33FFu) << x;
  for (int x = 0; x < 12; ++x) EXPECT_NE(c.Pixel(x, y - 1), 0xFF33FFu) << x;
}

TEST(MiniGraph, AWideAreaDrawsTheWholeHistoryAndAveragesOverItAlone) {
  const SpeedHistory history = Constant({1000, kHidden, 0, kHidden});
  MiniGraphInput in = Input(1100);
  in.history = &history;
  in.average = AverageSeries::In1;
  const RasterCanvas c = Graph(in);
  const int oldest = 1100 - 2 - (SpeedHistory::kSize - 1);
  EXPECT_EQ(c.Pixel(oldest, 100), kColumnBackground);
  EXPECT_EQ(c.Pixel(oldest - 1, 100), kWhite);
  EXPECT_EQ(c.Pixel(oldest - 1, 133), kWhite);
  EXPECT_EQ(c.Pixel(oldest + 5, 132), 0xFF33FFu);  // over 1024 records, not 1098
}

TEST(MiniGraph, ANullHistoryDrawsAsOneWithoutTraffic) {
  const SpeedHistory quiet;
  MiniGraphInput in = Input(40, 20);
  in.average = AverageSeries::In1;
  const RasterCanvas fromNull = Graph(in);
  in.history = &quiet;
  const RasterCanvas fromQuiet = Graph(in);
  ExpectPixels(fromNull, [&](int x, int y) { return fromQuiet.Pixel(x, y); });
  EXPECT_EQ(fromNull.Pixel(5, 19), in.colours.send2);  // both idle lines on the bottom row
}

TEST(MiniGraph, AnAreaTooNarrowForAColumnStaysWhite) {
  const SpeedHistory history = Constant({1000, 1000, 1000, 1000});
  for (int w = 0; w <= 2; ++w) {
    MiniGraphInput in = Input(w);
    in.history = &history;
    in.average = AverageSeries::In1;
    ExpectPixels(Graph(in), [](int, int) { return kWhite; });
  }
}

}  // namespace
}  // namespace kirv
