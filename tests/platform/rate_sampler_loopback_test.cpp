// The rate sampler over the kernel's own counters: known UDP traffic over the loopback interface
// of a fresh network namespace between two ticks.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "network_namespace.h"
#include "platform/netlink_interface_table.h"
#include "sampling/rate_sampler.h"

namespace kirv {
namespace {

constexpr int kDatagrams = 100;
constexpr int kPayload = 472;  // 500 octets on lo with the headers

// Runs in the namespace's child: "<CurrentIn> <CurrentOut> <text>" after the measuring tick.
std::string SampleOneTickOfLoopback() {
  NetlinkInterfaceTable table;
  if (!table.IsAvailable()) return "FAIL netlink is not available";
  std::vector<std::string> names;
  TickInput input;
  for (const InterfaceRow& row : table.TakeSnapshot().rows) {
    names.push_back(row.name);
    input.lb1Checked.push_back(row.name == "lo");
  }
  input.names = names;
  input.unit = SpeedUnit::kOctets;
  input.stopwatchRunning = true;
  input.numberFormat.decimalSeparator = ',';

  RateSampler sampler(table);
  sampler.Tick(input);  // records the counters
  if (!testing::SendOverLoopback(kDatagrams, kPayload)) return "FAIL the datagrams did not go";
  const TickResult result = sampler.Tick(input);
  return std::to_string(result.currentIn) + " " + std::to_string(result.currentOut) + " " +
         sampler.MeterText();
}

TEST(RateSamplerOnLoopback, MeasuresExactlyTheUdpTrafficBetweenTwoTicks) {
  const std::string result = testing::RunInFreshNetworkNamespace(SampleOneTickOfLoopback);
  if (result.starts_with("SKIP ")) GTEST_SKIP() << result.substr(5);
  // 100 × 500 octets each way over one nominal second: 48,82 kilo-octets per second.
  EXPECT_EQ(result, "50000 50000 DL : 48,82ko/s  UL : 48,82ko/s");
}

}  // namespace
}  // namespace kirv
