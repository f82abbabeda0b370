#include "archive/statistics_logger.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/archive_file.h"
#include "fakes/fake_services.h"
#include "temp_directory.h"

namespace kirv {
namespace {

using Lines = std::vector<std::string>;

class StatisticsLoggerTest : public kirv::testing::TempDirectoryTest {
 protected:
  StatisticsLoggerTest() : logger_(table_, clock_, dialogs_, NumberFormat{','}) {}

  void SetCounters(std::size_t row, std::uint64_t in, std::uint64_t out) {
    table_.rows[row].inOctets = in;
    table_.rows[row].outOctets = out;
  }
  void At(int hour, int minute, int second = 0) {
    clock_.now = {2026, 4, 20, hour, minute, second};
  }

  static std::vector<std::string> FileNames() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(".")) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  kirv::testing::FakeInterfaceTable table_;
  kirv::testing::FakeClock clock_;
  kirv::testing::FakeDialogs dialogs_;
  StatisticsLogger logger_;
};

TEST_F(StatisticsLoggerTest, DoesNothingAtAllWhenNoInterfaceIsChecked) {
  table_.Add("eth0", 5000, 6000);
  table_.Add("lo", 5000, 6000);
  const LoggerDisplays d = logger_.Timer1Timer({{"eth0", false}, {"lo", false}});
  EXPECT_EQ(table_.snapshots, 0);
  EXPECT_FALSE(d.Label1 || d.Label4 || d.Label5 || d.Label6);
  EXPECT_TRUE(d.status.empty());
  EXPECT_TRUE(FileNames().empty());
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(StatisticsLoggerTest, AppendsTheGrowthSinceTheStartBaselines) {
  table_.Add("eth0", 1000000, 50000);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 1000000 + 1843200, 50000 + 204800);
  At(3, 10);
  const LoggerDisplays d = logger_.Timer1Timer(list);

  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 03:10:00D1843200U204800\r\n");
  EXPECT_EQ(d.Label1, "6ko/s");
  EXPECT_EQ(d.Label4, "0,666666666666667ko/s");
  EXPECT_EQ(d.Label5, "20/04/2026 03:10:00");
  EXPECT_EQ(d.Label6, "F20/04/2026 03:10:00D1843200U204800");
  EXPECT_EQ(d.status, (Lines{"LOG OK 03:10:00 0", "LOG OK 03:10:00 0 1"}));
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(StatisticsLoggerTest, AppendsOneLinePerTickToTheSameFile) {
  table_.Add("eth0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 100, 200);
  At(3, 10);
  logger_.Timer1Timer(list);
  SetCounters(0, 150, 290);
  At(3, 15);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 03:10:00D100U200\r\nF20/04/2026 03:15:00D50U90\r\n");
}

TEST_F(StatisticsLoggerTest, CarriesAReceiveOnlyPeriodIntoTheNextRecord) {
  table_.Add("eth0", 1000, 1000);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 1500, 1000);
  At(3, 10);
  const LoggerDisplays first = logger_.Timer1Timer(list);
  EXPECT_FALSE(ArchiveExists("eth0.mdf"));         // not even created
  EXPECT_EQ(first.Label5, "20/04/2026 03:10:00");  // the displays still show the period
  EXPECT_FALSE(first.Label6);
  EXPECT_TRUE(first.status.empty());

  SetCounters(0, 1700, 1300);
  At(3, 15);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 03:15:00D700U300\r\n");
}

TEST_F(StatisticsLoggerTest, CarriesASendOnlyPeriodToo) {
  table_.Add("eth0", 1000, 1000);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 1000, 1100);
  logger_.Timer1Timer(list);
  SetCounters(0, 1001, 1100);
  At(10, 5);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 10:05:00D1U100\r\n");
}

TEST_F(StatisticsLoggerTest, TakesTheWholeCountersOfARestartedInterface) {
  table_.Add("eth0", 900000, 800000);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 3000, 2000);  // the adapter came up again: counters from 0
  logger_.Timer1Timer(list);
  SetCounters(0, 3500, 2600);
  At(10, 5);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"),
            "F20/04/2026 10:00:00D3000U2000\r\nF20/04/2026 10:05:00D500U600\r\n");
}

