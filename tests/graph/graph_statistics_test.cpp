#include "graph/graph_statistics.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "graph/display_unit.h"
#include "trace_fixture.h"

namespace kirv {
namespace {

using testing::Inputs;

// --- Display unit ---

struct UnitCase {
  const char* name;
  std::int64_t fullScale;
  bool octets;
  DisplayUnit previous;
  DisplayUnit expected;
};

void PrintTo(const UnitCase& c, std::ostream* os) { *os << c.name; }

class DisplayUnitChoice : public ::testing::TestWithParam<UnitCase> {};

TEST_P(DisplayUnitChoice, FollowsTheFullScaleInTheDisplayedUnit) {
  const UnitCase& c = GetParam();
  DisplayUnit unit = c.previous;
  unit.Update(c.fullScale, c.octets ? 1 : 8);
  EXPECT_EQ(unit, c.expected);
}

const DisplayUnit kNone{1, ""};
const DisplayUnit kKilo{1024, " K"};
const DisplayUnit kMega{1048576, " M"};

INSTANTIATE_TEST_SUITE_P(
    Scales, DisplayUnitChoice,
    ::testing::Values(UnitCase{"Adsl1024InOctetsIsKilo", 131072, true, kNone, kKilo},
                      // 131072 × 8 = 1048576 is not above 1048576
                      UnitCase{"Adsl1024InBitsIsStillKilo", 131072, false, kNone, kKilo},
                      UnitCase{"EthernetInOctetsIsMega", 1310720, true, kNone, kMega},
                      UnitCase{"EthernetInBitsIsMega", 1310720, false, kKilo, kMega},
                      UnitCase{"MegaFallsBackToKilo", 131072, true, kMega, kKilo},
                      UnitCase{"AnAutomatic500KeepsTheMega", 500, true, kMega, kMega},
                      UnitCase{"AnAutomatic500KeepsTheKilo", 500, true, kKilo, kKilo},
                      UnitCase{"AnAutomatic500KeepsNoPrefix", 500, true, kNone, kNone},
                      UnitCase{"Exactly1024KeepsThePrevious", 1024, true, kMega, kMega},
                      UnitCase{"1025IsKilo", 1025, true, kNone, kKilo},
                      UnitCase{"128BitsIs1024AndKeepsThePrevious", 128, false, kNone, kNone},
                      UnitCase{"129BitsIsKilo", 129, false, kNone, kKilo},
                      // 2^31 - 1 octets × 8 needs 64 bits
                      UnitCase{"TheLargestScaleInBitsIsMega", 2147483647, false, kNone, kMega}),
    [](const ::testing::TestParamInfo<UnitCase>& info) { return info.param.name; });

// --- Statistics ---

// 12637 octets per second: 12637 ÷ 1024 = 12.3408..., 5.14 % of 240 K.
constexpr std::uint64_t kRate = 12637;
constexpr std::int64_t kFullScale = 245760;

TraceInputs StatisticsInputs(bool octets, bool leftToRight = true, int period = kDay) {
  TraceInputs in = Inputs(period);
  in.octets = octets;
  in.leftToRight = leftToRight;
  in.fullScale = kFullScale;
  return Bounded(in);
}

// Every index of the table at the rate, received and sent at half of it; age 0 (index 0 left to
// right, W right to left) far above.
ColumnTable Columns(const TraceInputs& in, std::uint64_t rate) {
  ColumnTable table;
  for (int i = 0; i <= in.width; ++i) {
    table[i].received = rate * static_cast<std::uint64_t>(in.columnSpan);
    table[i].sent = rate / 2 * static_cast<std::uint64_t>(in.columnSpan);
  }
  table[in.leftToRight ? 0 : in.width] = {1000000000000, 1000000000000, 0, 0};
  return table;
}

DisplayUnit UnitOf(const TraceInputs& in) {
  DisplayUnit unit;
  unit.Update(in.fullScale, in.UnitFactor());
  return unit;
}

TEST(GraphStatistics, WritesValuePrefixRateAndPercentage) {
  const TraceInputs in = StatisticsInputs(true);
  const TraceTotals totals{kRate * 300, kRate / 2 * 300, 0};
  const GraphStatistics s = ComputeStatistics(Columns(in, kRate), totals, in, UnitOf(in));
  EXPECT_EQ(s.actueld, "12.34 K/s (5%)");
  EXPECT_EQ(s.actuelu, "6.16 K/s (2%)");
  EXPECT_EQ(s.maxd, "12.34 K/s (5%)");
  EXPECT_EQ(s.maxu, "6.16 K/s (2%)");
  // Indices 1 to 599 over 600 columns: 12.3408 × 599 ÷ 600.
  EXPECT_EQ(s.moyd, "12.32 K/s (5%)");
  EXPECT_EQ(s.moyu, "6.15 K/s (2%)");
}

TEST(GraphStatistics, RightToLeftReadsIndexWMinusOneAndTheSameIndicesForTheAverage) {
  const TraceInputs in = StatisticsInputs(true, false);
  ColumnTable table = Columns(in, kRate);
  table[599].received = 2 * kRate * 300;
  const GraphStatistics s = ComputeStatistics(table, {}, in, UnitOf(in));
  EXPECT_EQ(s.actueld, "24.68 K/s (10%)");
  EXPECT_EQ(s.maxd, "0 K/s (0%)");
  EXPECT_EQ(s.moyd, "12.34 K/s (5%)");  // 12.3408 × 600 ÷ 600
}

TEST(GraphStatistics, BitsMultiplyTheValueButNotThePercentage) {
  const TraceInputs in = StatisticsInputs(false);
  const DisplayUnit unit = UnitOf(in);
  ASSERT_EQ(unit.prefix, " M");
  const GraphStatistics s = ComputeStatistics(Columns(in, kRate), {kRate * 300, 0, 0}, in, unit);
  EXPECT_EQ(s.actueld, "0.09 M/s (5%)");  // 12637 × 8 ÷ 1048576 = 0.0964
  EXPECT_EQ(s.maxd, "0.09 M/s (5%)");
}

TEST(GraphStatistics, ACurrentColumnRateIsItsSumDividedByTheSpan) {
  const TraceInputs in = StatisticsInputs(true, true, kYear);
  const GraphStatistics s = ComputeStatistics(Columns(in, kRate), {}, in, UnitOf(in));
  EXPECT_EQ(s.actueld, "12.34 K/s (5%)");
  EXPECT_EQ(s.moyd, "12.32 K/s (5%)");
}

TEST(GraphStatistics, WithoutAPrefixTheRateStandsAlone) {
  TraceInputs in = StatisticsInputs(true);
  in.fullScale = 1000;
  ColumnTable table;
  table[1].received = 123 * 300 + 299;
  const GraphStatistics s = ComputeStatistics(table, {}, in, DisplayUnit{});
  EXPECT_EQ(s.actueld, "123/s (12%)");
  EXPECT_EQ(s.actuelu, "0/s (0%)");
}

TEST(GraphStatistics, UsesTheDecimalSeparatorOfTheWorkstation) {
  TraceInputs in = StatisticsInputs(true);
  in.format = NumberFormat{','};
  const GraphStatistics s = ComputeStatistics(Columns(in, kRate), {}, in, UnitOf(in));
  EXPECT_EQ(s.actueld, "12,34 K/s (5%)");
}

TEST(GraphStatistics, AnArchiveWithoutRecordsShowsZeros) {
  const TraceInputs in = StatisticsInputs(true);
  const GraphStatistics s = ComputeStatistics(ColumnTable{}, {}, in, UnitOf(in));
  const std::string zero = "0 K/s (0%)";
  EXPECT_EQ(s, (GraphStatistics{zero, zero, zero, zero, zero, zero}));
}

TEST(GraphStatistics, AveragesSumsBeyondSinglePrecisionExactly) {
  // 599 columns of 2^31 - 1 octets and 180 more: a single-precision sum would give 7146348.36.
  TraceInputs in = StatisticsInputs(true);
  in.fullScale = 1;
  ColumnTable table;
  for (int c = 1; c < in.width; ++c) table[c].received = 2147483647;
  table[1].received += 180;
  const GraphStatistics s = ComputeStatistics(table, {}, in, DisplayUnit{});
  // (599 × 2147483647 + 180) ÷ 600 ÷ 300 = 7146348.3596
  EXPECT_EQ(s.moyd, "7146348.35/s (714634835%)");
}

// --- Percentages: floor(100 × octets ÷ (seconds × V)) in exact integers ---

enum class Figure { kCurrent, kPeak, kAverage };

struct PercentCase {
  const char* name;
  Figure figure;
  int period;
  std::int64_t fullScale;
  std::uint64_t octets;  // the column sum at age 1, the peak record, or every column's sum
  const char* percent;
};

void PrintTo(const PercentCase& c, std::ostream* os) { *os << c.name; }

// The text between the last "(" and "%)" of a label.
std::string PercentOf(const std::string& label) {
  const std::size_t open = label.rfind('(');
  const std::size_t close = label.rfind("%)");
  if (open == std::string::npos || close == std::string::npos || close < open) return "?";
  return label.substr(open + 1, close - open - 1);
}

class StatisticsPercentage : public ::testing::TestWithParam<PercentCase> {};

TEST_P(StatisticsPercentage, IsTheExactFlooredShareOfTheFullScale) {
  const PercentCase& c = GetParam();
  TraceInputs in = StatisticsInputs(true, true, c.period);
  in.fullScale = c.fullScale;
  ColumnTable table;
  TraceTotals totals;
  switch (c.figure) {
    case Figure::kCurrent:
      table[1].received = c.octets;
      break;
    case Figure::kPeak:
      totals.peakReceivedRecord = c.octets;
      break;
    case Figure::kAverage:
      for (int i = 1; i < in.width; ++i) table[i].received = c.octets;
      break;
  }
  const GraphStatistics s = ComputeStatistics(table, totals, in, DisplayUnit{});
  const std::string& label = c.figure == Figure::kCurrent ? s.actueld
                             : c.figure == Figure::kPeak  ? s.maxd
                                                          : s.moyd;
  EXPECT_EQ(PercentOf(label), c.percent) << label;
  EXPECT_EQ(PercentOf(c.figure == Figure::kPeak ? s.maxu : s.actuelu), "0");
}

constexpr std::uint64_t kMax63 = 9223372036854775807ULL;
constexpr std::uint64_t kQuarterOf64Bits = 4611686018427387904ULL;  // 2^62

INSTANTIATE_TEST_SUITE_P(
    Figures, StatisticsPercentage,
    ::testing::Values(
        // 8700 octets over 300 s is 29 octets/s: exactly 29 % of 100, one octet less is 28 %.
        PercentCase{"PeakOfExactly29Percent", Figure::kPeak, kDay, 100, 8700, "29"},
        PercentCase{"PeakJustBelow29Percent", Figure::kPeak, kDay, 100, 8699, "28"},
        // Exact shares that a floating-point quotient puts just below the whole number.
        PercentCase{"PeakOfExactly53PercentOf512Kbps", Figure::kPeak, kDay, 65536,
                    53ULL * 300 * 65536 / 100, "53"},
        PercentCase{"PeakOfExactly23PercentOf10Mbps", Figure::kPeak, kDay, 1310720,
                    23ULL * 300 * 1310720 / 100, "23"},
        PercentCase{"PeakOfExactly59PercentOf64Kbps", Figure::kPeak, kDay, 8192,
                    59ULL * 300 * 8192 / 100, "59"},
        PercentCase{"CurrentOfExactly53PercentInMois", Figure::kCurrent, kMonth, 1, 53 * 72, "53"},
        PercentCase{"CurrentJustBelow53PercentInMois", Figure::kCurrent, kMonth, 1, 53 * 72 - 1,
                    "52"},
        PercentCase{"CurrentOfExactly29PercentInSemaine", Figure::kCurrent, kWeek, 100, 29 * 1800,
                    "29"},
        // 599 columns over W = 600: 599 × 600 × 300 octets is 599 × 300 octets/s on average.
        // 599 × 27000 octets over 600 columns of 300 s: 89.85 octets/s, 15 % of 599.
        PercentCase{"AverageOfExactly15Percent", Figure::kAverage, kDay, 599, 27000, "15"},
        PercentCase{"AverageOfExactly599Percent", Figure::kAverage, kDay, 100, 600 * 300, "599"},
        PercentCase{"AverageJustBelow599Percent", Figure::kAverage, kDay, 100, 600 * 300 - 1,
                    "598"},
        // 64-bit counts: no product overflows, no sum wraps.
        PercentCase{"PeakOfTheLargestCount", Figure::kPeak, kDay, 1, kMax63, "3.07445734561826E18"},
        PercentCase{"CurrentOfAFullColumnInAnnee", Figure::kCurrent, kYear, 2147483647, kMax63,
                    "4971026"},
        // 599 columns of 2^62 octets add up to 2^63 - 1, not to 599 × 2^62 wrapped (3579139 %).
        PercentCase{"AverageOfColumnsWhoseSumSaturates", Figure::kAverage, kDay, 2147483647,
                    kQuarterOf64Bits, "2386092"}),
    [](const ::testing::TestParamInfo<PercentCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kirv
