// The statistics logger over the kernel's own counters: known UDP traffic over the loopback
// interface of a fresh network namespace, one tick, and the record in "lo.mdf".

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "archive/statistics_logger.h"
#include "fakes/fake_services.h"
#include "network_namespace.h"
#include "platform/netlink_interface_table.h"
#include "support/temp_folder.h"

namespace kirv {
namespace {

constexpr int kDatagrams = 37;
constexpr int kPayload = 1000;

// Runs in the namespace's child, inside the directory: the text of "lo.mdf" after one tick.
std::string LogOneTickOfLoopback(const std::string& directory) {
  if (chdir(directory.c_str()) != 0) return "FAIL cannot enter the temporary directory";
  NetlinkInterfaceTable table;
  if (!table.IsAvailable()) return "FAIL netlink is not available";
  std::vector<MonitorEntry> list;
  for (const InterfaceRow& row : table.TakeSnapshot().rows) {
    list.push_back({row.name, row.name == "lo"});
  }
  testing::FakeClock clock;
  clock.now = {2026, 4, 20, 3, 10, 0};
  testing::FakeDialogs dialogs;
  StatisticsLogger logger(table, clock, dialogs, NumberFormat{});
  logger.TakeBaselines(list);
  if (!testing::SendOverLoopback(kDatagrams, kPayload)) {
    return "FAIL the datagrams did not go through";
  }
  logger.Timer1Timer(list);
  return testing::ReadWholeFile("lo.mdf");
}

TEST(StatisticsLoggerOnLoopback, RecordsExactlyTheUdpTrafficOfOneTick) {
  const testing::TempFolder folder("kirv-netns");
  const std::string directory = folder.Path().string();
  const std::string result =
      testing::RunInFreshNetworkNamespace([&] { return LogOneTickOfLoopback(directory); });

  if (result.starts_with("SKIP ")) GTEST_SKIP() << result.substr(5);
  const int growth = kDatagrams * (kPayload + testing::kUdpIpv4Headers);
  EXPECT_EQ(result, "F20/04/2026 03:10:00D" + std::to_string(growth) + "U" +
                        std::to_string(growth) + "\r\n");
}

}  // namespace
}  // namespace kirv