TEST_F(StatisticsLoggerTest, WritesAGrowthBeyond32BitsInFull) {
  table_.Add("eth0", 4294967000ULL, 10);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 4294967000ULL + 6000000000ULL, 10 + 2147483648ULL);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 10:00:00D6000000000U2147483648\r\n");
}

TEST_F(StatisticsLoggerTest, TakesTheWholeCountersOfAnInterfaceCheckedDuringTheRun) {
  table_.Add("eth0", 700, 800);
  logger_.TakeBaselines({{"eth0", false}});
  logger_.Timer1Timer({{"eth0", true}});
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 10:00:00D700U800\r\n");
}

TEST_F(StatisticsLoggerTest, CreatesAndFindsAgainTheLongestNameThatFits) {
  const std::string name(300, 'n');  // 304 bytes with ".mdf": too long for a file name
  table_.Add(name, 0, 0);
  const std::vector<MonitorEntry> list = {{name, true}};
  SetCounters(0, 10, 20);
  At(3, 10);
  logger_.Timer1Timer(list);
  SetCounters(0, 15, 27);
  At(3, 15);
  logger_.Timer1Timer(list);

  const std::string shortened = std::string(251, 'n') + ".mdf";  // 255 bytes
  EXPECT_EQ(FileNames(), (Lines{shortened}));
  EXPECT_EQ(ReadFile(shortened), "F20/04/2026 03:10:00D10U20\r\nF20/04/2026 03:15:00D5U7\r\n");
}

TEST_F(StatisticsLoggerTest, UsesAShortenedNameThatAlreadyExistsAsItIs) {
  table_.Add("eth0", 0, 0);
  WriteFile("eth.mdf", "F01/01/2026 00:00:00D1U1\r\n");
  // "eth0.mdf" cannot be opened: a directory stands under that name.
  ASSERT_EQ(mkdir("eth0.mdf", 0700), 0);
  SetCounters(0, 10, 20);
  logger_.Timer1Timer({{"eth0", true}});
  EXPECT_EQ(ReadFile("eth.mdf"), "F01/01/2026 00:00:00D1U1\r\nF20/04/2026 10:00:00D10U20\r\n");
}

TEST_F(StatisticsLoggerTest, GivesUpAfter50FailedWritesAndStillAdvancesTheBaselines) {
  table_.Add("eth0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  ASSERT_EQ(symlink("/dev/full", "eth0.mdf"), 0);
  SetCounters(0, 1000, 2000);
  At(3, 10, 5);
  const LoggerDisplays d = logger_.Timer1Timer(list);
  EXPECT_EQ(d.status, (Lines{"LOG OK 03:10:05 0", "ERREUR ECRITURE 03:10:05",
                             "ERREUR ECRITURE 03:10:05 50"}));
  EXPECT_EQ(d.Label6, "F20/04/2026 03:10:05D1000U2000");
  EXPECT_TRUE(dialogs_.messages.empty());

  ASSERT_EQ(unlink("eth0.mdf"), 0);
  SetCounters(0, 1100, 2300);
  At(3, 15);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 03:15:00D100U300\r\n");  // the lost period is gone
}

TEST_F(StatisticsLoggerTest, ReportsAnArchiveThatCannotBeOpenedUnderAnyName) {
  table_.Add("ab", 0, 0);
  for (const char* dir : {"ab.mdf", "a.mdf", ".mdf"}) ASSERT_EQ(mkdir(dir, 0700), 0);
  const std::vector<MonitorEntry> list = {{"ab", true}};
  SetCounters(0, 1000, 2000);
  At(3, 10, 5);
  const LoggerDisplays d = logger_.Timer1Timer(list);
  EXPECT_EQ(dialogs_.messages, (Lines{"Erreur dans le logging des statistiques"}));
  EXPECT_EQ(d.status, (Lines{"ERREUR LOG", "ERREUR ECRITURE 03:10:05"}));
  EXPECT_EQ(d.Label6, "F20/04/2026 03:10:05D1000U2000");

  // The baselines moved on: the next tick's record would hold only the new growth.
  for (const char* dir : {"ab.mdf", "a.mdf", ".mdf"}) ASSERT_EQ(rmdir(dir), 0);
  SetCounters(0, 1001, 2002);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("ab.mdf"), "F20/04/2026 03:10:05D1U2\r\n");
}

