#include "platform/netlink_interface_table.h"

#include <linux/if_link.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "sampling/interface_name.h"

namespace kirv {

namespace {

// Large enough for any datagram of a link dump: the kernel fills at most 32 KiB per part.
constexpr std::size_t kBufferSize = 64 * 1024;

// The counters of a link: the 64-bit statistics, else the 32-bit ones of older kernels.
void ReadCounters(const rtattr* attribute, InterfaceRow& row, bool& has64) {
  const auto length = static_cast<std::size_t>(RTA_PAYLOAD(attribute));
  if (attribute->rta_type == IFLA_STATS64 && length >= sizeof(rtnl_link_stats64)) {
    rtnl_link_stats64 stats;
    std::memcpy(&stats, RTA_DATA(attribute), sizeof stats);
    row.inOctets = stats.rx_bytes;
    row.outOctets = stats.tx_bytes;
    has64 = true;
  } else if (attribute->rta_type == IFLA_STATS && !has64 && length >= sizeof(rtnl_link_stats)) {
    rtnl_link_stats stats;
    std::memcpy(&stats, RTA_DATA(attribute), sizeof stats);
    row.inOctets = stats.rx_bytes;
    row.outOctets = stats.tx_bytes;
  }
}

// The row of one RTM_NEWLINK message; false when it names no link.
bool ReadLink(const nlmsghdr* message, InterfaceRow& row) {
  if (message->nlmsg_len < NLMSG_LENGTH(sizeof(ifinfomsg))) return false;
  const auto* info = static_cast<const ifinfomsg*>(NLMSG_DATA(message));
  row.index = info->ifi_index;
  bool named = false;
  bool has64 = false;
  auto length = static_cast<unsigned>(IFLA_PAYLOAD(message));
  for (const rtattr* attribute = IFLA_RTA(info); RTA_OK(attribute, length);
       attribute = RTA_NEXT(attribute, length)) {
    if (attribute->rta_type == IFLA_IFNAME) {
      const auto* name = static_cast<const char*>(RTA_DATA(attribute));
      row.description.assign(name, strnlen(name, RTA_PAYLOAD(attribute)));
      named = true;
    } else {
      ReadCounters(attribute, row, has64);
    }
  }
  row.name = InterfaceName(row.description);
  return named && row.index > 0;
}

}  // namespace

NetlinkInterfaceTable::NetlinkInterfaceTable() {
  socket_ = socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE);
  if (socket_ < 0) {
    std::fprintf(stderr,
                 "kirv: network interface table unavailable (opening a route netlink socket: "
                 "%s); speeds stay at 0\n",
                 std::strerror(errno));
    return;
  }
  // The kernel always answers; a second is far beyond any dump, and a tick must never hang.
  const timeval second{1, 0};
  setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &second, sizeof second);
  buffer_.resize(kBufferSize);
}

NetlinkInterfaceTable::~NetlinkInterfaceTable() {
  if (socket_ >= 0) close(socket_);
}

InterfaceSnapshot NetlinkInterfaceTable::TakeSnapshot() {
  if (socket_ < 0) return {EBADF, {}};
  InterfaceSnapshot snapshot;
  // A dump that links changed under is said to be inconsistent: it is taken once more.
  for (int attempt = 0; attempt < 2; ++attempt) {
    snapshot.rows.clear();
    snapshot.result = Dump(snapshot.rows);
    if (snapshot.result != EAGAIN) break;
  }
  if (snapshot.result != 0) {
    snapshot.rows.clear();
    return snapshot;
  }
  // The dump comes in index order on current kernels; the order is part of the contract.
  std::stable_sort(snapshot.rows.begin(), snapshot.rows.end(),
                   [](const InterfaceRow& a, const InterfaceRow& b) { return a.index < b.index; });
  return snapshot;
}

int NetlinkInterfaceTable::Dump(std::vector<InterfaceRow>& rows) {
  struct {
    nlmsghdr header;
    ifinfomsg info;
  } request{};
  request.header.nlmsg_len = NLMSG_LENGTH(sizeof(ifinfomsg));
  request.header.nlmsg_type = RTM_GETLINK;
  request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
  request.header.nlmsg_seq = ++sequence_;
  request.info.ifi_family = AF_UNSPEC;
  sockaddr_nl kernel{};
  kernel.nl_family = AF_NETLINK;
  while (sendto(socket_, &request, request.header.nlmsg_len, 0,
                reinterpret_cast<const sockaddr*>(&kernel), sizeof kernel) < 0) {
    if (errno != EINTR) return errno;
  }

  bool inconsistent = false;
  for (;;) {
    const ssize_t got = recv(socket_, buffer_.data(), buffer_.size(), MSG_TRUNC);
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (static_cast<std::size_t>(got) > buffer_.size()) return EMSGSIZE;
    auto left = static_cast<unsigned>(got);
    for (const auto* message = reinterpret_cast<const nlmsghdr*>(buffer_.data());
         NLMSG_OK(message, left); message = NLMSG_NEXT(message, left)) {
      // What is left of an earlier, abandoned dump is not this one's.
      if (message->nlmsg_seq != sequence_) continue;
      if (message->nlmsg_flags & NLM_F_DUMP_INTR) inconsistent = true;
      switch (message->nlmsg_type) {
        case NLMSG_DONE:
          return inconsistent ? EAGAIN : 0;
        case NLMSG_ERROR: {
          if (message->nlmsg_len < NLMSG_LENGTH(sizeof(nlmsgerr))) return EPROTO;
          const int error = static_cast<const nlmsgerr*>(NLMSG_DATA(message))->error;
          return error != 0 ? -error : EPROTO;
        }
        case RTM_NEWLINK: {
          InterfaceRow row;
          if (ReadLink(message, row)) rows.push_back(std::move(row));
          break;
        }
        default:
          break;
      }
    }
  }
}

}  // namespace kirv
