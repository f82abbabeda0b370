#pragma once

// Helpers for tests that measure known traffic over the loopback interface or veth pairs of a
// fresh network namespace, where nothing else moves.

#include <arpa/inet.h>
#include <linux/if_packet.h>
#include <net/ethernet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"

namespace kirv::testing {

inline constexpr int kUdpIpv4Headers = 28;  // octets a datagram adds to lo: 20 IPv4, 8 UDP

inline bool BringLinkUp(const char* name) {
  const int s = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (s < 0) return false;
  ifreq request{};
  std::strncpy(request.ifr_name, name, IFNAMSIZ - 1);
  bool up = ioctl(s, SIOCGIFFLAGS, &request) == 0;
  request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP | IFF_RUNNING);
  up = up && ioctl(s, SIOCSIFFLAGS, &request) == 0;
  close(s);
  return up;
}

inline bool BringLoopbackUp() { return BringLinkUp("lo"); }

// Links created from now on send no IPv6 neighbour or router messages of their own.
inline void KeepNewLinksQuiet() {
  if (FILE* f = std::fopen("/proc/sys/net/ipv6/conf/default/disable_ipv6", "w")) {
    std::fputs("1", f);
    std::fclose(f);
  }
}

// Runs iproute2's "ip" with these arguments, without a shell; true when it succeeds.
inline bool RunIp(const std::vector<std::string>& arguments) {
  const pid_t child = fork();
  if (child == 0) {
    std::vector<char*> argv{const_cast<char*>("ip")};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp("ip", argv.data());
    _exit(127);
  }
  int status = 0;
  return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

// Deletes a link (and the other end of a veth pair with it).
inline bool DeleteLink(const char* name) { return RunIp({"link", "del", "dev", name}); }

// The octets a link of this namespace has sent, from /proc/self/net/dev; 0 when it is not there.
inline std::uint64_t SentOctets(const std::string& link) {
  std::ifstream dev("/proc/self/net/dev");
  std::string line;
  while (std::getline(dev, line)) {
    const auto colon = line.rfind(':');
    if (colon == std::string::npos) continue;
    std::istringstream name(line.substr(0, colon));
    std::string word;
    if (!(name >> word) || word != link) continue;
    std::istringstream counters(line.substr(colon + 1));
    std::uint64_t value = 0;
    for (int field = 0; field < 9 && counters >> value; ++field) {
    }
    return value;  // the ninth field: octets sent
  }
  return 0;
}

// Sends Ethernet broadcast frames of `size` octets, header included, out of a link: they count
// `size` octets each in the link's sent counter and in its veth peer's received counter.
inline bool SendFrames(const char* link, int frames, int size) {
  const int s = socket(AF_PACKET, SOCK_RAW | SOCK_CLOEXEC, 0);  // protocol 0: receives nothing
  if (s < 0) return false;
  sockaddr_ll to{};
  to.sll_family = AF_PACKET;
  to.sll_ifindex = static_cast<int>(if_nametoindex(link));
  to.sll_halen = ETH_ALEN;
  std::memset(to.sll_addr, 0xff, ETH_ALEN);
  std::vector<unsigned char> frame(static_cast<std::size_t>(size), 0);
  std::memset(frame.data(), 0xff, ETH_ALEN);  // to everyone
  frame[6] = 0x02;                            // from a locally administered address
  frame[12] = 0x88;                           // local experimental EtherType 88B5
  frame[13] = 0xb5;
  bool sent = to.sll_ifindex != 0;
  for (int i = 0; sent && i < frames; ++i) {
    sent = sendto(s, frame.data(), frame.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) ==
           size;
  }
  close(s);
  return sent;
}

// Sends the datagrams from one socket to another over 127.0.0.1 and reads every one back, so
// that no "port unreachable" answer adds traffic.
inline bool SendOverLoopback(int datagrams, int payloadSize) {
  const int receiver = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  const int sender = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  bool ok = receiver >= 0 && sender >= 0 &&
            bind(receiver, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            getsockname(receiver, reinterpret_cast<sockaddr*>(&address), &length) == 0;
  std::vector<char> payload(static_cast<std::size_t>(payloadSize), 'k');
  for (int i = 0; ok && i < datagrams; ++i) {
    ok = sendto(sender, payload.data(), payload.size(), 0, reinterpret_cast<sockaddr*>(&address),
                sizeof address) == payloadSize &&
         recv(receiver, payload.data(), payload.size(), 0) == payloadSize;
  }
  if (receiver >= 0) close(receiver);
  if (sender >= 0) close(sender);
  return ok;
}

// Runs work in a child process inside a new network namespace with lo up, and returns what it
// returned, or "SKIP " and the reason when no namespace can be made here.
inline std::string RunInFreshNetworkNamespace(const std::function<std::string()>& work) {
  if (geteuid() != 0) return "SKIP needs root for a network namespace";
  return RunInChildProcess([&]() -> std::string {
    if (unshare(CLONE_NEWNET) != 0) {
      return std::string("SKIP unshare(CLONE_NEWNET) refused: ") + std::strerror(errno);
    }
    if (!BringLoopbackUp()) return "FAIL the loopback interface does not come up";
    return work();
  });
}

// A veth pair in this namespace, both ends up and passing frames: each end has sent one frame
// of kProbeFrame octets (a link drops what it is handed until a moment after it comes up).
inline constexpr int kProbeFrame = 60;

inline bool AddVethPair(const char* name, const char* peer) {
  auto passing = [](const char* link) {
    for (int attempt = 0; attempt < 300; ++attempt) {
      if (!SendFrames(link, 1, kProbeFrame)) return false;
      if (SentOctets(link) > 0) return true;
      usleep(10000);
    }
    return false;
  };
  return RunIp({"link", "add", "name", name, "type", "veth", "peer", "name", peer}) &&
         BringLinkUp(name) && BringLinkUp(peer) && passing(name) && passing(peer);
}

}  // namespace kirv::testing
