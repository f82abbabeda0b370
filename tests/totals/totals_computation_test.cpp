#include "totals/totals_computation.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "archive/record.h"
#include "archive/temp_directory.h"
#include "case_name.h"
#include "fakes/fake_text_catalogue.h"
#include "totals/totals_report.h"

namespace kirv {
namespace {

constexpr char kArchive[] = "Carte reseau.mdf";
const NumberFormat kComma{','};

struct Rec {
  int year;
  int month;
  int day;
  std::uint64_t received;
  std::uint64_t sent;
};

std::string Lines(const std::vector<Rec>& oldestFirst) {
  std::string bytes;
  for (const Rec& r : oldestFirst) {
    bytes += FormatRecord({r.year, r.month, r.day, 12, 5, 0}, r.received, r.sent);
  }
  return bytes;
}

std::vector<std::string> Dates(const std::vector<TotalsRow>& rows) {
  std::vector<std::string> dates;
  for (const TotalsRow& row : rows) dates.push_back(row.date);
  return dates;
}

std::vector<std::string> Figures(const TotalsRow& row) {
  return {row.received, row.sent, row.total};
}

std::vector<std::string> Figures(const TotalsFigures& f) { return {f.received, f.sent, f.both}; }

class TotalsComputationTest : public testing::TempDirectoryTest {
 protected:
  TotalsReport Run(const std::vector<Rec>& oldestFirst, const DateTime& today) {
    WriteFile(kArchive, Lines(oldestFirst));
    return RunOnFile(today);
  }
  TotalsReport RunOnFile(const DateTime& today) {
    std::optional<TotalsReport> report = totals_.Run(kArchive, today, kComma);
    EXPECT_TRUE(report.has_value());
    return report.value_or(TotalsReport{});
  }

