#include "platform/netlink_interface_table.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <net/if.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "child_process.h"
#include "network_namespace.h"

namespace kirv {
namespace {

std::vector<std::string> Descriptions(const InterfaceSnapshot& snapshot) {
  std::vector<std::string> names;
  for (const InterfaceRow& row : snapshot.rows) names.push_back(row.description);
  return names;
}

const InterfaceRow* Find(const InterfaceSnapshot& snapshot, const std::string& name) {
  auto it = std::find_if(snapshot.rows.begin(), snapshot.rows.end(),
                         [&](const InterfaceRow& row) { return row.description == name; });
  return it == snapshot.rows.end() ? nullptr : &*it;
}

// The kernel's interface names in ascending interface index.
std::vector<std::string> NamesByIndex() {
  std::vector<std::pair<unsigned, std::string>> byIndex;
  struct if_nameindex* all = if_nameindex();
  for (struct if_nameindex* i = all; i != nullptr && i->if_index != 0; ++i) {
    byIndex.push_back({i->if_index, i->if_name});
  }
  if_freenameindex(all);
  std::sort(byIndex.begin(), byIndex.end());
  std::vector<std::string> names;
  for (auto& [index, name] : byIndex) names.push_back(name);
  return names;
}

long OpenDescriptors() {
  const std::filesystem::directory_iterator fds("/proc/self/fd");
  return std::distance(begin(fds), end(fds));
}

// In a child that can open no more files: "<available> <rows> <result> <stderr>".
std::string OpenWithoutDescriptors() {
  return testing::RunInChildProcess([] {
    int errors[2];
    if (pipe2(errors, O_NONBLOCK) != 0 || dup2(errors[1], 2) < 0) return std::string("no pipe");
    close(errors[1]);
    const int lowestFree = dup(0);
    close(lowestFree);
    const rlimit none{static_cast<rlim_t>(lowestFree), static_cast<rlim_t>(lowestFree)};
    if (setrlimit(RLIMIT_NOFILE, &none) != 0) return std::string("no limit");
    NetlinkInterfaceTable table;
    table.TakeSnapshot();
    const InterfaceSnapshot snapshot = table.TakeSnapshot();
    std::string said(512, '\0');
    const ssize_t n = read(errors[0], said.data(), said.size());
    said.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return std::to_string(table.IsAvailable()) + " " + std::to_string(snapshot.rows.size()) + " " +
           std::to_string(snapshot.result != 0) + " " + said;
  });
}

TEST(NetlinkInterfaceTable, ListsTheLoopbackInterface) {
  NetlinkInterfaceTable table;
  ASSERT_TRUE(table.IsAvailable());
  const InterfaceSnapshot snapshot = table.TakeSnapshot();
  EXPECT_EQ(snapshot.result, 0);
  EXPECT_NE(Find(snapshot, "lo"), nullptr);
}

TEST(NetlinkInterfaceTable, ListsEveryLinkInAscendingInterfaceIndex) {
  NetlinkInterfaceTable table;
  EXPECT_EQ(Descriptions(table.TakeSnapshot()), NamesByIndex());
}

TEST(NetlinkInterfaceTable, EachSnapshotReadsFreshCounters) {
  constexpr int kDatagrams = 20;
  constexpr int kPayload = 100;
  NetlinkInterfaceTable table;
  const InterfaceSnapshot earlier = table.TakeSnapshot();
  const InterfaceRow* before = Find(earlier, "lo");
  ASSERT_NE(before, nullptr);
  const InterfaceRow first = *before;
  if (!testing::SendOverLoopback(kDatagrams, kPayload)) GTEST_SKIP() << "lo is down here";
  const InterfaceSnapshot second = table.TakeSnapshot();
  const InterfaceRow* after = Find(second, "lo");
  ASSERT_NE(after, nullptr);
  // Other programs may use lo too: at least the datagrams' growth.
  const std::uint64_t growth = kDatagrams * (kPayload + testing::kUdpIpv4Headers);
  EXPECT_GE(after->inOctets - first.inOctets, growth);
  EXPECT_GE(after->outOctets - first.outOctets, growth);
}

TEST(NetlinkInterfaceTable, KeepsOneSocketAcrossSnapshots) {
  NetlinkInterfaceTable table;
  table.TakeSnapshot();
  const long open = OpenDescriptors();
  for (int i = 0; i < 200; ++i) ASSERT_FALSE(table.TakeSnapshot().rows.empty());
  EXPECT_EQ(OpenDescriptors(), open);
}

TEST(NetlinkInterfaceTable, AFreshNamespaceHoldsItsOwnLoopback) {
  const std::string result = testing::RunInFreshNetworkNamespace([] {
    NetlinkInterfaceTable table;
    const InterfaceSnapshot snapshot = table.TakeSnapshot();
    if (snapshot.rows.empty()) return std::string("FAIL no rows");
    const InterfaceRow& lo = snapshot.rows.front();
    return lo.description + " " + std::to_string(lo.inOctets) + " " + std::to_string(lo.outOctets);
  });
  if (result.starts_with("SKIP ")) GTEST_SKIP() << result.substr(5);
  EXPECT_EQ(result, "lo 0 0");  // index 1, and nothing has moved yet
}

// Linux link names may hold bytes that no archive name can: the rows carry the names of the lists.
TEST(NetlinkInterfaceTable, RowsCarryTheInterfaceNameAndIndex) {
  const std::string result = testing::RunInFreshNetworkNamespace([] {
    if (!testing::AddVethPair("v*0", "p|<1>")) return std::string("FAIL no veth pair");
    NetlinkInterfaceTable table;
    std::string rows;
    for (const InterfaceRow& row : table.TakeSnapshot().rows) {
      rows += row.description + "=" + row.name + "@" + std::to_string(row.index) + " ";
    }
    return rows;
  });
  if (result.starts_with("SKIP ")) GTEST_SKIP() << result.substr(5);
  EXPECT_EQ(result, "lo=lo@1 p|<1>=p1@2 v*0=v0@3 ");  // the kernel makes the peer first
}

// The routes of a fresh namespace with veth0 (10.0.0.1/24) and veth1 (10.0.1.1/24), then the
// commands of the case; the links whose index carries a main-table default route.
struct RouteCase {
  const char* name;
  std::vector<std::vector<std::string>> commands;
  std::string defaultRouteLinks;
};

class NetworkFactsTest : public ::testing::TestWithParam<RouteCase> {};

TEST_P(NetworkFactsTest, NameTheLinksOfTheMainDefaultRouteWithTheirKind) {
  const RouteCase& c = GetParam();
  const std::string result = testing::RunInFreshNetworkNamespace([&c] {
    for (const std::string link : {"veth0", "veth1"}) {
      const std::string prefix = link == "veth0" ? "10.0.0." : "10.0.1.";
      if (!testing::RunIp({"link", "add", link, "type", "veth", "peer", "name", link + "p"}) ||
          !testing::RunIp({"addr", "add", prefix + "1/24", "dev", link}) ||
          !testing::BringLinkUp(link.c_str()) || !testing::BringLinkUp((link + "p").c_str())) {
        return "FAIL no " + link;
      }
    }
    for (const std::vector<std::string>& command : c.commands) {
      if (!testing::RunIp(command)) return "FAIL ip " + command.front() + " " + command.back();
    }
    NetlinkInterfaceTable table;
    const NetworkFacts facts = table.ReadNetworkFacts();
    std::string said = std::to_string(facts.result);
    for (const LinkFacts& link : facts.links) {
      const bool routed =
          std::find(facts.defaultRouteIndexes.begin(), facts.defaultRouteIndexes.end(),
                    link.index) != facts.defaultRouteIndexes.end();
      if (link.loopback) said += " lo:" + link.kind;
      if (routed) said += " " + link.name + ":" + link.kind;
    }
    return said;
  });
  if (result.starts_with("SKIP ")) GTEST_SKIP() << result.substr(5);
  EXPECT_EQ(result, c.defaultRouteLinks);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, NetworkFactsTest,
    ::testing::Values(
        RouteCase{"NoDefaultRoute", {}, "0 lo:"},
        RouteCase{"Ipv4ThroughVeth0",
                  {{"route", "add", "default", "via", "10.0.0.2"}},
                  "0 lo: veth0:veth"},
        RouteCase{
            "Ipv6Only", {{"-6", "route", "add", "default", "dev", "veth1"}}, "0 lo: veth1:veth"},
        RouteCase{"Multipath",
                  {{"route", "add", "default", "nexthop", "via", "10.0.0.2", "nexthop", "via",
                    "10.0.1.2"}},
                  "0 lo: veth0:veth veth1:veth"},
        // A VPN's halves of the address space and its own table leave the main default alone.
        RouteCase{"VpnBesideTheMainDefault",
                  {{"route", "add", "default", "via", "10.0.0.2"},
                   {"route", "add", "0.0.0.0/1", "via", "10.0.1.2"},
                   {"route", "add", "128.0.0.0/1", "via", "10.0.1.2"},
                   {"route", "add", "default", "via", "10.0.1.2", "table", "1000"},
                   {"route", "add", "blackhole", "default", "metric", "9"}},
                  "0 lo: veth0:veth"}),
    [](const ::testing::TestParamInfo<RouteCase>& info) { return info.param.name; });

TEST(NetlinkInterfaceTable, WithoutNetlinkSaysSoOnceAndGivesEmptySnapshots) {
  const std::string result = OpenWithoutDescriptors();
  EXPECT_TRUE(
      result.starts_with("0 0 1 kirv : La table des interfaces réseau ne peut pas être lue ("))
      << result;
  EXPECT_EQ(std::count(result.begin(), result.end(), '\n'), 1) << result;
  EXPECT_TRUE(result.ends_with(") : KIRV ne mesure aucun trafic.\n")) << result;
}

}  // namespace
}  // namespace kirv
