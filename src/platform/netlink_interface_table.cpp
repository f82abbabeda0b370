#include "platform/netlink_interface_table.h"

#include <linux/if_link.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/standard_error.h"
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

// The kind of a link from its IFLA_LINKINFO nest; empty for a plain device.
std::string LinkKind(const nlmsghdr* message) {
  const auto* info = static_cast<const ifinfomsg*>(NLMSG_DATA(message));
  auto length = static_cast<unsigned>(IFLA_PAYLOAD(message));
  for (const rtattr* attribute = IFLA_RTA(info); RTA_OK(attribute, length);
       attribute = RTA_NEXT(attribute, length)) {
    if (attribute->rta_type != IFLA_LINKINFO) continue;
    auto nested = static_cast<unsigned>(RTA_PAYLOAD(attribute));
    for (const auto* part = static_cast<const rtattr*>(RTA_DATA(attribute)); RTA_OK(part, nested);
         part = RTA_NEXT(part, nested)) {
      if (part->rta_type == IFLA_INFO_KIND) {
        const auto* kind = static_cast<const char*>(RTA_DATA(part));
        return {kind, strnlen(kind, RTA_PAYLOAD(part))};
      }
    }
  }
  return {};
}

bool ReadLinkFacts(const nlmsghdr* message, LinkFacts& link) {
  InterfaceRow row;
  if (!ReadLink(message, row)) return false;
  const auto* info = static_cast<const ifinfomsg*>(NLMSG_DATA(message));
  link.name = row.name;
  link.index = row.index;
  link.kind = LinkKind(message);
  link.up = (info->ifi_flags & IFF_UP) != 0;
  link.loopback = (info->ifi_flags & IFF_LOOPBACK) != 0;
  // The kernel's name has no "/" nor "..": it names one folder of /sys/class/net.
  link.hasDevice = access(("/sys/class/net/" + row.description + "/device").c_str(), F_OK) == 0;
  return true;
}

// The interface indexes a route message sends through when it is a unicast default route of the
// main table.
void ReadDefaultRoute(const nlmsghdr* message, std::vector<int>& indexes) {
  if (message->nlmsg_len < NLMSG_LENGTH(sizeof(rtmsg))) return;
  const auto* route = static_cast<const rtmsg*>(NLMSG_DATA(message));
  if (route->rtm_type != RTN_UNICAST || route->rtm_dst_len != 0) return;
  std::uint32_t table = route->rtm_table;
  std::vector<int> hops;
  auto length = static_cast<unsigned>(RTM_PAYLOAD(message));
  for (const rtattr* attribute = RTM_RTA(route); RTA_OK(attribute, length);
       attribute = RTA_NEXT(attribute, length)) {
    const auto size = static_cast<std::size_t>(RTA_PAYLOAD(attribute));
    if (attribute->rta_type == RTA_TABLE && size >= sizeof table) {
      std::memcpy(&table, RTA_DATA(attribute), sizeof table);
    } else if (attribute->rta_type == RTA_OIF && size >= sizeof(int)) {
      int index = 0;
      std::memcpy(&index, RTA_DATA(attribute), sizeof index);
      hops.push_back(index);
    } else if (attribute->rta_type == RTA_MULTIPATH) {
      std::size_t left = size;
      const auto* hop = static_cast<const rtnexthop*>(RTA_DATA(attribute));
      while (left >= sizeof(rtnexthop) && hop->rtnh_len >= sizeof(rtnexthop) &&
             hop->rtnh_len <= left) {
        hops.push_back(hop->rtnh_ifindex);
        const std::size_t step = RTNH_ALIGN(hop->rtnh_len);
        if (step >= left) break;
        left -= step;
        hop = RTNH_NEXT(hop);
      }
    }
  }
  if (table != RT_TABLE_MAIN) return;
  for (const int index : hops) {
    if (index > 0 && std::find(indexes.begin(), indexes.end(), index) == indexes.end()) {
      indexes.push_back(index);
    }
  }
}

}  // namespace

NetlinkInterfaceTable::NetlinkInterfaceTable() {
  socket_ = socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE);
  if (socket_ < 0) {
    const int error = errno;  // before the lookup of the text
    WriteToStandardError(QCoreApplication::translate(
                             "kirv::NetlinkInterfaceTable",
                             "La table des interfaces réseau ne peut pas être lue (%1) : KIRV ne "
                             "mesure aucun trafic.")
                             .arg(QString::fromLocal8Bit(std::strerror(error)))
                             .toStdString());
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
  snapshot.result = DumpRows(RTM_GETLINK, snapshot.rows, [&](const nlmsghdr* message) {
    InterfaceRow row;
    if (ReadLink(message, row)) snapshot.rows.push_back(std::move(row));
  });
  // The dump comes in index order on current kernels; the order is part of the contract.
  std::stable_sort(snapshot.rows.begin(), snapshot.rows.end(),
                   [](const InterfaceRow& a, const InterfaceRow& b) { return a.index < b.index; });
  return snapshot;
}

NetworkFacts NetlinkInterfaceTable::ReadNetworkFacts() {
  if (socket_ < 0) return {EBADF, {}, {}};
  NetworkFacts facts;
  facts.result = DumpRows(RTM_GETLINK, facts.links, [&](const nlmsghdr* message) {
    LinkFacts link;
    if (ReadLinkFacts(message, link)) facts.links.push_back(std::move(link));
  });
  std::stable_sort(facts.links.begin(), facts.links.end(),
                   [](const LinkFacts& a, const LinkFacts& b) { return a.index < b.index; });
  if (facts.result == 0) {
    facts.result = DumpRows(RTM_GETROUTE, facts.defaultRouteIndexes, [&](const nlmsghdr* message) {
      ReadDefaultRoute(message, facts.defaultRouteIndexes);
    });
  }
  if (facts.result != 0) facts.links.clear();
  return facts;
}

template <typename Rows, typename Take>
int NetlinkInterfaceTable::DumpRows(std::uint16_t type, Rows& rows, Take take) {
  int result = EAGAIN;
  // A dump that links or routes changed under is said to be inconsistent: it is taken once more.
  for (int attempt = 0; attempt < 2 && result == EAGAIN; ++attempt) {
    rows.clear();
    result = Dump(type, take);
  }
  if (result != 0) rows.clear();
  return result;
}

template <typename Take>
int NetlinkInterfaceTable::Dump(std::uint16_t type, Take take) {
  // Both requests start with their family byte; AF_UNSPEC asks for every family.
  struct {
    nlmsghdr header;
    union {
      ifinfomsg link;
      rtmsg route;
    };
  } request{};
  request.header.nlmsg_len = NLMSG_LENGTH(type == RTM_GETROUTE ? sizeof(rtmsg) : sizeof(ifinfomsg));
  request.header.nlmsg_type = type;
  request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
  request.header.nlmsg_seq = ++sequence_;
  request.link.ifi_family = AF_UNSPEC;
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
        case RTM_NEWLINK:
        case RTM_NEWROUTE:
          take(message);
          break;
        default:
          break;
      }
    }
  }
}

}  // namespace kirv
