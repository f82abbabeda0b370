#include "sampling/rate_sampler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "case_name.h"
#include "fakes/fake_services.h"

namespace kirv {

void PrintTo(const SpeedRecord& r, std::ostream* os) {
  *os << "{" << r.In1 << ", " << r.Out1 << ", " << r.In2 << ", " << r.Out2 << "}";
}

namespace {

constexpr std::uint64_t kBase = 123456789;  // counters never start at zero on a live system

// A sampler over scripted rows "eth0", "eth1"..., under a decimal comma, as the meter window
// would drive it: the hidden cbI list has no selection.
struct Rig {
  explicit Rig(int rows = 1) {
    for (int i = 0; i < rows; ++i) {
      table.Add("eth" + std::to_string(i), kBase, kBase);
      names.push_back(table.rows.back().name);
    }
    input.names = names;
    input.lb1Checked.assign(static_cast<std::size_t>(rows), false);
    input.lb2Checked.assign(static_cast<std::size_t>(rows), false);
    input.numberFormat.decimalSeparator = ',';
  }

  void Graph1(int position) { input.lb1Checked[static_cast<std::size_t>(position)] = true; }
  void Graph2(int position) { input.lb2Checked[static_cast<std::size_t>(position)] = true; }
  void Grow(int row, std::uint64_t in, std::uint64_t out) {
    table.rows[static_cast<std::size_t>(row)].inOctets += in;
    table.rows[static_cast<std::size_t>(row)].outOctets += out;
  }
  TickResult Tick() { return sampler.Tick(input); }
  // The first tick only records; this one and every later tick measure.
  TickResult Prime() { return Tick(); }
  const SpeedRecord& Newest() const { return sampler.History()[0]; }

