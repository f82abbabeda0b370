#include "graph/history_loader.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "trace_fixture.h"

namespace kirv {
namespace {

using testing::Inputs;
using testing::kReference;
using testing::kTen;
using testing::Line;

constexpr std::uint64_t kMax32 = 2147483647;
constexpr std::uint64_t kMax63 = 9223372036854775807ULL;

struct LoadCase {
  const char* name;
  std::vector<std::string> lines;  // oldest first
  TraceInputs in;
  std::vector<std::pair<int, ColumnEntry>> columns;  // every entry that is not empty
  TraceTotals totals;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class HistoryLoading : public testing::TempDirectoryTest,
                       public ::testing::WithParamInterface<LoadCase> {};

void ExpectLoaded(const LoadCase& c, const TraceTotals& totals, const ColumnTable& table) {
  EXPECT_EQ(totals, c.totals);
  std::vector<ColumnEntry> expected(ColumnTable::kSize);
  for (const auto& [index, entry] : c.columns) expected[static_cast<std::size_t>(index)] = entry;
  for (int i = 0; i < ColumnTable::kSize; ++i) {
    EXPECT_EQ(table[i], expected[static_cast<std::size_t>(i)]) << "index " << i;
  }
}

TEST_P(HistoryLoading, StoresTheAcceptedRecordsInTheColumnsOfTheirAge) {
  const LoadCase& c = GetParam();
  testing::WriteArchive(c.lines);
  ColumnTable table;
  const TraceTotals totals = LoadHistory(Bounded(c.in), table);
  ExpectLoaded(c, totals, table);
}

TEST_P(HistoryLoading, GivesTheSameInTwoPartsCutAfterAnyLine) {
  const LoadCase& c = GetParam();
  testing::WriteArchive(c.lines);
  std::uint64_t cut = 0;
  for (std::size_t k = 0; k + 1 < c.lines.size(); ++k) {
    cut += c.lines[k].size();
    SCOPED_TRACE("cut after line " + std::to_string(k + 1));
    ColumnTable table;
    const TraceTotals totals = LoadHistoryInParts(Bounded(c.in), table, cut);
    ExpectLoaded(c, totals, table);
  }
}

// Minutes before 20 April 2026 10:00.
DateTime Before(int minutes) {
  const int total = 10 * 60 - minutes;
  const int days = total < 0 ? (-total + 1439) / 1440 : 0;
  const int inDay = total + days * 1440;
  DateTime t = AddDays(kTen, -days);
  t.hour = inDay / 60;
  t.minute = inDay % 60;
  return t;
}

TraceInputs RightToLeft(TraceInputs in) {
  in.leftToRight = false;
  return in;
}

TraceInputs Now(TraceInputs in, DateTime now) {
  in.now = now;
  return in;
}

INSTANTIATE_TEST_SUITE_P(
    Archives, HistoryLoading,
    ::testing::Values(
        LoadCase{"ASingleRecordAtByteZero",
                 {Line(Before(5), 3000, 600)},
                 Inputs(),
                 {{1, {3000, 600, 3000, 600}}},
                 {3000, 600, 10}},
        LoadCase{"ASingleRecordRightToLeft",
                 {Line(Before(5), 3000, 600)},
                 RightToLeft(Inputs()),
                 {{599, {3000, 600, 3000, 600}}},
                 {3000, 600, 10}},
        LoadCase{"RecordsOfTheReferenceDayFromNowOnAreSkipped",
                 {Line(Before(10), 900, 300), Line(kTen, 90000, 90000),
                  Line({2026, 4, 20, 10, 5, 0}, 90000, 90000),
                  Line({2026, 4, 21, 8, 0, 0}, 90000, 90000)},
                 Inputs(),
                 {{2, {900, 300, 900, 300}}},
                 {900, 300, 3}},
        LoadCase{"RecordsAfterAPastReferenceDateAreSkipped",
                 {Line({2026, 4, 19, 9, 0, 0}, 600, 600), Line({2026, 4, 20, 1, 0, 0}, 9000, 9000)},
                 Inputs(kDay, {2026, 4, 19}),
                 {{12, {600, 600, 600, 600}}},
                 {600, 600, 2}},
        LoadCase{"AnEarlierMonthOnTheSameDayIsAcceptedLateInTheDay",
                 {Line({2026, 3, 20, 23, 55, 0}, 3000, 3000)},
                 Inputs(kYear),
                 {{30, {3000, 3000, 3000, 3000}}},
                 {3000, 3000, 10}},
        // The next older record stops the scan: the one before it counts for nothing.
        LoadCase{"TheOldestColumnOfJourneeIs599SlotsBack",
                 {Line(Before(3600), 3000000000, 3000000000), Line(Before(3000), 6000, 6000),
                  Line(Before(2995), 3000, 300)},
                 Inputs(),
                 {{599, {3000, 300, 3000, 300}}},
                 {3000, 300, 20}},
        LoadCase{"ARecordInTheReferenceSlotIsColumnAgeZero",
                 {Line({2026, 4, 20, 10, 1, 30}, 1500, 300)},
                 Now(Inputs(), {2026, 4, 20, 10, 3, 0}),
                 {{0, {1500, 300, 1500, 300}}},
                 {1500, 300, 5}},
        LoadCase{"ARecordInTheReferenceSlotRightToLeftIsAtIndexW",
                 {Line({2026, 4, 20, 10, 1, 30}, 1500, 300)},
                 RightToLeft(Now(Inputs(), {2026, 4, 20, 10, 3, 0})),
                 {{600, {1500, 300, 1500, 300}}},
                 {1500, 300, 5}},
        LoadCase{"TheFirstOfFebruaryIs78DaysBeforeTheTwentiethOfApril",
                 {Line({2026, 2, 1, 0, 0, 0}, 300, 600)},
                 Inputs(kYear),
                 {{78, {300, 600, 300, 600}}},
                 {300, 600, 2}},
        LoadCase{"TheFirstOfFebruaryRightToLeft",
                 {Line({2026, 2, 1, 0, 0, 0}, 300, 600)},
                 RightToLeft(Inputs(kYear)),
                 {{522, {300, 600, 300, 600}}},
                 {300, 600, 2}},
        LoadCase{"AWeekColumnHoldsSixSlots",
                 {Line(Before(65), 1, 2), Line(Before(60), 3, 4), Line(Before(35), 5, 6),
                  Line(Before(30), 7, 8)},
                 Inputs(kWeek),
                 {{1, {12, 14, 7, 8}}, {2, {4, 6, 3, 4}}},
                 {7, 8, 0}},
        LoadCase{"AShortReceivedCountLeavesTheSentCountWhole",
                 {Line(Before(5), 7, 123456789)},
                 Inputs(),
                 {{1, {7, 123456789, 7, 123456789}}},
                 {7, 123456789, 411522}},
        // 288 records of 2^31 - 1 octets in one column of "Année": 24 hours up to 19 April 10:00.
        LoadCase{"ColumnSumsHoldMoreThan32Bits",
                 [] {
                   std::vector<std::string> day;
                   for (int k = 287; k >= 0; --k) day.push_back(Line(Before(1440 + 5 * k), kMax32, kMax32));
                   return day;
                 }(),
                 Inputs(kYear),
                 {{1, {288 * kMax32, 288 * kMax32, kMax32, kMax32}}},
                 {kMax32, kMax32, kMax32 / 300}},
        // Records of 2^63 - 1 octets in one column of "Semaine": the sums stop at 2^63 - 1
        // (unchecked, the received sum would pass it at 2^63 + 1 and the sent sum wrap to
        // 2^63 - 3).
        LoadCase{"ColumnSumsStopAtTheLargestCount",
                 {Line(Before(20), kMax63, kMax63), Line(Before(15), 1, kMax63),
                  Line(Before(10), 1, kMax63)},
                 Inputs(kWeek),
                 {{0, {kMax63, kMax63, kMax63, kMax63}}},
                 {kMax63, kMax63, kMax63 / 300}},
        // A count of 2^63 or more is not a number: it adds nothing.
        LoadCase{"ACountOf2To63AddsNothing",
                 {Line(Before(10), 9223372036854775808ULL, 600), Line(Before(5), 300, 300)},
                 Inputs(kWeek),
                 {{0, {300, 900, 300, 600}}},
                 {300, 600, 2}},
        // Gregorian Februaries: noon on the 28th is two days before noon on 1 March in a leap
        // year, one day otherwise.
        LoadCase{"February2028HasTwentyNineDays",
                 {Line({2028, 2, 28, 12, 0, 0}, 300, 300)},
                 Inputs(kYear, {2028, 3, 1}, {2028, 3, 1, 12, 0, 0}),
                 {{2, {300, 300, 300, 300}}},
                 {300, 300, 1}},
        LoadCase{"February2024HasTwentyNineDays",
                 {Line({2024, 2, 28, 12, 0, 0}, 300, 300)},
                 Inputs(kYear, {2024, 3, 1}, {2024, 3, 1, 12, 0, 0}),
                 {{2, {300, 300, 300, 300}}},
                 {300, 300, 1}},
        LoadCase{"February2100HasTwentyEightDays",
                 {Line({2100, 2, 28, 12, 0, 0}, 300, 300)},
                 Inputs(kYear, {2100, 3, 1}, {2100, 3, 1, 12, 0, 0}),
                 {{1, {300, 300, 300, 300}}},
                 {300, 300, 1}},
        LoadCase{"February2400HasTwentyNineDays",
                 {Line({2400, 2, 28, 12, 0, 0}, 300, 300)},
                 Inputs(kYear, {2400, 3, 1}, {2400, 3, 1, 12, 0, 0}),
                 {{2, {300, 300, 300, 300}}},
                 {300, 300, 1}},
        // 29 February 2028 23:55 seen on 1 March 00:03: eight minutes, one whole slot back.
        LoadCase{"TheTwentyNinthOfFebruary2028IsTheDayBeforeTheFirstOfMarch",
                 {Line({2028, 2, 28, 23, 50, 0}, 600, 600), Line({2028, 2, 29, 23, 55, 0}, 300, 300)},
                 Inputs(kDay, {2028, 3, 1}, {2028, 3, 1, 0, 3, 0}),
                 {{1, {300, 300, 300, 300}}, {290, {600, 600, 600, 600}}},
                 {600, 600, 2}},
        LoadCase{"RecordsWithoutAValidDateOrTimeAreSkippedAndTheScanGoesOn",
                 {Line(Before(20), 300, 300), "F31/04/2026 09:45:00D900U900\r\n",
                  "F20/04/2026 24:00:00D900U900\r\n", "F20/04/2026 09:61:00D900U900\r\n",
                  "F2x/04/2026 09:45:00D900U900\r\n", "F00/00/0000 00:00:00D900U900\r\n",
                  Line(Before(5), 600, 600)},
                 Inputs(),
                 {{1, {600, 600, 600, 600}}, {4, {300, 300, 300, 300}}},
                 {600, 600, 2}},
        LoadCase{"DamagedRecordsNeverStopTheScan",
                 {Line(Before(30), 300, 300), "F20/04/2026 09:35:00D123456\r\n", "F20/04\r\n",
                  "F\r\n", "F20/04/2026 09:40:00DabcU600\r\n", "junk without a marker\r\n",
                  std::string(400, '7') + "\r\n", Line(Before(5), 600, 600)},
                 Inputs(),
                 {{1, {600, 600, 600, 600}},
                  {4, {0, 600, 0, 600}},
                  {6, {300, 300, 300, 300}}},
                 {600, 600, 2}},
        // More than an hour of records older than the graph is its end, whatever follows.
        LoadCase{"AnOldRunLongerThanAnHourEndsTheScan",
                 {Line(Before(30), 300, 300), Line({2000, 1, 1, 0, 0, 0}, 900, 900),
                  Line({2000, 1, 1, 1, 0, 1}, 600, 600), Line(Before(5), 600, 600)},
                 Inputs(),
                 {{1, {600, 600, 600, 600}}},
                 {600, 600, 2}},
        LoadCase{"AShortOldRunAmidTheGraphIsSteppedOver",
                 {Line(Before(30), 300, 300), Line({2000, 1, 1, 0, 0, 0}, 9000, 9000),
                  Line({2000, 1, 1, 0, 5, 0}, 9000, 9000), Line(Before(5), 600, 600)},
                 Inputs(),
                 {{1, {600, 600, 600, 600}}, {6, {300, 300, 300, 300}}},
                 {600, 600, 2}},
        LoadCase{"AnEmptyArchiveHoldsNoRecord", {}, Inputs(), {}, {}}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

// Two records of a clock reset to the year 2000 amid the last half hour's: every period still
// sees the records before them, and the reset ones count for nothing.
class GlitchRecords : public testing::TempDirectoryTest,
                      public ::testing::WithParamInterface<int> {};

TEST_P(GlitchRecords, AreSteppedOverInEveryPeriod) {
  testing::WriteArchive({Line(Before(30), 300, 300), Line({2000, 1, 1, 0, 0, 0}, 9000, 9000),
                         Line({2000, 1, 1, 0, 5, 0}, 9000, 9000), Line(Before(5), 600, 600)});
  ColumnTable table;
  const TraceTotals totals = LoadHistory(Bounded(Inputs(GetParam())), table);
  std::uint64_t received = 0;
  for (int i = 0; i < ColumnTable::kSize; ++i) received += table[i].received;
  EXPECT_EQ(received, 900u);
  EXPECT_EQ(totals, (TraceTotals{600, 600, 2}));
}

INSTANTIATE_TEST_SUITE_P(
    Periods, GlitchRecords, ::testing::Values(kDay, kWeek, kMonth, kYear),
    [](const ::testing::TestParamInfo<int>& info) {
      return std::string(std::array{"Journee", "Semaine", "Mois", "Annee"}[info.param]);
    });

class HistoryLoadingFile : public testing::TempDirectoryTest {};

TEST_F(HistoryLoadingFile, AMissingArchiveReadsAsEmpty) {
  ColumnTable table;
  table[5] = {1, 2, 3, 4};
  EXPECT_EQ(LoadHistory(Bounded(Inputs()), table), TraceTotals{});
  EXPECT_EQ(table[5], ColumnEntry{});
}

TEST_F(HistoryLoadingFile, ClearsTheEntriesOfBothDirectionsBeforeTheScan) {
  testing::WriteArchive({});
  ColumnTable table;
  for (int i = 0; i < ColumnTable::kSize; ++i) table[i] = {1, 1, 1, 1};
  LoadHistory(Bounded(Inputs()), table);
  for (int i = 0; i <= 600; ++i) EXPECT_EQ(table[i], ColumnEntry{}) << "index " << i;
  EXPECT_EQ(table[601], (ColumnEntry{1, 1, 1, 1}));
}

TEST_F(HistoryLoadingFile, ReadsOnlyTheTailThatTheWindowCovers) {
  // Ten days of records in "Journée" (50 hours): the scan stops at the first record too old, so
  // a record far older, whose count would raise the automatic scale, is never read.
  std::vector<std::string> lines{Line({2026, 4, 1, 0, 0, 0}, 3000000000, 1)};
  for (int day = 10; day <= 19; ++day) {
    for (int slot = 0; slot < 288; ++slot) {
      lines.push_back(Line({2026, 4, day, slot / 12, slot % 12 * 5, 0}, 300, 300));
    }
  }
  testing::WriteArchive(lines);
  ColumnTable table;
  EXPECT_EQ(LoadHistory(Bounded(Inputs()), table).automaticScale, 1u);
  EXPECT_EQ(table[120], ColumnEntry{});                      // 20 April 00:00
  EXPECT_EQ(table[121], (ColumnEntry{300, 300, 300, 300}));  // 19 April 23:55
  EXPECT_EQ(table[599], (ColumnEntry{300, 300, 300, 300}));
}

}  // namespace
}  // namespace kirv
