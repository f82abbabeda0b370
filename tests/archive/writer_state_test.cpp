// The baselines a writer left beside the lock: which ones the next writer starts from.

#include "archive/writer_state.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_services.h"

namespace kirv {
namespace {

using Baseline = StatisticsLogger::Baseline;

const std::string kHead = "KIRV writer state 1\nboot boot-1\n";
const std::string kSaved = kHead + "2 1000 2000 eth0\n";
const Baseline kSavedEth0{2, 1000, 2000};
const Baseline kNow{2, 5000, 6000};  // eth0's counters in the table

enum Eth0 { kSameLink, kNewIndex, kGone };

struct StateCase {
  std::string name;
  std::string text;
  std::string bootNow;
  Eth0 eth0;             // what became of eth0 since the state was saved
  Baseline expected;     // eth0's baseline afterwards
  bool readable = true;  // else the state is ignored with a reason
};

class WriterStateTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(WriterStateTest, TheNextWriterStartsFromTheSavedCountersOfTheSameLink) {
  const StateCase& c = GetParam();
  testing::FakeInterfaceTable table;
  table.Add("lo", 7, 7);
  table.Add("eth0", 5000, 6000);
  if (c.eth0 != kSameLink) table.Remove("eth0");
  if (c.eth0 == kNewIndex) table.Add("eth0", 5000, 6000);
  testing::FakeClock clock;
  testing::FakeDialogs dialogs;
  StatisticsLogger logger(table, clock, dialogs, NumberFormat{}, [](std::string_view) {});
  const ParsedWriterState parsed = ParseWriterState(c.text, c.bootNow);
  EXPECT_EQ(parsed.baselines.has_value(), c.readable);
  EXPECT_EQ(parsed.error.empty(), c.readable) << parsed.error;
  logger.RestoreBaselines({{"eth0", true}}, parsed.baselines.value_or(SavedBaselines{}));
  EXPECT_EQ(logger.Baselines().at("eth0"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    States, WriterStateTest,
    ::testing::Values(
        StateCase{"SameBootAndIndex", kSaved, "boot-1", kSameLink, kSavedEth0},
        StateCase{"AsWritten",
                  FormatWriterState("boot-1", {{"eth0", kSavedEth0}, {"w", {3, 4, 5}}}), "boot-1",
                  kSameLink, kSavedEth0},
        StateCase{"OtherBoot", kSaved, "boot-2", kSameLink, kNow},
        StateCase{"BootUnknownNow", kSaved, "", kSameLink, kNow},
        StateCase{"GoneLinkWaitsWithTheSavedCounters", kSaved, "boot-1", kGone, kSavedEth0},
        StateCase{"OtherIndex", kSaved, "boot-1", kNewIndex, {3, 5000, 6000}},
        StateCase{"NotAState", "[KIRV]\nlo=true\n", "boot-1", kSameLink, kNow, false},
        StateCase{"TornLastLine", kHead + "2 1000 2000 eth", "boot-1", kSameLink, kNow, false},
        StateCase{"CounterBeyond64Bits", kHead + "2 18446744073709551616 2000 eth0\n", "boot-1",
                  kSameLink, kNow, false},
        StateCase{"NameTwice", kSaved + "2 1 1 eth0\n", "boot-1", kSameLink, kNow, false},
        StateCase{"IndexZero", kHead + "0 1000 2000 eth0\n", "boot-1", kSameLink, kNow, false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kirv
