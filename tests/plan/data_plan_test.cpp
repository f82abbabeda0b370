#include "plan/data_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/record.h"
#include "archive/temp_directory.h"
#include "case_name.h"
#include "plan/plan_reading.h"

namespace kirv {
namespace {

std::string Day(const DateTime& t) { return FormatDateTime(t, "dd/mm/yyyy"); }

struct PeriodCase {
  const char* name;
  PlanPeriodRule rule;
  DateTime day;
  DateTime start;
  DateTime lastDay;
};

PlanPeriodRule Monthly(int d) { return {PlanPeriodKind::kMonthly, d, 30, {}}; }
PlanPeriodRule Every28() { return {PlanPeriodKind::kEveryDays, 1, 28, {2026, 1, 10}}; }

class PlanPeriodTest : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(PlanPeriodTest, HoldsTheDayFromItsStartToTheDayBeforeTheNextStart) {
  const PeriodCase& c = GetParam();
  const PlanPeriod p = PeriodOf(c.rule, c.day);
  EXPECT_EQ(Day(p.start), Day(c.start));
  EXPECT_EQ(Day(p.lastDay), Day(c.lastDay));
}

INSTANTIATE_TEST_SUITE_P(
    Periods, PlanPeriodTest,
    ::testing::Values(
        PeriodCase{"FirstOfTheMonthInALeapFebruary",
                   Monthly(1),
                   {2024, 2, 15},
                   {2024, 2, 1},
                   {2024, 2, 29}},
        PeriodCase{
            "FirstOfTheMonthOnItsFirstDay", Monthly(1), {2023, 3, 1}, {2023, 3, 1}, {2023, 3, 31}},
        PeriodCase{"FirstOfTheMonthOnNewYearsEve",
                   Monthly(1),
                   {2026, 12, 31},
                   {2026, 12, 1},
                   {2026, 12, 31}},
        PeriodCase{"FifteenthFromDecemberToJanuary",
                   Monthly(15),
                   {2027, 1, 14},
                   {2026, 12, 15},
                   {2027, 1, 14}},
        PeriodCase{"FifteenthInFebruary", Monthly(15), {2025, 2, 15}, {2025, 2, 15}, {2025, 3, 14}},
        PeriodCase{"TwentyEighthBeforeACommonFebruaryStart",
                   Monthly(28),
                   {2023, 2, 27},
                   {2023, 1, 28},
                   {2023, 2, 27}},
        PeriodCase{"TwentyEighthInALeapFebruary",
                   Monthly(28),
                   {2024, 2, 29},
                   {2024, 2, 28},
                   {2024, 3, 27}},
        PeriodCase{"TwentyNinthHeldToACommonFebruary",
                   Monthly(29),
                   {2023, 2, 28},
                   {2023, 2, 28},
                   {2023, 3, 28}},
        PeriodCase{"TwentyNinthBeforeALeapFebruaryStart",
                   Monthly(29),
                   {2024, 2, 28},
                   {2024, 1, 29},
                   {2024, 2, 28}},
        PeriodCase{
            "TwentyNinthOnALeapDay", Monthly(29), {2024, 2, 29}, {2024, 2, 29}, {2024, 3, 28}},
        PeriodCase{"ThirtiethHeldToACommonFebruary",
                   Monthly(30),
                   {2023, 3, 1},
                   {2023, 2, 28},
                   {2023, 3, 29}},
        PeriodCase{"ThirtiethHeldToALeapFebruary",
                   Monthly(30),
                   {2024, 2, 28},
                   {2024, 1, 30},
                   {2024, 2, 28}},
        PeriodCase{"ThirtiethOnALeapDay", Monthly(30), {2024, 2, 29}, {2024, 2, 29}, {2024, 3, 29}},
        PeriodCase{"ThirtyFirstEndsBeforeACommonFebruary",
                   Monthly(31),
                   {2023, 2, 27},
                   {2023, 1, 31},
                   {2023, 2, 27}},
        PeriodCase{"ThirtyFirstFromACommonFebruary",
                   Monthly(31),
                   {2023, 2, 28},
                   {2023, 2, 28},
                   {2023, 3, 30}},
        PeriodCase{
            "ThirtyFirstFromALeapDay", Monthly(31), {2024, 3, 30}, {2024, 2, 29}, {2024, 3, 30}},
        PeriodCase{
            "ThirtyFirstHeldToApril", Monthly(31), {2024, 5, 1}, {2024, 4, 30}, {2024, 5, 30}},
        PeriodCase{"ThirtyFirstFromDecemberToJanuary",
                   Monthly(31),
                   {2027, 1, 1},
                   {2026, 12, 31},
                   {2027, 1, 30}},
        PeriodCase{"DailyIsTheDayAlone",
                   {PlanPeriodKind::kDaily, 1, 30, {}},
                   {2024, 2, 29},
                   {2024, 2, 29},
                   {2024, 2, 29}},
        PeriodCase{"EveryTwentyEightDaysOnTheFirstDay",
                   Every28(),
                   {2026, 1, 10},
                   {2026, 1, 10},
                   {2026, 2, 6}},
        PeriodCase{"EveryTwentyEightDaysOnTheLastDayOfThePeriod",
                   Every28(),
                   {2026, 2, 6},
                   {2026, 1, 10},
                   {2026, 2, 6}},
        PeriodCase{"EveryTwentyEightDaysInTheNextPeriod",
                   Every28(),
                   {2026, 2, 7},
                   {2026, 2, 7},
                   {2026, 3, 6}},
        PeriodCase{"EveryTwentyEightDaysTheDayBeforeTheFirstDay",
                   Every28(),
                   {2026, 1, 9},
                   {2025, 12, 13},
                   {2026, 1, 9}},
        PeriodCase{"EveryTwentyEightDaysTwoPeriodsBeforeTheFirstDay",
                   Every28(),
                   {2025, 12, 12},
                   {2025, 11, 15},
                   {2025, 12, 12}}),
    [](const ::testing::TestParamInfo<PeriodCase>& info) { return info.param.name; });

// The figures that the table checks, in the order of PlanFigures.
struct Figures {
  std::uint64_t used;
  std::uint64_t usedToday;
  std::uint64_t remaining;
  std::uint64_t percent;
  std::uint64_t allowanceToday;
  std::int64_t leftToday;
  std::uint64_t estimate;
  PlanLevel level;
  friend bool operator==(const Figures&, const Figures&) = default;
};

void PrintTo(const Figures& f, std::ostream* os) {
  *os << "used " << f.used << ", today " << f.usedToday << ", remaining " << f.remaining << ", "
      << f.percent << " %, allowance " << f.allowanceToday << ", left " << f.leftToday
      << ", estimate " << f.estimate << ", " << PlanLevelName(f.level);
}

struct FiguresCase {
  const char* name;
  std::vector<testing::ArchiveLine> records;  // oldest first
  std::string extraLines;                     // appended as they are
  PlanCount count;
  Figures figures;
  std::uint64_t skipped = 0;
};

constexpr std::uint64_t kMax = kLargestCount;

// A record at noon of a day of 2026.
testing::ArchiveLine At(int month, int day, std::uint64_t received, std::uint64_t sent) {
  return {{2026, month, day, 12, 0, 0}, received, sent};
}

class PlanFiguresTest : public testing::TempDirectoryTest,
                        public ::testing::WithParamInterface<FiguresCase> {};

// A plan of 1000 octets a month from the 1st, warned at 80 %, on 10 April 2026: 30 days, 21 left.
TEST_P(PlanFiguresTest, FollowTheRecordsOfThePeriodUpToTheDay) {
  const FiguresCase& c = GetParam();
  WriteArchive("eth0.mdf", c.records);
  WriteFile("eth0.mdf", ReadFile("eth0.mdf") + c.extraLines);
  DataPlan plan;
  plan.limit = 1000;
  plan.count = c.count;
  const PlanReading r = ReadPlan(plan, {"eth0.mdf"}, {2026, 4, 10, 23, 0, 0});
  const PlanFigures& f = r.figures;
  EXPECT_EQ((Figures{f.used, f.usedToday, f.remaining, f.percent, f.allowanceToday, f.leftToday,
                     f.estimate, f.level}),
            c.figures);
  EXPECT_EQ(f.days, 30);
  EXPECT_EQ(f.daysLeft, 21);
  EXPECT_EQ(r.skippedRecords, c.skipped);
}

constexpr PlanCount kBoth = PlanCount::kBoth;

INSTANTIATE_TEST_SUITE_P(
    Plans, PlanFiguresTest,
    ::testing::Values(
        FiguresCase{"NothingUsed", {}, "", kBoth, {0, 0, 1000, 0, 47, 47, 0, PlanLevel::kOk}},
        // 500 before today, so today may take (1000 - 500) / 21 = 23 and went 277 over.
        FiguresCase{"ExactlyAtTheWarningLevelWithANegativeLeftToday",
                    {At(4, 1, 400, 100), At(4, 10, 300, 0)},
                    "",
                    kBoth,
                    {800, 300, 200, 80, 23, -277, 2400, PlanLevel::kWarning}},
        FiguresCase{"OneOctetBelowTheWarningLevel",
                    {At(4, 1, 400, 99), At(4, 10, 300, 0)},
                    "",
                    kBoth,
                    {799, 300, 201, 79, 23, -277, 2397, PlanLevel::kOk}},
        FiguresCase{"ExactlyAtTheLimit",
                    {At(4, 1, 600, 400)},
                    "",
                    kBoth,
                    {1000, 0, 0, 100, 0, 0, 3000, PlanLevel::kReached}},
        FiguresCase{"OverTheLimit",
                    {At(4, 2, 1000, 0), At(4, 10, 250, 250)},
                    "",
                    kBoth,
                    {1500, 500, 0, 150, 0, -500, 5000, PlanLevel::kReached}},
        // The estimate runs from the first record, 6 April: 150 over 5 days, 30 days. A day
        // of one record has an estimate of 30 times that day.
        FiguresCase{"FirstRecordInMidPeriod",
                    {At(4, 6, 60, 40), At(4, 10, 30, 20)},
                    "",
                    kBoth,
                    {150, 50, 850, 15, 42, -8, 900, PlanLevel::kOk}},
        // March counts for neither the used octets nor the start of the estimate; 11 April
        // is after the day.
        FiguresCase{"OnlyTheDaysOfThePeriodUpToTheDayCount",
                    {At(3, 31, 5000, 5000), At(4, 5, 20, 0), At(4, 11, 700, 0)},
                    "",
                    kBoth,
                    {20, 0, 980, 2, 46, 46, 60, PlanLevel::kOk}},
        FiguresCase{"ReceivedAlone",
                    {At(4, 10, 300, 600)},
                    "",
                    PlanCount::kReceived,
                    {300, 300, 700, 30, 47, -253, 9000, PlanLevel::kOk}},
        FiguresCase{"SentAlone",
                    {At(4, 10, 300, 600)},
                    "",
                    PlanCount::kSent,
                    {600, 600, 400, 60, 47, -553, 18000, PlanLevel::kOk}},
        FiguresCase{"AnUnparsableLineIsSkipped",
                    {At(4, 10, 100, 100)},
                    "F10/04/2026 13:00:00D999\r\nF31/04/2026 13:05:00D1U1\r\n",
                    kBoth,
                    {200, 200, 800, 20, 47, -153, 6000, PlanLevel::kOk},
                    2},
        // Today alone holds the whole used count once it stops, so nothing came before it.
        FiguresCase{"SumsStopAtTheLargestCount",
                    {At(4, 1, kMax, kMax), At(4, 10, kMax, 1)},
                    "",
                    kBoth,
                    {kMax, kMax, 0, kMax / 10, 47, 47 - static_cast<std::int64_t>(kMax), kMax,
                     PlanLevel::kReached}}),
    [](const ::testing::TestParamInfo<FiguresCase>& info) { return info.param.name; });

// Two archives count together, day by day.
TEST_F(PlanFiguresTest, SumsEveryArchiveOfThePlan) {
  WriteArchive("a.mdf", {At(4, 9, 100, 0)});
  WriteArchive("b.mdf", {At(4, 9, 0, 50), At(4, 10, 7, 0)});
  DataPlan plan;
  plan.limit = 1000;
  const PlanFigures f = ReadPlan(plan, {"a.mdf", "b.mdf", "missing.mdf"}, {2026, 4, 10}).figures;
  EXPECT_EQ(f.used, 157u);
  EXPECT_EQ(f.usedToday, 7u);
  EXPECT_EQ(f.estimate, 157u * 30 / 2);
}

}  // namespace
}  // namespace kirv