TEST_F(StatisticsLoggerTest, WritesTwoInterfacesIntoTwoFilesInListOrder) {
  table_.Add("eth0", 0, 0);
  table_.Add("skipped", 0, 0);
  table_.Add("wlan0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}, {"skipped", false}, {"wlan0", true}};
  SetCounters(0, 10, 20);
  SetCounters(1, 99, 99);
  SetCounters(2, 30, 40);
  const LoggerDisplays d = logger_.Timer1Timer(list);
  EXPECT_EQ(table_.snapshots, 2);
  EXPECT_EQ(FileNames(), (Lines{"eth0.mdf", "wlan0.mdf"}));
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 10:00:00D10U20\r\n");
  EXPECT_EQ(ReadFile("wlan0.mdf"), "F20/04/2026 10:00:00D30U40\r\n");
  // The displays end on the last checked position.
  EXPECT_EQ(d.Label6, "F20/04/2026 10:00:00D30U40");
  EXPECT_EQ(d.status, (Lines{"LOG OK 10:00:00 0", "LOG OK 10:00:00 0 1", "LOG OK 10:00:00 0",
                             "LOG OK 10:00:00 0 1"}));
}

TEST_F(StatisticsLoggerTest, KeepsBaselinesForPositionsBeyondSixteen) {
  std::vector<MonitorEntry> list;
  for (int i = 0; i < 20; ++i) {
    table_.Add("if" + std::to_string(i), 1000, 1000);
    list.push_back({"if" + std::to_string(i), i == 19});
  }
  logger_.TakeBaselines(list);
  SetCounters(19, 1005, 1006);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("if19.mdf"), "F20/04/2026 10:00:00D5U6\r\n");
}

TEST_F(StatisticsLoggerTest, NeverReadsAPositionGoneFromTheTable) {
  table_.Add("eth0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}, {"usb0", true}};
  SetCounters(0, 10, 20);
  logger_.TakeBaselines(list);
  SetCounters(0, 11, 22);
  const LoggerDisplays d = logger_.Timer1Timer(list);
  EXPECT_EQ(FileNames(), (Lines{"eth0.mdf"}));
  EXPECT_EQ(d.Label6, "F20/04/2026 10:00:00D1U2");  // the missing position left no display
}

TEST_F(StatisticsLoggerTest, ReadsAnEmptySnapshotAsNoRows) {
  table_.Add("eth0", 10, 20);
  table_.result = 5;
  const LoggerDisplays d = logger_.Timer1Timer({{"eth0", true}});
  EXPECT_TRUE(FileNames().empty());
  EXPECT_FALSE(d.Label5);
}

TEST_F(StatisticsLoggerTest, WritesThePartialPeriodAtQuit) {
  table_.Add("eth0", 0, 0);
  table_.Add("wlan0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}, {"wlan0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 100, 200);
  SetCounters(1, 5, 6);
  At(3, 10);
  logger_.Timer1Timer(list);
  SetCounters(0, 130, 260);  // eth0 moved on since its record, wlan0 did not
  At(3, 12, 30);
  logger_.WriteFinalRecords(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 03:10:00D100U200\r\nF20/04/2026 03:12:30D30U60\r\n");
  EXPECT_EQ(ReadFile("wlan0.mdf"), "F20/04/2026 03:10:00D5U6\r\n");
}

}  // namespace
}  // namespace kirv
