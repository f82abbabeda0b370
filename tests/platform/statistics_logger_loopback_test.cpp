// The statistics logger over the kernel's own counters: known UDP traffic over the loopback
// interface of a fresh network namespace, one tick, and the record in "lo.mdf".

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "archive/statistics_logger.h"
#include "fakes/fake_services.h"
#include "platform/netlink_interface_table.h"

namespace kirv {
namespace {

constexpr int kDatagrams = 37;
constexpr int kPayload = 1000;
constexpr int kUdpIpv4Headers = 28;  // 20 octets of IPv4 header, 8 of UDP

bool BringLoopbackUp() {
  const int s = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (s < 0) return false;
  ifreq request{};
  std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
  bool up = ioctl(s, SIOCGIFFLAGS, &request) == 0;
  request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP | IFF_RUNNING);
  up = up && ioctl(s, SIOCSIFFLAGS, &request) == 0;
  close(s);
  return up;
}

// Sends the datagrams from one socket to another over 127.0.0.1 and reads every one back.
bool SendOverLoopback() {
  const int receiver = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  const int sender = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  bool ok = receiver >= 0 && sender >= 0 &&
            bind(receiver, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            getsockname(receiver, reinterpret_cast<sockaddr*>(&address), &length) == 0;
  std::vector<char> payload(kPayload, 'k');
  for (int i = 0; ok && i < kDatagrams; ++i) {
    ok = sendto(sender, payload.data(), payload.size(), 0, reinterpret_cast<sockaddr*>(&address),
                sizeof address) == kPayload &&
         recv(receiver, payload.data(), payload.size(), 0) == kPayload;
  }
  close(receiver);
  close(sender);
  return ok;
}

// Runs in the namespace's child: the text of "lo.mdf" after one tick, or "SKIP " / "FAIL " and
// the reason.
std::string LogOneTickOfLoopback() {
  if (!BringLoopbackUp()) return "FAIL the loopback interface does not come up";
  NetlinkInterfaceTable table;
  if (!table.IsAvailable()) return "FAIL netlink is not available";
  std::vector<MonitorEntry> list;
  for (const InterfaceRow& row : table.TakeSnapshot().rows) {
    list.push_back({row.description, row.description == "lo"});
  }
  kirv::testing::FakeClock clock;
  clock.now = {2026, 4, 20, 3, 10, 0};
  kirv::testing::FakeDialogs dialogs;
  StatisticsLogger logger(table, clock, dialogs, NumberFormat{});
  logger.TakeBaselines(list);
  if (!SendOverLoopback()) return "FAIL the datagrams did not go through";
  logger.Timer1Timer(list);
  std::ifstream in("lo.mdf", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(StatisticsLoggerOnLoopback, RecordsExactlyTheUdpTrafficOfOneTick) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root for a network namespace";
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kirv-netns-XXXXXX";
  std::string pattern = dir.string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  int channel[2];
  ASSERT_EQ(pipe(channel), 0);

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(channel[0]);
    std::string result;
    if (unshare(CLONE_NEWNET) != 0) {
      result = std::string("SKIP unshare(CLONE_NEWNET) refused: ") + std::strerror(errno);
    } else if (chdir(pattern.c_str()) != 0) {
      result = "FAIL cannot enter the temporary directory";
    } else {
      result = LogOneTickOfLoopback();
    }
    const bool sent =
        write(channel[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
    _exit(sent ? 0 : 1);
  }
  close(channel[1]);
  std::string result;
  char buffer[512];
  for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  std::filesystem::remove_all(pattern);

  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  if (result.starts_with("SKIP ")) GTEST_SKIP() << result.substr(5);
  const int growth = kDatagrams * (kPayload + kUdpIpv4Headers);
  EXPECT_EQ(result, "F20/04/2026 03:10:00D" + std::to_string(growth) + "U" +
                        std::to_string(growth) + "\r\n");
}

}  // namespace
}  // namespace kirv
