#include "chrono/stopwatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "fakes/fake_text_catalogue.h"

namespace kirv {
namespace {

const NumberFormat kComma{','};
const DateTime kStart{2026, 4, 20, 10, 0, 0, 0};

std::vector<std::string> Texts(const StopwatchFigures& f) {
  return {f.volume.in,  f.volume.out,  f.average.in,    f.average.out,
          f.highest.in, f.highest.out, f.projection.in, f.projection.out};
}

struct FiguresCase {
  const char* what;
  std::vector<std::int32_t> in;  // one speed per figures tick
  std::int32_t out;              // the sent speed of every tick
  int secondTicks;               // elapsed-time ticks before the figures ticks
  ProjectionSpan span;
  std::vector<std::string> texts;  // ti, tu, md, mu, vd, vu, pd, pu
};

class StopwatchFiguresTest : public ::testing::TestWithParam<FiguresCase> {};

TEST_P(StopwatchFiguresTest, WritesEachGroupInItsOwnOrTheCarriedUnit) {
  const FiguresCase& c = GetParam();
  Stopwatch stopwatch;
  stopwatch.Start(kStart);
  for (int i = 0; i < c.secondTicks; ++i) stopwatch.SecondTick(kStart);
  StopwatchFigures f;
  for (std::int32_t in : c.in) f = stopwatch.FiguresTick(in, c.out, c.span, kComma);
  EXPECT_EQ(Texts(f), c.texts) << c.what;
}

std::vector<std::int32_t> Repeat(std::int32_t speed, int ticks) {
  return std::vector<std::int32_t>(static_cast<std::size_t>(ticks), speed);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, StopwatchFiguresTest,
    ::testing::Values(FiguresCase{"800 octets stay in o",
                                  {800},
                                  0,
                                  0,
                                  ProjectionSpan::kHour,
                                  {"IN : 800o", "OUT : 0o", "IN : 800o", "OUT : 0o", "IN : 800o",
                                   "OUT : 0o", "IN : 2,74Mo", "OUT : 0Mo"}},
                      FiguresCase{"2,048 octets in Ko; the first average equals the volume",
                                  {2048},
                                  1000,
                                  0,
                                  ProjectionSpan::kHour,
                                  {"IN : 2Ko", "OUT : 0,97Ko", "IN : 2Ko/s", "OUT : 0,97Ko/s",
                                   "IN : 2Ko/s", "OUT : 0,97Ko/s", "IN : 7,03Mo", "OUT : 3,43Mo"}},
                      FiguresCase{
                          "an average of 300 keeps the volume's Ko without /s",
                          {3000},
                          100,
                          9,
                          ProjectionSpan::kHour,
                          {"IN : 2,92Ko", "OUT : 0,09Ko", "IN : 0,29Ko", "OUT : 0Ko",
                           "IN : 2,92Ko/s", "OUT : 0,09Ko/s", "IN : 1,02Mo", "OUT : 0,03Mo"}},
                      FiguresCase{"5,000,000 octets over 10 seconds",
                                  {5000000},
                                  0,
                                  9,
                                  ProjectionSpan::kHour,
                                  {"IN : 4,76Mo", "OUT : 0Mo", "IN : 488,28Ko/s", "OUT : 0Ko/s",
                                   "IN : 4,76Mo/s", "OUT : 0Mo/s", "IN : 1,67Go", "OUT : 0Go"}},
                      FiguresCase{"an average above a mega reads Mo/S; a small highest keeps it",
                                  Repeat(1000, 1100),
                                  0,
                                  0,
                                  ProjectionSpan::kDay,
                                  {"IN : 1,04Mo", "OUT : 0Mo", "IN : 1,04Mo/S", "OUT : 0Mo/S",
                                   "IN : 0Mo/S", "OUT : 0Mo/S", "IN : 88,51Go", "OUT : 0Go"}},
                      FiguresCase{"a volume above a giga reads Go",
                                  {2000000000, 2000000000},
                                  0,
                                  1,
                                  ProjectionSpan::kHour,
                                  {"IN : 3,72Go", "OUT : 0Go", "IN : 1,86Go/s", "OUT : 0Go/s",
                                   "IN : 1,86Go/s", "OUT : 0Go/s", "IN : 6705,52Go", "OUT : 0Go"}},
                      FiguresCase{"a small projection keeps the highest speed's Ko/s",
                                  {2048},
                                  0,
                                  9999,
                                  ProjectionSpan::kHour,
                                  {"IN : 2Ko", "OUT : 0Ko", "IN : 0Ko", "OUT : 0Ko", "IN : 2Ko/s",
                                   "OUT : 0Ko/s", "IN : 0,72Ko/s", "OUT : 0Ko/s"}},
                      FiguresCase{"the highest speed is the greatest sample, not the last",
                                  {5000, 2000},
                                  0,
                                  1,
                                  ProjectionSpan::kHour,
                                  {"IN : 6,83Ko", "OUT : 0Ko", "IN : 3,41Ko/s", "OUT : 0Ko/s",
                                   "IN : 4,88Ko/s", "OUT : 0Ko/s", "IN : 12,01Mo", "OUT : 0Mo"}},
                      FiguresCase{"a day's projection is 24 hours'",
                                  {1000},
                                  0,
                                  0,
                                  ProjectionSpan::kDay,
                                  {"IN : 1000o", "OUT : 0o", "IN : 1000o", "OUT : 0o", "IN : 1000o",
                                   "OUT : 0o", "IN : 82,39Mo", "OUT : 0Mo"}}),
    [](const ::testing::TestParamInfo<FiguresCase>& info) {
      return ::kirv::testing::CaseName({info.param.what});
    });

TEST(Stopwatch, TheSecondsCountStartsAtOneAndCountsTheElapsedTicks) {
  Stopwatch stopwatch;
  EXPECT_EQ(stopwatch.SecondsCount(), 1);
  stopwatch.Start(kStart);
  EXPECT_EQ(stopwatch.SecondsCount(), 1);
  stopwatch.SecondTick(kStart);
  stopwatch.SecondTick(kStart);
  EXPECT_EQ(stopwatch.SecondsCount(), 3);
}

TEST(Stopwatch, StartResetsTheCountTotalsAndHighestSpeeds) {
  Stopwatch stopwatch;
  stopwatch.Start(kStart);
  stopwatch.SecondTick(kStart);
  stopwatch.FiguresTick(5000000, 5000000, ProjectionSpan::kHour, kComma);
  stopwatch.Start(kStart);
  EXPECT_EQ(stopwatch.SecondsCount(), 1);
  const StopwatchFigures f = stopwatch.FiguresTick(0, 0, ProjectionSpan::kHour, kComma);
  EXPECT_EQ(Texts(f), (std::vector<std::string>{"IN : 0o", "OUT : 0o", "IN : 0o", "OUT : 0o",
                                                "IN : 0o", "OUT : 0o", "IN : 0o", "OUT : 0o"}));
}

struct SwitchCase {
  int secondTicks;  // the seconds count is one more
  ProjectionSpan span;
  bool switchToDay;
};

class StopwatchSwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(StopwatchSwitchTest, SwitchesToTheDayPastOneHourOnTheHour) {
  const SwitchCase& c = GetParam();
  Stopwatch stopwatch;
  stopwatch.Start(kStart);
  for (int i = 0; i < c.secondTicks; ++i) stopwatch.SecondTick(kStart);
  EXPECT_EQ(stopwatch.FiguresTick(0, 0, c.span, kComma).switchToDay, c.switchToDay);
}

INSTANTIATE_TEST_SUITE_P(Counts, StopwatchSwitchTest,
                         ::testing::Values(SwitchCase{0, ProjectionSpan::kHour, false},
                                           SwitchCase{3599, ProjectionSpan::kHour, false},
                                           SwitchCase{3600, ProjectionSpan::kHour, true},
                                           SwitchCase{3600, ProjectionSpan::kDay, false}),
                         [](const ::testing::TestParamInfo<SwitchCase>& info) {
                           return ::kirv::testing::CaseName(
                               {std::to_string(info.param.secondTicks), "Ticks",
                                info.param.span == ProjectionSpan::kHour ? "Hour" : "Day"});
                         });

TEST(Stopwatch, TheSwitchingTickStillProjectsOverAnHour) {
  Stopwatch stopwatch;
  stopwatch.Start(kStart);
  for (int i = 0; i < 3600; ++i) stopwatch.SecondTick(kStart);
  // 3,601,000 octets over 3,601 seconds: 1,000 a second, 3,600,000 an hour.
  const StopwatchFigures f =
      stopwatch.FiguresTick(3601000, 0, ProjectionSpan::kHour, NumberFormat{'.'});
  EXPECT_TRUE(f.switchToDay);
  EXPECT_EQ(f.projection.in, "IN : 3.43Mo");
}

struct ElapsedCase {
  DateTime now;
  const char* h;
  const char* m;
  const char* s;
};

class StopwatchElapsedTest : public ::testing::TestWithParam<ElapsedCase> {};

TEST_P(StopwatchElapsedTest, ShowsTheTimeSinceTheStartWrappingAfter24Hours) {
  const ElapsedCase& c = GetParam();
  Stopwatch stopwatch;
  stopwatch.Start(kStart);
  const ElapsedTexts t = stopwatch.SecondTick(c.now);
  EXPECT_EQ(t.h, c.h);
  EXPECT_EQ(t.m, c.m);
  EXPECT_EQ(t.s, c.s);
  EXPECT_EQ(t.cs, "0");
}

INSTANTIATE_TEST_SUITE_P(
    Times, StopwatchElapsedTest,
    ::testing::Values(ElapsedCase{{2026, 4, 20, 10, 0, 1, 999}, "00", "00", "01"},
                      ElapsedCase{{2026, 4, 20, 11, 2, 3, 400}, "01", "02", "03"},
                      ElapsedCase{{2026, 4, 20, 20, 10, 59}, "10", "10", "59"},
                      ElapsedCase{{2026, 4, 21, 9, 59, 59}, "23", "59", "59"},
                      ElapsedCase{{2026, 4, 21, 10, 0, 5}, "00", "00", "05"},
                      ElapsedCase{{2026, 4, 22, 11, 0, 0}, "01", "00", "00"},
                      ElapsedCase{{2026, 4, 20, 9, 0, 0}, "00", "00", "00"}),  // clock set back
    [](const ::testing::TestParamInfo<ElapsedCase>& info) {
      return ::kirv::testing::CaseName(
          {::kirv::FormatDateTime(info.param.now, "yyyy-mm-dd hh:nn:ss zzz")});
    });

// The captions and every unit of the four groups come from the catalogue, the carried one too.
const testing::FakeTextCatalogue kEnglish({{"IN : ", "IN: "},
                                           {"OUT : ", "OUT: "},
                                           {"o", "B"},
                                           {"Mo", "MB"},
                                           {"Mo/S", "MB/s"},
                                           {"Mo/s", "MB/s"},
                                           {"Go", "GB"}});

struct LanguageCase {
  const char* magnitude;
  std::int32_t in;
  std::vector<std::string> shown;  // ti, tu, md, mu, vd, vu, pd, pu
};

class StopwatchLanguageTest : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(StopwatchLanguageTest, WritesItsCaptionsAndUnitsInEnglish) {
  const LanguageCase& c = GetParam();
  Stopwatch stopwatch;
  stopwatch.Start(kStart);
  EXPECT_EQ(Texts(stopwatch.FiguresTick(c.in, 100, ProjectionSpan::kHour, {',', &kEnglish})),
            c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Magnitudes, StopwatchLanguageTest,
    ::testing::Values(LanguageCase{"Mega",
                                   2000000,
                                   {"IN: 1,9MB", "OUT: 0MB", "IN: 1,9MB/s", "OUT: 0MB/s",
                                    "IN: 1,9MB/s", "OUT: 0MB/s", "IN: 6,7GB", "OUT: 0GB"}},
                      LanguageCase{"Octets",
                                   500,
                                   {"IN: 500B", "OUT: 100B", "IN: 500B", "OUT: 100B", "IN: 500B",
                                    "OUT: 100B", "IN: 1,71MB", "OUT: 0,34MB"}}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) {
      return std::string(info.param.magnitude);
    });

TEST(Stopwatch, TheElapsedTimeRunsAcrossMidnight) {
  Stopwatch stopwatch;
  stopwatch.Start({2026, 4, 30, 23, 59, 0});
  const ElapsedTexts t = stopwatch.SecondTick({2026, 5, 1, 0, 1, 30});
  EXPECT_EQ(t.h + ":" + t.m + ":" + t.s, "00:02:30");
}

TEST(Stopwatch, TenthsCountOneToNineThenZeroAndRestartEverySecond) {
  Stopwatch stopwatch;
  stopwatch.Start(kStart);
  std::string tenths;
  for (int i = 0; i < 12; ++i) tenths += stopwatch.TenthTick();
  EXPECT_EQ(tenths, "123456789012");
  stopwatch.SecondTick(kStart);
  EXPECT_EQ(stopwatch.TenthTick(), "1");
  stopwatch.TenthTick();
  stopwatch.Start(kStart);
  EXPECT_EQ(stopwatch.TenthTick(), "1");
}

}  // namespace
}  // namespace kirv
