#pragma once

// Helpers for tests that measure known traffic over the loopback interface of a fresh network
// namespace, where nothing else moves.

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace kirv::testing {

inline constexpr int kUdpIpv4Headers = 28;  // octets a datagram adds to lo: 20 IPv4, 8 UDP

inline bool BringLoopbackUp() {
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
  int channel[2];
  if (pipe(channel) != 0) return "FAIL no pipe";
  const pid_t child = fork();
  if (child < 0) return "FAIL no fork";
  if (child == 0) {
    close(channel[0]);
    std::string result;
    if (unshare(CLONE_NEWNET) != 0) {
      result = std::string("SKIP unshare(CLONE_NEWNET) refused: ") + std::strerror(errno);
    } else if (!BringLoopbackUp()) {
      result = "FAIL the loopback interface does not come up";
    } else {
      result = work();
    }
    const bool sent =
        write(channel[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
    _exit(sent ? 0 : 1);
  }
  close(channel[1]);
  std::string result;
  char buffer[512];
  for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
    result.append(buffer, static_cast<std::size_t>(n));
  }
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "FAIL the child did not report";
  return result;
}

}  // namespace kirv::testing
