#include "archive/clock_rule.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace kirv {
namespace {

struct StampCase {
  const char* name;
  DateTime stamp;
  std::optional<DateTime> newest;
  int repeatedSeconds;
  std::optional<DateTime> behindSince;
  StampVerdict verdict;
};

void PrintTo(const StampCase& c, std::ostream* os) { *os << c.name; }

class StampRule : public ::testing::TestWithParam<StampCase> {};

TEST_P(StampRule, NeverGoesBeforeTheNewestRecordButInARepeatedHour) {
  const StampCase& c = GetParam();
  EXPECT_EQ(JudgeStamp(c.stamp, c.newest, c.repeatedSeconds, c.behindSince), c.verdict);
}

constexpr auto kWrite = StampVerdict::kWrite;
constexpr auto kCarry = StampVerdict::kCarry;
constexpr auto kWriteBehind = StampVerdict::kWriteBehind;
const DateTime kNewest{2026, 10, 25, 2, 55, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, StampRule,
    ::testing::Values(
        StampCase{"EmptyArchive", {2000, 1, 1, 0, 5, 0}, std::nullopt, 0, std::nullopt, kWrite},
        StampCase{"After", {2026, 10, 25, 3, 0, 0}, kNewest, 0, std::nullopt, kWrite},
        StampCase{"SameSecond", kNewest, kNewest, 0, std::nullopt, kWrite},
        StampCase{"OneSecondBehind", {2026, 10, 25, 2, 54, 59}, kNewest, 0, std::nullopt, kCarry},
        StampCase{"RtcResetAtBoot", {2000, 1, 1, 0, 5, 0}, kNewest, 0, std::nullopt, kCarry},
        StampCase{"SteppedForwardAYear", {2027, 10, 25, 2, 0, 0}, kNewest, 0, std::nullopt, kWrite},
        // A year-2000 record at the end of the archive holds nothing up.
        StampCase{"GlitchRecordAtTheEnd",
                  {2026, 12, 9, 1, 0, 0},
                  DateTime{2000, 1, 1, 0, 5, 0},
                  0,
                  std::nullopt,
                  kWrite},
        // 02:05 CET after 02:55 CEST, in the hour that the end of summer time repeats.
        StampCase{"RepeatedHour", {2026, 10, 25, 2, 5, 0}, kNewest, 3600, std::nullopt, kWrite},
        StampCase{"BeyondTheRepeatedHour",
                  {2026, 10, 25, 1, 54, 59},
                  kNewest,
                  3600,
                  std::nullopt,
                  kCarry},
        StampCase{
            "RepeatedHalfHour", {2026, 10, 25, 2, 20, 0}, kNewest, 1800, std::nullopt, kCarry},
        // A newest record of a clock that was wrongly a month ahead is waited for a day.
        StampCase{"WaitedLessThanADay",
                  {2026, 9, 26, 2, 54, 59},
                  kNewest,
                  0,
                  DateTime{2026, 9, 25, 2, 55, 0},
                  kCarry},
        StampCase{"WaitedADay",
                  {2026, 9, 26, 2, 55, 0},
                  kNewest,
                  0,
                  DateTime{2026, 9, 25, 2, 55, 0},
                  kWriteBehind}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kirv
