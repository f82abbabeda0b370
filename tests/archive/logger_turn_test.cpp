#include "archive/logger_turn.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fakes/fake_services.h"
#include "temp_directory.h"

namespace kirv {
namespace {

// The turn at the tick; another process wrote before a turn other than kWrite.
struct TurnCase {
  const char* name;
  WriterTurn turn;
  const char* tickLine;             // the record of the tick, "" for none
  const char* archive;              // at quit
  int saves;                        // of the baselines, at the tick and at quit
  std::vector<int> savesWhenShown;  // the saves made before each showing of the records
};

class LoggerTurnTest : public testing::TempDirectoryTest,
                       public ::testing::WithParamInterface<TurnCase> {};

TEST_P(LoggerTurnTest, WritesAndLeavesTheBaselinesOnlyWhenThisProcessWrites) {
  const TurnCase& c = GetParam();
  testing::FakeServices fakes;
  fakes.interfaces.Add("eth0", 1000, 1000);
  StatisticsLogger logger(fakes.interfaces, fakes.clock, fakes.dialogs, {}, [](auto) {});
  const std::vector<MonitorEntry> entries = {{"eth0", true}};
  const auto traffic = [&](std::uint64_t in, std::uint64_t out, int minute) {
    fakes.interfaces.Row("eth0").inOctets += in;
    fakes.interfaces.Row("eth0").outOctets += out;
    fakes.clock.now.minute = minute;
  };
  fakes.writerLock.elsewhere = c.turn != WriterTurn::kWrite;
  EXPECT_EQ(StartLoggerTurns(fakes.writerLock, logger, entries), c.turn == WriterTurn::kWrite);
  traffic(5000, 600, 5);
  fakes.writerLock.turn = c.turn;
  // What the records say is shown before their baselines are left.
  std::string shown;
  std::vector<int> savesWhenShown;
  const LoggerDisplaysSink show = [&](const LoggerDisplays& displays) {
    shown += displays.Label6.value_or("");
    savesWhenShown.push_back(fakes.writerLock.saves);
  };
  EXPECT_EQ(TakeLoggerTurn(fakes.writerLock, logger, entries, show), c.turn);
  EXPECT_EQ(shown, c.tickLine);
  traffic(100, 20, 7);
  EndLoggerTurns(fakes.writerLock, logger, entries, show);
  EXPECT_EQ(ReadFile("eth0.mdf"), c.archive);
  EXPECT_EQ(fakes.writerLock.saves, c.saves);
  EXPECT_EQ(savesWhenShown, c.savesWhenShown);
}

INSTANTIATE_TEST_SUITE_P(
    LoggerTurn, LoggerTurnTest,
    ::testing::Values(
        TurnCase{"WriteRecordsTheTickAndTheQuit",
                 WriterTurn::kWrite,
                 "F20/04/2026 10:05:00D5000U600",
                 "F20/04/2026 10:05:00D5000U600\r\nF20/04/2026 10:07:00D100U20\r\n",
                 2,
                 {0, 1}},
        TurnCase{"TakenOverTakesTheBaselinesAndRecordsFromThen",
                 WriterTurn::kTakenOver,
                 "",
                 "F20/04/2026 10:07:00D100U20\r\n",
                 1,
                 {0}},
        TurnCase{"ElsewhereRecordsNothingEvenAtQuit", WriterTurn::kElsewhere, "", "", 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kirv