  testing::FakeInterfaceTable table;
  RateSampler sampler{table};
  std::vector<std::string> names;  // the lists' entries
  TickInput input;
};

// --- The figures of the speed text ---

struct FigureCase {
  const char* what;
  SpeedUnit unit;
  int period;
  std::uint64_t growthIn;
  std::uint64_t growthOut;
  std::string text;
  std::int32_t receive;  // R, octets per second
};

void PrintTo(const FigureCase& c, std::ostream* os) { *os << c.what; }

class SpeedFigures : public ::testing::TestWithParam<FigureCase> {};

TEST_P(SpeedFigures, AreTheGrowthOverTheNominalPeriodInKiloCutToTwoDecimals) {
  const FigureCase& c = GetParam();
  Rig rig;
  rig.Graph1(0);
  rig.input.unit = c.unit;
  rig.input.period = c.period;
  rig.input.stopwatchRunning = true;
  rig.Prime();
  rig.Grow(0, c.growthIn, c.growthOut);
  const TickResult result = rig.Tick();
  EXPECT_TRUE(result.textSet);
  EXPECT_EQ(rig.sampler.MeterText(), c.text);
  EXPECT_EQ(result.currentIn, c.receive);
  EXPECT_EQ(rig.Newest().In1, c.receive);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpeedFigures,
    ::testing::Values(
        FigureCase{"OctetsAtOneSecond", SpeedUnit::kOctets, 20, 150000, 0,
                   "DL : 146,48ko/s  UL : 0ko/s", 150000},
        FigureCase{"BitsAtOneSecond", SpeedUnit::kBits, 20, 150000, 0,
                   "DL : 1171,87kbps  UL : 0kbps", 150000},
        FigureCase{"HalfSecondDoubles", SpeedUnit::kOctets, 10, 1000, 0,
                   "DL : 1,95ko/s  UL : 0ko/s", 2000},
        FigureCase{"FiftyMillisecondsTwentyTimes", SpeedUnit::kOctets, 1, 100, 512,
                   "DL : 1,95ko/s  UL : 10ko/s", 2000},
        FigureCase{"TwoSecondsHalves", SpeedUnit::kBits, 40, 3000, 1024,
                   "DL : 11,71kbps  UL : 4kbps", 1500},
        FigureCase{"SendFigureToo", SpeedUnit::kOctets, 20, 0, 2048, "DL : 0ko/s  UL : 2ko/s", 0},
        FigureCase{"BeyondThirtyTwoBitsPerTick", SpeedUnit::kOctets, 20, 3000000000, 0,
                   "DL : 2929687,5ko/s  UL : 0ko/s", std::numeric_limits<std::int32_t>::max()}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(SpeedText, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(SpeedText(150000, 1536, SpeedUnit::kOctets, NumberFormat{'.'}),
            "DL : 146.48ko/s  UL : 1.5ko/s");
}

// --- First tick, Primed and the history record 0 ---

TEST(RateSampler, StartsWithTheZeroTextAndUnprimed) {
  testing::FakeInterfaceTable table;
  const RateSampler sampler(table);
  EXPECT_EQ(sampler.MeterText(), "0ko/s  UL : 0ko/s");
  EXPECT_FALSE(sampler.Primed());
  EXPECT_EQ(sampler.LastPeriod(), 20);
  EXPECT_EQ(sampler.LastSelection(), 0);
}

TEST(RateSampler, FirstTickOnlyRecordsAndLeavesTheText) {
  Rig rig;
  rig.Graph1(0);
  rig.Grow(0, 500000, 500000);
  const TickResult result = rig.Tick();
  EXPECT_FALSE(result.textSet);
  EXPECT_EQ(rig.sampler.MeterText(), "0ko/s  UL : 0ko/s");
  EXPECT_EQ(rig.Newest(), SpeedRecord{});
  EXPECT_EQ(result.iconIndex, 0);
  EXPECT_TRUE(rig.sampler.Primed());
  EXPECT_EQ(rig.sampler.LastSelection(), -1);
  EXPECT_EQ(rig.sampler.LastPeriod(), 20);
}

TEST(RateSampler, SecondTickSetsTheTextEvenWithoutTraffic) {
  Rig rig;
  rig.Graph1(0);
  rig.Prime();
  EXPECT_TRUE(rig.Tick().textSet);
  EXPECT_EQ(rig.sampler.MeterText(), "DL : 0kbps  UL : 0kbps");
}

TEST(RateSampler, TakesOneSnapshotPerTickForAllPositions) {
  Rig rig(4);
  rig.Graph1(0);
  rig.Graph1(1);
  rig.Graph2(2);
  rig.Graph2(3);
  rig.Tick();
  rig.Tick();
  EXPECT_EQ(rig.table.snapshots, 2);
}

TEST(RateSampler, ClearedPrimedMakesTheNextTickRecordOnly) {
  Rig rig;
  rig.Graph1(0);
  rig.Prime();
  rig.Grow(0, 4000, 0);
  rig.Tick();
  rig.sampler.ClearPrimed();  // a click in lb1
  EXPECT_FALSE(rig.sampler.Primed());
  rig.Grow(0, 7000, 0);
  const TickResult result = rig.Tick();
  EXPECT_TRUE(result.textSet);
  EXPECT_EQ(rig.sampler.MeterText(), "DL : 0kbps  UL : 0kbps");
  EXPECT_EQ(rig.Newest(), SpeedRecord{});
  rig.Grow(0, 1000, 0);
  rig.Tick();
  EXPECT_EQ(rig.Newest().In1, 1000);  // measured from the recorded counters
}

TEST(RateSampler, FirstTickAfterAPeriodChangeZeroesGraphOneAndKeepsGraphTwo) {
  Rig rig(2);
  rig.Graph1(0);
  rig.Graph2(1);
  rig.Prime();
  rig.Grow(0, 100, 200);
  rig.Grow(1, 300, 400);
  rig.Tick();
  const SpeedRecord before{100, 200, 300, 400};
  ASSERT_EQ(rig.Newest(), before);

  rig.sampler.ClearPrimed();  // tbChange
  rig.input.period = 10;
  rig.Grow(0, 5000, 5000);
  rig.Grow(1, 5000, 5000);
  rig.Tick();
  EXPECT_EQ(rig.Newest(), (SpeedRecord{0, 0, 300, 400}));
  EXPECT_EQ(rig.sampler.History()[1], before);
  EXPECT_EQ(rig.sampler.LastPeriod(), 10);

  rig.Grow(0, 100, 0);
  rig.Grow(1, 0, 50);
  rig.Tick();
  EXPECT_EQ(rig.Newest(), (SpeedRecord{200, 0, 0, 100}));
}

TEST(RateSampler, NeverDifferencesCountersScaledByAnotherPeriod) {
  Rig rig;
  rig.Graph1(0);
  rig.Prime();
  rig.input.period = 1;  // moved without clearing Primed
  rig.Grow(0, 100, 0);
  rig.Tick();
  EXPECT_EQ(rig.sampler.MeterText(), "DL : 0kbps  UL : 0kbps");
  EXPECT_EQ(rig.Newest(), SpeedRecord{});
}

TEST(RateSampler, HistoryAgesByOneRecordPerTick) {
  Rig rig;
  rig.Graph1(0);
  rig.Prime();
  for (std::uint64_t growth : {10, 20, 30}) {
    rig.Grow(0, growth, 0);
    rig.Tick();
  }
  EXPECT_EQ(rig.sampler.History()[0].In1, 30);
  EXPECT_EQ(rig.sampler.History()[1].In1, 20);
  EXPECT_EQ(rig.sampler.History()[2].In1, 10);
  EXPECT_EQ(rig.sampler.History()[3].In1, 0);
}

// --- Groups ---

TEST(RateSampler, SumsEachGraphListIntoItsOwnSeriesAndBothIntoTheText) {
  Rig rig(3);
  rig.Graph1(0);
  rig.Graph1(2);
  rig.Graph2(1);
  rig.input.unit = SpeedUnit::kOctets;
  rig.Prime();
  rig.Grow(0, 1000, 10);
  rig.Grow(1, 2000, 20);
  rig.Grow(2, 4000, 40);
  rig.Tick();
  EXPECT_EQ(rig.Newest(), (SpeedRecord{5000, 50, 2000, 20}));
  EXPECT_EQ(rig.sampler.MeterText(), "DL : 6,83ko/s  UL : 0,06ko/s");  // 7000 and 70
}

TEST(RateSampler, AnInterfaceInNeitherListContributesNothingAndKeepsItsCounters) {
  Rig rig(2);
  rig.Graph1(0);
  rig.Graph1(1);
  rig.Prime();
  rig.input.lb1Checked[1] = false;
  rig.Grow(0, 100, 0);
  rig.Grow(1, 5000, 0);
  rig.Tick();
  EXPECT_EQ(rig.Newest().In1, 100);
  // Checked again with Primed left set: its counters are still those of the first tick.
  rig.input.lb1Checked[1] = true;
  rig.Grow(1, 1, 0);
  rig.Tick();
  EXPECT_EQ(rig.Newest().In1, 5001);
}

TEST(RateSampler, ManyMoreThanSixteenInterfacesAreAllSampled) {
  constexpr int kRows = 40;
  Rig rig(kRows);
  for (int i = 0; i < kRows; ++i) i % 2 == 0 ? rig.Graph1(i) : rig.Graph2(i);
  rig.input.stopwatchRunning = true;
  rig.Prime();
  for (int i = 0; i < kRows; ++i) rig.Grow(i, static_cast<std::uint64_t>(i + 1), 1);
  const TickResult result = rig.Tick();
  EXPECT_EQ(rig.Newest(), (SpeedRecord{400, 20, 420, 20}));  // 1+3+...+39, 2+4+...+40
  EXPECT_EQ(result.currentIn, 820);
  EXPECT_EQ(result.currentOut, 40);
}

// --- Positions that are not rows ---

TEST(RateSampler, AnEntryGoneFromTheTableCountsNothingAndPrimesAgainOnItsReturn) {
  Rig rig(3);
  rig.Graph1(0);
  rig.Graph1(2);
  rig.Prime();
  const InterfaceRow gone = rig.table.rows[2];
  rig.table.rows.pop_back();  // the table shrank since the lists were built
  rig.Grow(0, 100, 0);
  rig.Tick();
  EXPECT_EQ(rig.Newest().In1, 100);
  rig.table.rows.push_back(gone);
  rig.Grow(2, 300, 0);
  rig.Tick();
  EXPECT_EQ(rig.Newest().In1, 0);  // its counters are taken again, not differenced
  rig.Grow(2, 7, 0);
  rig.Tick();
  EXPECT_EQ(rig.Newest().In1, 7);
}

TEST(RateSampler, AFailedSnapshotCountsNothingAndTheNextOnePrimes) {
  Rig rig;
  rig.Graph1(0);
  rig.Prime();
  rig.table.result = 5;
  rig.Grow(0, 100, 0);
  rig.Tick();
  EXPECT_EQ(rig.Newest(), SpeedRecord{});
  rig.table.result = 0;
  rig.Grow(0, 1, 0);
  rig.Tick();
  EXPECT_EQ(rig.Newest(), SpeedRecord{});  // two periods' growth is no speed of one
  rig.Grow(0, 1, 0);
  rig.Tick();
  EXPECT_EQ(rig.Newest().In1, 1);
}

TEST(RateSampler, CheckListsShorterThanTheGeneralListCountUnchecked) {
  Rig rig(3);
  rig.input.lb1Checked = {true};
  rig.input.lb2Checked = {};
  rig.Prime();
  rig.Grow(0, 10, 0);
  rig.Grow(1, 20, 0);
  rig.Grow(2, 30, 0);
  rig.Tick();
  EXPECT_EQ(rig.Newest(), (SpeedRecord{10, 0, 0, 0}));
}

TEST(RateSampler, RowsBeyondTheGeneralListAreNotSampled) {
  Rig rig(2);
  rig.Graph1(0);
  rig.Graph1(1);
  rig.input.names = std::span(rig.names).first(1);
  rig.Prime();
  rig.Grow(0, 10, 0);
  rig.Grow(1, 20, 0);
  rig.Tick();
  EXPECT_EQ(rig.Newest().In1, 10);
}

// --- Interfaces known by name while the table changes ---

// One change of the table lo, a0, b0 (a0 in "Graphique 1", b0 in "Graphique 2"), the tick after
// it and the record that tick writes.
struct TableStep {
  std::function<void(testing::FakeInterfaceTable&)> change;
  SpeedRecord newest;
};

struct TableCase {
  const char* what;
  std::vector<TableStep> steps;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.what; }

void Grow(testing::FakeInterfaceTable& t, const std::string& name, std::uint64_t in,
          std::uint64_t out) {
  t.Row(name).inOctets += in;
  t.Row(name).outOctets += out;
}

class ChangingTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(ChangingTable, CountsEachEntryFromTheRowOfItsNameOnly) {
  testing::FakeInterfaceTable table;
  for (const char* name : {"lo", "a0", "b0"}) table.Add(name, kBase, kBase);
  const std::vector<std::string> names = {"lo", "a0", "b0"};
  TickInput input;
  input.names = names;
  input.lb1Checked = {false, true, false};
  input.lb2Checked = {false, false, true};
  RateSampler sampler(table);
  sampler.Tick(input);
  for (std::size_t i = 0; i < GetParam().steps.size(); ++i) {
    GetParam().steps[i].change(table);
    sampler.Tick(input);
    EXPECT_EQ(sampler.History()[0], GetParam().steps[i].newest) << "tick " << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangingTable,
    ::testing::Values(
        TableCase{"LowerLinkRemovedMovesTheNextOneUp",
                  {{[](auto& t) { Grow(t, "a0", 100, 10), Grow(t, "b0", 1000, 100); },
                    {100, 10, 1000, 100}},
                   {[](auto& t) { t.Remove("a0"), Grow(t, "b0", 2000, 200); }, {0, 0, 2000, 200}},
                   {[](auto& t) { Grow(t, "b0", 3, 4); }, {0, 0, 3, 4}}}},
        TableCase{"VanishedLinkReturnsWithItsCountersReset",
                  {{[](auto& t) { t.Remove("a0"), Grow(t, "b0", 50, 60); }, {0, 0, 50, 60}},
                   {[](auto& t) { t.Add("a0", 700, 800), Grow(t, "b0", 5, 6); }, {0, 0, 5, 6}},
                   {[](auto& t) { Grow(t, "a0", 100, 200); }, {100, 200, 0, 0}}}},
        TableCase{
            "LinkReplacedBetweenTwoTicksWithHigherCounters",
            {{[](auto& t) { t.Remove("a0"), t.Add("a0", 3 * kBase, 3 * kBase); }, {0, 0, 0, 0}},
             {[](auto& t) { Grow(t, "a0", 9, 8); }, {9, 8, 0, 0}}}},
        TableCase{"LinkMovedInAheadOfTheOthers",
                  {{[](auto& t) {
                      t.rows.insert(t.rows.begin() + 1, {kBase * 2, kBase * 2, "wg0", "wg0", 99});
                      Grow(t, "a0", 20, 30), Grow(t, "b0", 40, 50);
                    },
                    {20, 30, 40, 50}}}},
        TableCase{"FailedSnapshotThenTheTableAgain",
                  {{[](auto& t) { t.result = 5, Grow(t, "a0", 1, 1); }, {0, 0, 0, 0}},
                   {[](auto& t) { t.result = 0, Grow(t, "b0", 1, 1); }, {0, 0, 0, 0}},
                   {[](auto& t) { Grow(t, "a0", 3, 3), Grow(t, "b0", 4, 4); }, {3, 3, 4, 4}}}}),
    [](const auto& info) { return std::string(info.param.what); });

// --- Counter restarts and 64-bit counters ---

struct CounterCase {
  const char* what;
  std::vector<std::uint64_t> counters;  // receive counter at each tick
  std::vector<std::int32_t> speeds;     // In1 of the ticks after the first
  int period = 20;
};

void PrintTo(const CounterCase& c, std::ostream* os) { *os << c.what; }

class CounterSequence : public ::testing::TestWithParam<CounterCase> {};

TEST_P(CounterSequence, GivesTheScaledGrowthAndZeroWhenACounterFallsBack) {
  const CounterCase& c = GetParam();
  Rig rig;
  rig.Graph1(0);
  rig.input.period = c.period;
  std::vector<std::int32_t> speeds;
  for (std::size_t t = 0; t < c.counters.size(); ++t) {
    rig.table.rows[0].inOctets = c.counters[t];
    rig.Tick();
    if (t > 0) speeds.push_back(rig.Newest().In1);
  }
  EXPECT_EQ(speeds, c.speeds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CounterSequence,
    ::testing::Values(
        CounterCase{"Steady", {1000, 2000, 3500}, {1000, 1500}},
        CounterCase{"RestartCountsZeroThenMeasuresFromTheNewValue",
                    {1000000, 1100000, 500, 1500},
                    {100000, 0, 1000}},
        CounterCase{"FallBackToZero", {4096, 0, 0, 10}, {0, 0, 10}},
        CounterCase{"PastThirtyTwoBits", {4294967000, 4294968296, 8589934592}, {1296, 2147483647}},
        CounterCase{"HighSixtyFourBitCounters",
                    {1ull << 60, (1ull << 60) + 12345, (1ull << 60) + 12345},
                    {12345, 0}},
        CounterCase{"JumpBeyondTwoTo62CountsZero",
                    {1000, 1001 + kImpossibleGrowth, 1501 + kImpossibleGrowth},
                    {0, 500}},
        CounterCase{"JumpOfExactlyTwoTo62IsBelieved",
                    {1000, 1000 + kImpossibleGrowth},
                    {std::numeric_limits<std::int32_t>::max()}},
        CounterCase{"AllOnesReadingThenBack",
                    {1000, std::numeric_limits<std::uint64_t>::max(), 1200, 1300},
                    {0, 0, 100}},
        // 7000 ÷ (7 × 50 × 0.001) is 20000 only in extended precision (19999 in double).
        CounterCase{"ExtendedPrecisionScaling", {6999, 7000, 7001}, {3, 2}, 7}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(RateSampler, AFallenBackCounterIsIdleForTheTrayPicture) {
  Rig rig;
  rig.Graph1(0);
  rig.Grow(0, 100000, 100000);
  rig.Prime();
  rig.table.rows[0].inOctets = 10;
  rig.table.rows[0].outOctets = 100000 + kBase + 500;
  const TickResult result = rig.Tick();
  EXPECT_EQ(result.iconIndex, 1);
  EXPECT_EQ(rig.sampler.MeterText(), "DL : 0kbps  UL : 3,9kbps");
}

// --- Tray picture ---

struct IconCase {
  std::uint64_t r;
  std::uint64_t s;
  int icon;
};

class TrayPicture : public ::testing::TestWithParam<IconCase> {};

TEST_P(TrayPicture, ShowsWhichDirectionsReachOneHundredOctetsPerSecond) {
  Rig rig(2);
  rig.Graph1(0);
  rig.Graph2(1);
  rig.Prime();
  // Split over both graphs: the picture looks at the totals R and S.
  rig.Grow(0, GetParam().r / 2, GetParam().s - GetParam().s / 2);
  rig.Grow(1, GetParam().r - GetParam().r / 2, GetParam().s / 2);
  EXPECT_EQ(rig.Tick().iconIndex, GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, TrayPicture,
                         ::testing::Values(IconCase{0, 0, 0}, IconCase{99, 99, 0},
                                           IconCase{99, 100, 1}, IconCase{100, 0, 2},
                                           IconCase{100, 100, 3}, IconCase{5000, 99, 2}),
                         [](const ::testing::TestParamInfo<IconCase>& info) {
                           return ::kirv::testing::CaseName({"In", std::to_string(info.param.r),
                                                             "Out", std::to_string(info.param.s)});
                         });

// --- Stopwatch hand-off ---

TEST(RateSampler, HandsTheSpeedsToTheStopwatchOnlyWhileItRuns) {
  Rig rig;
  rig.Graph1(0);
  rig.Prime();
  rig.Grow(0, 700, 300);
  EXPECT_FALSE(rig.Tick().stopwatchSet);
  rig.input.stopwatchRunning = true;
  rig.Grow(0, 700, 300);
  const TickResult result = rig.Tick();
  EXPECT_TRUE(result.stopwatchSet);
  EXPECT_EQ(result.currentIn, 700);
  EXPECT_EQ(result.currentOut, 300);
}

// --- Automatic scale ---

TEST(RateSampler, AutomaticScaleStaysAt1025WhileTheHistoryIsBelow) {
  Rig rig;
  rig.Graph1(0);
  rig.input.automaticScale = true;
  rig.input.graphWidth = 345;
  rig.input.graphHeight = 135;
  rig.Prime();
  rig.Grow(0, 1000, 1024);
  const TickResult result = rig.Tick();
  ASSERT_TRUE(result.fullScale.has_value());
  EXPECT_EQ(*result.fullScale, 1025);
  EXPECT_FLOAT_EQ(rig.sampler.PixelsPerOctet(), 135.0f / 1025.0f);
}

TEST(RateSampler, AutomaticScaleIsTheHighestSpeedTheGraphAreaShows) {
  Rig rig(2);
  rig.Graph1(0);
  rig.Graph2(1);
  rig.input.automaticScale = true;
  rig.input.graphWidth = 3;
  rig.input.graphHeight = 100;
  rig.Prime();
  rig.Grow(1, 0, 90000);  // will be record 3: out of a 3-pixel area
  rig.Tick();
  rig.Grow(1, 0, 40000);  // record 2, Out2
  rig.Tick();
  rig.Grow(0, 2000, 0);
  rig.Tick();
  rig.Grow(0, 3000, 0);
  const TickResult result = rig.Tick();
  EXPECT_EQ(*result.fullScale, 40000);
  EXPECT_FLOAT_EQ(rig.sampler.PixelsPerOctet(), 100.0f / 40000.0f);
}

TEST(RateSampler, AutomaticScaleFollowsTheSpinEditsBounds) {
  Rig rig;
  rig.Graph1(0);
  rig.input.automaticScale = true;
  rig.input.graphWidth = 100;
  rig.input.graphHeight = 50;
  rig.input.scaleMaximum = 5000;
  rig.Prime();
  rig.Grow(0, 9000, 0);
  EXPECT_EQ(*rig.Tick().fullScale, 5000);
  rig.input.scaleMinimum = rig.input.scaleMaximum = 0;  // equal bounds: no limits
  EXPECT_EQ(*rig.Tick().fullScale, 9000);
}

TEST(RateSampler, AnEmptyHistoryScalesToAtLeastOne) {
  Rig rig;
  rig.input.automaticScale = true;
  rig.input.graphWidth = 0;
  rig.input.scaleMinimum = rig.input.scaleMaximum = 0;
  EXPECT_EQ(*rig.Tick().fullScale, 1);
}

TEST(RateSampler, ManualScaleLeavesTheFullScaleAndPixelsAlone) {
  Rig rig;
  rig.sampler.SetPixelsPerOctet(0.5f);
  rig.input.graphWidth = 345;
  rig.input.graphHeight = 135;
  EXPECT_FALSE(rig.Tick().fullScale.has_value());
  EXPECT_EQ(rig.sampler.PixelsPerOctet(), 0.5f);
}

}  // namespace
}  // namespace kirv