  TotalsComputation totals_;
  const DateTime today_{2026, 4, 20, 18, 30, 0};
};

TEST_F(TotalsComputationTest, AnArchiveOfTodayGivesOneDailyRowWithTodaysFigures) {
  const TotalsReport r =
      Run({{2026, 4, 20, 150000, 50000}, {2026, 4, 20, 200000, 10000}, {2026, 4, 20, 1000, 20}},
          today_);
  EXPECT_EQ(Figures(r.today), (std::vector<std::string>{"342,77Ko", "58,61Ko", "401,38Ko"}));
  ASSERT_EQ(r.dailyRows.size(), 1u);
  EXPECT_EQ(r.dailyRows[0].date, "20/4/2026");
  EXPECT_EQ(Figures(r.dailyRows[0]),
            (std::vector<std::string>{"342,77 Ko", "58,61 Ko", "401,38 Ko"}));
  ASSERT_EQ(r.monthlyRows.size(), 1u);
  EXPECT_EQ(r.monthlyRows[0].date, "4/2026");
  EXPECT_EQ(Figures(r.since), Figures(r.today));
}

struct FirstRowCase {
  std::uint64_t received;
  std::uint64_t sent;
  std::vector<std::string> figures;
};

class TotalsFirstRowTest : public TotalsComputationTest,
                           public ::testing::WithParamInterface<FirstRowCase> {};

// The newest day is closed by an older one, so its row is the first group shown.
TEST_P(TotalsFirstRowTest, ChoosesTheUnitOnReceivedAndSentOnly) {
  const FirstRowCase& c = GetParam();
  const TotalsReport r = Run({{2026, 4, 1, 10, 10}, {2026, 4, 2, c.received, c.sent}}, today_);
  ASSERT_EQ(r.dailyRows.size(), 2u);
  EXPECT_EQ(r.dailyRows[0].date, "2/4/2026");
  EXPECT_EQ(Figures(r.dailyRows[0]), c.figures);
}

INSTANTIATE_TEST_SUITE_P(
    Units, TotalsFirstRowTest,
    ::testing::Values(FirstRowCase{500, 1500, {"0,48 Ko", "1,46 Ko", "1,95 Ko"}},
                      FirstRowCase{1024, 1000, {"1024 octets", "1000 octets", "2024 octets"}},
                      FirstRowCase{600, 600, {"600 octets", "600 octets", "1200 octets"}},
                      FirstRowCase{1025, 1, {"1 Ko", "0 Ko", "1 Ko"}},
                      FirstRowCase{2000000, 10, {"1,9 Mo", "0 Mo", "1,9 Mo"}},
                      FirstRowCase{2147483647, 1, {"1,99 Go", "0 Go", "2 Go"}}),
    [](const ::testing::TestParamInfo<FirstRowCase>& info) {
      return ::kirv::testing::CaseName(
          {std::to_string(info.param.received), "In", std::to_string(info.param.sent), "Out"});
    });

TEST_F(TotalsComputationTest, ASmallDayKeepsTheUnitOfTheRowShownBeforeIt) {
  const TotalsReport r = Run({{2026, 4, 1, 10, 10},
                              {2026, 4, 2, 2048, 0},
                              {2026, 4, 3, 600, 300},
                              {2026, 4, 4, 5000000, 100}},
                             today_);
  ASSERT_EQ(r.dailyRows.size(), 4u);
  EXPECT_EQ(Figures(r.dailyRows[0]), (std::vector<std::string>{"4,76 Mo", "0 Mo", "4,76 Mo"}));
  EXPECT_EQ(Figures(r.dailyRows[1]), (std::vector<std::string>{"0 Mo", "0 Mo", "0 Mo"}));
  EXPECT_EQ(Figures(r.dailyRows[2]), (std::vector<std::string>{"2 Ko", "0 Ko", "2 Ko"}));
}

TEST_F(TotalsComputationTest, TheLastRowsComeAfterTheLabelsAndKeepTheirUnit) {
  // Shown in order: the row of 2/4 (" Mo"), today, forecast and since ("Mo"), the last rows.
  const TotalsReport r = Run({{2026, 4, 1, 10, 10}, {2026, 4, 2, 5000000, 100}}, today_);
  EXPECT_EQ(r.since.received, "4,76Mo");
  ASSERT_EQ(r.dailyRows.size(), 2u);
  EXPECT_EQ(Figures(r.dailyRows[1]), (std::vector<std::string>{"0Mo", "0Mo", "0Mo"}));
  EXPECT_EQ(Figures(r.monthlyRows[0]), (std::vector<std::string>{"4,76 Mo", "0 Mo", "4,76 Mo"}));
}

TEST_F(TotalsComputationTest, TodayAtMost1024KeepsTheGridUnitOfTheRowBeforeIt) {
  // Rows shown in the scan: 20/4 (100 octets), then 10/4 in " Mo"; today comes after them.
  const TotalsReport r =
      Run({{2026, 4, 1, 10, 10}, {2026, 4, 10, 5000000, 0}, {2026, 4, 20, 100, 100}}, today_);
  EXPECT_EQ(r.dailyRows[0].received, "100 octets");
  EXPECT_EQ(Figures(r.today), (std::vector<std::string>{"0 Mo", "0 Mo", "0 Mo"}));
}

TEST_F(TotalsComputationTest, AnArchiveWithoutRecordsGivesOneEmptyRowInEachGrid) {
  const TotalsReport r = Run({}, today_);
  const std::vector<std::string> zeros{"0 octets", "0 octets", "0 octets"};
  ASSERT_EQ(r.dailyRows.size(), 1u);
  ASSERT_EQ(r.monthlyRows.size(), 1u);
  EXPECT_EQ(r.dailyRows[0].date, "");
  EXPECT_FALSE(r.dailyRows[0].day.has_value());
  EXPECT_EQ(Figures(r.dailyRows[0]), zeros);
  EXPECT_EQ(r.monthlyRows[0].date, "");
  EXPECT_EQ(Figures(r.monthlyRows[0]), zeros);
  EXPECT_EQ(Figures(r.today), zeros);
  EXPECT_EQ(Figures(r.forecast), zeros);
  EXPECT_EQ(Figures(r.since), zeros);
  EXPECT_EQ(r.sinceCaption, "Transferts depuis le 0/0/0");
}

TEST_F(TotalsComputationTest, AMissingArchiveReadsAsOneWithoutRecords) {
  const TotalsReport r = RunOnFile(today_);
  EXPECT_EQ(Dates(r.dailyRows), (std::vector<std::string>{""}));
  EXPECT_EQ(Dates(r.monthlyRows), (std::vector<std::string>{""}));
  EXPECT_EQ(r.sinceCaption, "Transferts depuis le 0/0/0");
}

TEST_F(TotalsComputationTest, TheOldestDateIsKeptUntilAComputationReadsARecord) {
  EXPECT_EQ(Run({{2004, 3, 7, 5, 5}, {2026, 4, 20, 5, 5}}, today_).sinceCaption,
            "Transferts depuis le 7/3/2004");
  EXPECT_EQ(Run({}, today_).sinceCaption, "Transferts depuis le 7/3/2004");
  WriteFile(kArchive, "F31/02/2026 12:00:00D5U5\r\n");
  EXPECT_EQ(RunOnFile(today_).sinceCaption, "Transferts depuis le 7/3/2004");
  EXPECT_EQ(Run({{2025, 12, 31, 5, 5}}, today_).sinceCaption, "Transferts depuis le 31/12/2025");
}

TEST_F(TotalsComputationTest, AnEmptyPathReadsNothingAndKeepsTheOldestDate) {
  Run({{2004, 3, 7, 5, 5}}, today_);
  EXPECT_FALSE(totals_.Run("", today_, kComma).has_value());
  EXPECT_EQ(Run({}, today_).sinceCaption, "Transferts depuis le 7/3/2004");
}

TEST_F(TotalsComputationTest, RowsRunNewestFirstWithKeysWithoutLeadingZeros) {
  const TotalsReport r = Run({{2003, 12, 31, 2000, 0},
                              {2004, 3, 7, 3000, 0},
                              {2004, 3, 15, 4000, 0},
                              {2004, 4, 1, 5000, 0}},
                             today_);
  EXPECT_EQ(Dates(r.dailyRows),
            (std::vector<std::string>{"1/4/2004", "15/3/2004", "7/3/2004", "31/12/2003"}));
  EXPECT_EQ(Dates(r.monthlyRows), (std::vector<std::string>{"4/2004", "3/2004", "12/2003"}));
  EXPECT_EQ(r.monthlyRows[1].received, "6,83 Ko");  // 7000 octets
  EXPECT_EQ(r.sinceCaption, "Transferts depuis le 31/12/2003");
  EXPECT_EQ(r.since.received, "13,67Ko");  // 14000 octets
}

TEST_F(TotalsComputationTest, ADaySplitByAnotherGivesTwoRowsWithOneDate) {
  const TotalsReport r =
      Run({{2026, 4, 1, 100, 1}, {2026, 4, 2, 200, 2}, {2026, 4, 1, 300, 3}}, today_);
  EXPECT_EQ(Dates(r.dailyRows), (std::vector<std::string>{"1/4/2026", "2/4/2026", "1/4/2026"}));
  EXPECT_EQ(r.dailyRows[0].received, "300 octets");
  EXPECT_EQ(r.dailyRows[2].received, "100 octets");
  EXPECT_EQ(Dates(r.monthlyRows), (std::vector<std::string>{"4/2026"}));
}

TEST_F(TotalsComputationTest, TheForecastScalesTheMonthSoFarToItsLength) {
  // 2,048,000 ÷ 10 × 31 = 6,348,800 octets; the sent forecast, 3,100, follows its Mo unit.
  const TotalsReport r =
      Run({{2026, 4, 30, 9000000, 9000000}, {2026, 5, 1, 1024000, 400}, {2026, 5, 9, 1024000, 600}},
          {2026, 5, 10, 9, 0, 0});
  EXPECT_EQ(Figures(r.forecast), (std::vector<std::string>{"6,05Mo", "0Mo", "6,05Mo"}));
}

struct MonthLengthCase {
  DateTime today;
  const char* received;  // 1,000,000 octets so far, on the 10th
};

class TotalsForecastMonthTest : public TotalsComputationTest,
                                public ::testing::WithParamInterface<MonthLengthCase> {};

TEST_P(TotalsForecastMonthTest, CountsTheGregorianDaysInTheMonth) {
  const MonthLengthCase& c = GetParam();
  const TotalsReport r = Run({{c.today.year, c.today.month, 1, 1000000, 0}}, c.today);
  EXPECT_EQ(r.forecast.received, c.received);
}

INSTANTIATE_TEST_SUITE_P(Months, TotalsForecastMonthTest,
                         ::testing::Values(MonthLengthCase{{2024, 2, 10}, "2,76Mo"},    // 29 days
                                           MonthLengthCase{{2028, 2, 10}, "2,76Mo"},    // 29 days
                                           MonthLengthCase{{2000, 2, 10}, "2,76Mo"},    // 29 days
                                           MonthLengthCase{{2100, 2, 10}, "2,67Mo"},    // 28 days
                                           MonthLengthCase{{2400, 2, 10}, "2,76Mo"},    // 29 days
                                           MonthLengthCase{{2023, 2, 10}, "2,67Mo"},    // 28 days
                                           MonthLengthCase{{2026, 4, 10}, "2,86Mo"},    // 30 days
                                           MonthLengthCase{{2026, 12, 10}, "2,95Mo"}),  // 31 days
                         [](const ::testing::TestParamInfo<MonthLengthCase>& info) {
                           return ::kirv::testing::CaseName(
                               {::kirv::FormatDateTime(info.param.today, "yyyy-mm")});
                         });

TEST_F(TotalsComputationTest, TheForecastCountsEveryRecordOfThisMonthEvenWhenSplit) {
  // A clock set back wrote an April record between two May records.
  const TotalsReport r =
      Run({{2026, 5, 1, 1024000, 0}, {2026, 4, 20, 5, 0}, {2026, 5, 9, 1024000, 0}}, {2026, 5, 10});
  EXPECT_EQ(r.forecast.received, "6,05Mo");
}

TEST_F(TotalsComputationTest, TheForecastIgnoresAnArchiveThatEndsBeforeThisMonth) {
  const TotalsReport r = Run({{2026, 3, 2, 2048000, 0}}, {2026, 5, 10});
  EXPECT_EQ(Figures(r.forecast), (std::vector<std::string>{"0 octets", "0 octets", "0 octets"}));
}

TEST_F(TotalsComputationTest, TotalsKeepSmallRecordsAddedToLargeOnes) {
  // Newest first: eight full records make 2^34 - 8 octets, then 20,000 records of 1,000 octets,
  // each of which single precision would round away.
  std::vector<Rec> records(20000, Rec{2026, 4, 20, 1000, 1});
  records.insert(records.end(), 8, Rec{2026, 4, 20, 2147483647, 1});
  const TotalsReport r = Run(records, today_);
  EXPECT_EQ(r.since.received, "16,01Go");
  EXPECT_EQ(r.today.received, "16,01Go");
}

constexpr std::uint64_t kLargest = 9223372036854775807ULL;  // 2^63 - 1
constexpr std::uint64_t kQuarter = 4611686018427387904ULL;  // 2^62

struct SaturationCase {
  const char* name;
  std::vector<Rec> records;  // all of today, oldest first
  std::uint64_t receivedOctets;
  std::vector<std::string> since;  // received, sent, both
};

void PrintTo(const SaturationCase& c, std::ostream* os) { *os << c.name; }

class TotalsSaturation : public TotalsComputationTest,
                         public ::testing::WithParamInterface<SaturationCase> {};

TEST_P(TotalsSaturation, TotalsStopAtTheLargestCountInsteadOfWrapping) {
  const SaturationCase& c = GetParam();
  const TotalsReport r = Run(c.records, today_);
  ASSERT_EQ(r.dailyRows.size(), 1u);
  EXPECT_EQ(r.dailyRows[0].receivedOctets, c.receivedOctets);
  EXPECT_EQ(r.monthlyRows.back().receivedOctets, c.receivedOctets);
  EXPECT_EQ(Figures(r.since), c.since);
  EXPECT_EQ(Figures(r.today), c.since);
}

// 2^63 octets are 8589934592 Go; two sums of 2^63 - 1 add up to 17179869184 Go exactly.
INSTANTIATE_TEST_SUITE_P(
    Limits, TotalsSaturation,
    ::testing::Values(SaturationCase{"OneLargestCount",
                                     {{2026, 4, 20, kLargest, kLargest}},
                                     kLargest,
                                     {"8589934592Go", "8589934592Go", "17179869184Go"}},
                      // Unchecked, 2^64 - 2 octets: 17179869184 Go.
                      SaturationCase{"TwoLargestCountsStopAt2To63",
                                     {{2026, 4, 20, kLargest, 1}, {2026, 4, 20, kLargest, 1}},
                                     kLargest,
                                     {"8589934592Go", "0Go", "8589934592Go"}},
                      // Unchecked, five times 2^62 wraps to 2^62: 4294967296 Go.
                      SaturationCase{"FiveQuartersStopAt2To63",
                                     std::vector<Rec>(5, Rec{2026, 4, 20, kQuarter, 1024}),
                                     kLargest,
                                     {"8589934592Go", "0Go", "8589934592Go"}},
                      SaturationCase{"ACountOf2To63IsNotANumber",
                                     {{2026, 4, 20, kLargest + 1, 2048}},
                                     0,
                                     {"0Ko", "2Ko", "2Ko"}}),
    [](const ::testing::TestParamInfo<SaturationCase>& info) { return info.param.name; });

TEST_F(TotalsComputationTest, BadRecordsAreSkippedAndTheRestCounted) {
  WriteFile(kArchive,
            "F31/02/2026 12:00:00D9000U9000\r\n"  // no such date, oldest line
            "F19/04/2026 12:00:00D1000U2000\r\n"
            "F20/04/2026 12:00:00D9000\r\n"  // no "U"
            "F20/04/2026 12:00:00U9000\r\n"  // "U" before position 21
            "F20/04/2026\r\n"                // too short
            "F\r\n"
            "F00/04/2026 12:00:00D9000U9000\r\n"  // day 0
            "F20/13/2026 12:00:00D9000U9000\r\n"  // month 13
            "Fxx/04/2026 12:00:00D9000U9000\r\n"  // day not a number
            "F20/04/2026 12:00:00DabcU100\r\n"    // received not a number: 0
            "F20/04/2026 12:00:00D3000U3900\r\n");
  const TotalsReport r = RunOnFile(today_);
  EXPECT_EQ(Figures(r.since), (std::vector<std::string>{"3,9Ko", "5,85Ko", "9,76Ko"}));
  EXPECT_EQ(Dates(r.dailyRows), (std::vector<std::string>{"20/4/2026", "19/4/2026"}));
  EXPECT_EQ(r.sinceCaption, "Transferts depuis le 19/4/2026");
}

struct DateRunCase {
  const char* name;
  std::string lines;  // oldest first
  std::vector<std::string> days;
  std::uint64_t received;  // of the newest day
  std::uint64_t skipped;
};

class TotalsDateRunTest : public TotalsComputationTest,
                          public ::testing::WithParamInterface<DateRunCase> {};

// Records of one date text are read as a run: whatever sits between them, each keeps its own
// date and is skipped or counted on its own.
TEST_P(TotalsDateRunTest, ReadsEachRecordOfARunOnItsOwn) {
  const DateRunCase& c = GetParam();
  WriteFile(kArchive, c.lines);
  const TotalsReport r = RunOnFile(today_);
  EXPECT_EQ(Dates(r.dailyRows), c.days);
  EXPECT_EQ(r.dailyRows.front().receivedOctets, c.received);
  EXPECT_EQ(r.skippedRecords, c.skipped);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, TotalsDateRunTest,
    ::testing::Values(
        DateRunCase{"AnImpossibleDateRepeated",
                    "F19/04/2026 12:00:00D5U5\r\nF31/02/2026 12:00:00D1U1\r\n"
                    "F31/02/2026 12:05:00D1U1\r\n",
                    {"19/4/2026"},
                    5,
                    2},
        DateRunCase{"ABareDateInsideARun",
                    "F20/04/2026 12:00:00D7U7\r\nF20/04/2026\r\nF20/04/2026 12:05:00D1U1\r\n",
                    {"20/4/2026"},
                    8,
                    1},
        DateRunCase{"AShortDateOfOtherDigitsInsideARun",
                    "F20/04/2026 12:00:00D7U7\r\nF20/04/20\r\nF20/04/2026 12:05:00D1U1\r\n",
                    {"20/4/2026"},
                    8,
                    1},
        DateRunCase{"ARecordWithoutUInsideARun",
                    "F20/04/2026 12:00:00D7U7\r\nF20/04/2026 12:02:00D9\r\n"
                    "F20/04/2026 12:05:00D1U1\r\n",
                    {"20/4/2026"},
                    8,
                    1},
        DateRunCase{"ADateWithOneDigitChanged",
                    "F20/04/2026 12:00:00D7U7\r\nF20/04/2025 12:00:00D2U2\r\n"
                    "F20/04/2026 12:05:00D1U1\r\n",
                    {"20/4/2026", "20/4/2025", "20/4/2026"},
                    1,
                    0},
        DateRunCase{"ARunAfterALineWithoutF",
                    "F20/04/2026 12:00:00D7U7\r\n20/04/2026 12:02:00D9U9\r\n"
                    "F20/04/2026 12:05:00D1U1\r\n",
                    {"20/4/2026"},
                    8,
                    1}),
    [](const ::testing::TestParamInfo<DateRunCase>& info) { return info.param.name; });

// A large archive is read in parts side by side: wherever the cuts fall, inside a day, a month,
// a run of bad lines or a sum that saturates, the report is the one a single pass gives.
TEST_F(TotalsComputationTest, AnArchiveReadInPartsGivesTheReportOfOnePass) {
  std::string mixed;
  for (int i = 0; i < 2000; ++i) {
    const int day = 1 + i / 40 % 28;
    const int month = 1 + i / 1120 % 12;
    mixed += FormatRecord({2026, month + 2, day, i % 24, 5, 0}, 1000003ULL * (i % 97), i % 13);
    if (i % 61 == 0) mixed += "F31/02/2026 12:00:00D9U9\r\n";
    if (i % 89 == 0) mixed += "junk without a record\r\n";
  }
  struct SplitCase {
    const char* name;
    std::string bytes;
  };
  const std::vector<SplitCase> cases = {
      {"days, months and bad lines", mixed},
      {"one day of saturating sums", Lines(std::vector<Rec>(40, Rec{2026, 4, 20, kQuarter, 7}))},
      {"a torn last line", mixed + "F20/04/2026 12:05:00D1U"},
      {"small days after large ones",
       Lines({{2026, 4, 18, 5000000000, 1}, {2026, 4, 19, 900, 2}, {2026, 4, 20, 100, 3}})},
  };
  auto everything = [this](ScanSplit split) {
    TotalsComputation computation(split);
    const TotalsReport r = computation.Run(kArchive, today_, kComma).value();
    return TotalsReportText(kArchive, r, kComma) + TotalsCsvRows(kArchive, r) +
           std::to_string(r.skippedRecords);
  };
  for (const SplitCase& c : cases) {
    WriteFile(kArchive, c.bytes);
    const std::string onePass = everything({1, 0});
    for (std::size_t parts : {2, 3, 5, 16}) {
      EXPECT_EQ(everything({parts, 1}), onePass) << c.name << ", " << parts << " parts";
    }
  }
}

TEST_F(TotalsComputationTest, TheDecimalSeparatorComesFromTheNumberFormat) {
  WriteFile(kArchive, Lines({{2026, 4, 20, 150000, 0}}));
  const std::optional<TotalsReport> r = totals_.Run(kArchive, today_, NumberFormat{'.'});
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->today.received, "146.48Ko");
}

TEST_F(TotalsComputationTest, ARightClickOnADayOpensTheGraphOnTheNextDay) {
  const TotalsReport r =
      Run({{2004, 3, 7, 5, 5}, {2024, 2, 29, 5, 5}, {2026, 12, 31, 5, 5}}, today_);
  ASSERT_EQ(Dates(r.dailyRows), (std::vector<std::string>{"31/12/2026", "29/2/2024", "7/3/2004"}));
  EXPECT_EQ(GraphDayOfGridRow(r, 1), (DateTime{2027, 1, 1}));
  EXPECT_EQ(GraphDayOfGridRow(r, 2), (DateTime{2024, 3, 1}));
  EXPECT_EQ(GraphDayOfGridRow(r, 3), (DateTime{2004, 3, 8}));
}

TEST_F(TotalsComputationTest, ARightClickOffTheDaysOpensNothing) {
  const TotalsReport r = Run({{2004, 3, 7, 5, 5}}, today_);
  EXPECT_EQ(GraphDayOfGridRow(r, 0), std::nullopt);  // header
  EXPECT_EQ(GraphDayOfGridRow(r, 2), std::nullopt);
  EXPECT_EQ(GraphDayOfGridRow(r, -1), std::nullopt);
  EXPECT_EQ(GraphDayOfGridRow(Run({}, today_), 1), std::nullopt);  // the row without a date
}

TEST(TotalsGridHeader, NamesTheFourColumns) {
  EXPECT_EQ(std::vector<std::string>(kTotalsGridHeader.begin(), kTotalsGridHeader.end()),
            (std::vector<std::string>{"Date", "DL", "UL", "Total"}));
}

// Units and captions are the format's texts; the dates and numbers are not.
struct LanguageCase {
  const char* language;
  std::map<std::string, std::string> texts;
  std::vector<std::string> today;
  std::vector<std::string> olderDay;
  std::string sinceCaption;
  std::string reportStart;
};

class TotalsLanguageTest : public testing::TempDirectoryTest,
                           public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(TotalsLanguageTest, UnitsAndCaptionsFollowTheLanguageOfTheFormat) {
  const LanguageCase& c = GetParam();
  const testing::FakeTextCatalogue catalogue(c.texts);
  const NumberFormat format{',', &catalogue};
  WriteFile(kArchive, Lines({{2026, 4, 19, 150000, 50000}, {2026, 4, 20, 500, 20}}));
  const TotalsReport r =
      TotalsComputation().Run(kArchive, {2026, 4, 20, 18, 30, 0}, format).value();
  EXPECT_EQ(Figures(r.today), c.today);
  ASSERT_EQ(r.dailyRows.size(), 2u);
  EXPECT_EQ(Figures(r.dailyRows[1]), c.olderDay);
  EXPECT_EQ(r.sinceCaption, c.sinceCaption);
  EXPECT_EQ(TotalsReportText(kArchive, r, format).substr(0, c.reportStart.size()), c.reportStart);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TotalsLanguageTest,
    ::testing::Values(
        LanguageCase{"French",
                     {},
                     {"500 octets", "20 octets", "520 octets"},
                     {"146,48 Ko", "48,82 Ko", "195,31 Ko"},
                     "Transferts depuis le 19/4/2026",
                     "Carte reseau.mdf\n\nTotaux/Prévisions\n  Transferts d'aujourd'hui\n"
                     "    Récéption:        500 octets\n"},
        LanguageCase{"English",
                     {{" octets", " bytes"},
                      {" Ko", " KB"},
                      {"Transferts depuis le", "Transfers since"},
                      {"Totaux/Prévisions", "Totals/Forecast"},
                      {"Transferts d'aujourd'hui", "Today's transfers"},
                      {"Récéption:", "Received:"},
                      {"Deux directions:", "Both directions:"}},
                     {"500 bytes", "20 bytes", "520 bytes"},
                     {"146,48 KB", "48,82 KB", "195,31 KB"},
                     "Transfers since 19/4/2026",
                     "Carte reseau.mdf\n\nTotals/Forecast\n  Today's transfers\n"
                     "    Received:         500 bytes\n"}),
    [](const auto& info) { return std::string(info.param.language); });

}  // namespace
}  // namespace kirv
