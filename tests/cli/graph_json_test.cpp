// The statistics and columns of "kirv graph --json": the figures as the core computes them, even
// where their text is written in exponent form, and column sums that stop at the largest count.

#include "cli/graph_json.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "archive/record.h"
#include "graph/graph_statistics.h"
#include "graph/trace_direction.h"

namespace kirv {
namespace {

struct Figure {
  const char* text;
  double value;
  double percent;
};

struct JsonCase {
  const char* name;
  bool octets;
  bool leftToRight;
  int width;
  std::int64_t fullScale;
  char separator;
  std::vector<std::pair<int, ColumnEntry>> columns;  // by column age
  TraceTotals totals;
  Figure current;     // "Actuel In :"
  Figure peak;        // "Max In :"
  Figure average;     // "Moyenne In :"
  std::uint64_t sum;  // of the received column sums
  std::uint64_t sentSum;
};

constexpr std::uint64_t kRate = 12637;  // octets per second: 12.34 K
constexpr std::uint64_t kSpan = 300;    // a day's column

class GraphJsonTest : public ::testing::TestWithParam<JsonCase> {};

QJsonObject Received(const QJsonObject& json, const char* figure) {
  return json[QStringLiteral("statistics")][QLatin1String(figure)][QStringLiteral("received")]
      .toObject();
}

void ExpectFigure(const QJsonObject& figure, const Figure& expected) {
  SCOPED_TRACE(expected.text);
  EXPECT_EQ(figure[QStringLiteral("text")].toString().toStdString(), expected.text);
  EXPECT_DOUBLE_EQ(figure[QStringLiteral("value")].toDouble(), expected.value);
  EXPECT_DOUBLE_EQ(figure[QStringLiteral("percent")].toDouble(), expected.percent);
}

TEST_P(GraphJsonTest, GivesTheCoreFiguresAndSaturatedSums) {
  const JsonCase& c = GetParam();
  TraceInputs in;
  in.octets = c.octets;
  in.leftToRight = c.leftToRight;
  in.width = c.width;
  in.fullScale = c.fullScale;
  in.columnSpan = kSpan;
  in.format.decimalSeparator = c.separator;
  ColumnTable columns;
  const TraceDirection direction = DirectionOf(c.leftToRight, c.width);
  for (const auto& [age, entry] : c.columns) columns[direction.IndexOfAge(age, c.width)] = entry;
  DisplayUnit unit;
  unit.Update(c.fullScale, in.UnitFactor());
  TraceResult result;
  result.fullScale = c.fullScale;
  result.totals = c.totals;
  result.statistics = ComputeStatistics(columns, c.totals, in, unit);

  const QJsonObject json = GraphJson(in, result, unit, columns);
  ExpectFigure(Received(json, "current"), c.current);
  ExpectFigure(Received(json, "peak"), c.peak);
  ExpectFigure(Received(json, "average"), c.average);
  const QJsonObject sums = json[QStringLiteral("sums")].toObject();
  EXPECT_EQ(sums[QStringLiteral("received")].toInteger(), static_cast<qint64>(c.sum));
  EXPECT_EQ(sums[QStringLiteral("sent")].toInteger(), static_cast<qint64>(c.sentSum));
  // The columns come newest first whichever way the graph runs.
  const QJsonArray table = json[QStringLiteral("columns")].toArray();
  ASSERT_EQ(table.size(), c.width);
  for (const auto& [age, entry] : c.columns) {
    EXPECT_EQ(table[age][QStringLiteral("received")].toInteger(),
              static_cast<qint64>(entry.received))
        << "age " << age;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Traces, GraphJsonTest,
    ::testing::Values(
        // 12637 o/s is 12.34 K/s and 1% of 1 000 000; the average spreads one column over 600.
        JsonCase{"KiloOctets",
                 true,
                 true,
                 600,
                 1000000,
                 '.',
                 {{1, {kRate * kSpan, 2000, 0, 0}}},
                 {kRate * 300, 0, 0},
                 {"12.34 K/s (1%)", 12.34, 1},
                 {"12.34 K/s (1%)", 12.34, 1},
                 {"0.02 K/s (0%)", 0.02, 0},
                 kRate* kSpan,
                 2000},
        JsonCase{"CommaSeparator",
                 true,
                 true,
                 600,
                 1000000,
                 ',',
                 {{1, {kRate * kSpan, 0, 0, 0}}},
                 {kRate * 300, 0, 0},
                 {"12,34 K/s (1%)", 12.34, 1},
                 {"12,34 K/s (1%)", 12.34, 1},
                 {"0,02 K/s (0%)", 0.02, 0},
                 kRate* kSpan,
                 0},
        // Bits multiply the value by eight and leave the percentage of the octet scale.
        JsonCase{"BitsKeepThePercentage",
                 false,
                 true,
                 600,
                 100000,
                 '.',
                 {{1, {kRate * kSpan, 0, 0, 0}}},
                 {kRate * 300, 0, 0},
                 {"98.72 K/s (12%)", 98.72, 12},
                 {"98.72 K/s (12%)", 98.72, 12},
                 {"0.16 K/s (0%)", 0.16, 0},
                 kRate* kSpan,
                 0},
        // Right to left the newest column is at the right edge; age 0, the slot of the instant,
        // counts in the sums but not in the average.
        JsonCase{"RightToLeft",
                 true,
                 false,
                 10,
                 1000,
                 '.',
                 {{0, {3000, 30, 0, 0}}, {1, {600, 60, 0, 0}}, {9, {2400, 0, 0, 0}}},
                 {3000, 60, 0},
                 {"2/s (0%)", 2, 0},
                 {"10/s (1%)", 10, 1},
                 {"1/s (0%)", 1, 0},
                 6000,
                 90},
        // At a full scale of 1 o/s a column of the largest count is written in exponent form: its
        // percentage is still the whole figure, and two such columns sum to the largest count, for
        // the average over 600 columns as for the sums.
        JsonCase{
            "ExponentPercentage",
            true,
            true,
            600,
            1,
            '.',
            {{1, {kLargestCount, 0, 0, 0}}, {2, {kLargestCount, kLargestCount, 0, 0}}},
            {kLargestCount, 0, 0},
            {"3.07445734561826E16/s (3.07445734561826E18%)", 30744573456182586.0,
             3074457345618258602.0},
            {"3.07445734561826E16/s (3.07445734561826E18%)", 30744573456182586.0,
             3074457345618258602.0},
            {"51240955760304.3/s (5.12409557603043E15%)", 51240955760304.31, 5124095576030431.0},
            kLargestCount,
            kLargestCount}),
    [](const ::testing::TestParamInfo<JsonCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kirv
