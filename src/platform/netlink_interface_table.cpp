#include "platform/netlink_interface_table.h"

#include <netlink/cache.h>
#include <netlink/errno.h>
#include <netlink/netlink.h>
#include <netlink/route/link.h>
#include <netlink/socket.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "sampling/interface_name.h"

namespace kirv {

NetlinkInterfaceTable::NetlinkInterfaceTable() {
  errno = 0;
  socket_ = nl_socket_alloc();
  if (socket_ == nullptr) {
    Fail("allocating a netlink socket", NLE_NOMEM);
    return;
  }
  if (const int err = nl_connect(socket_, NETLINK_ROUTE); err < 0) {
    Fail("connecting to route netlink", err);
    return;
  }
  if (const int err = rtnl_link_alloc_cache(socket_, AF_UNSPEC, &links_); err < 0) {
    links_ = nullptr;
    Fail("dumping the links", err);
  }
}

NetlinkInterfaceTable::~NetlinkInterfaceTable() {
  if (links_ != nullptr) nl_cache_free(links_);
  if (socket_ != nullptr) nl_socket_free(socket_);
}

// libnl folds most system errors into "Unspecific failure": the system's reason is added.
void NetlinkInterfaceTable::Fail(const std::string& step, int error) {
  const int systemError = errno;
  error_ = std::abs(error);
  std::string reason = nl_geterror(error);
  if (error_ == NLE_FAILURE && systemError != 0) {
    reason += std::string(", ") + std::strerror(systemError);
  }
  std::fprintf(stderr, "kirv: network interface table unavailable (%s: %s); speeds stay at 0\n",
               step.c_str(), reason.c_str());
}

InterfaceSnapshot NetlinkInterfaceTable::TakeSnapshot() {
  if (links_ == nullptr) return {error_, {}};
  if (const int err = nl_cache_refill(socket_, links_); err < 0) return {std::abs(err), {}};

  std::vector<std::pair<int, InterfaceRow>> byIndex;
  byIndex.reserve(static_cast<std::size_t>(nl_cache_nitems(links_)));
  for (nl_object* object = nl_cache_get_first(links_); object != nullptr;
       object = nl_cache_get_next(object)) {
    auto* link = reinterpret_cast<rtnl_link*>(object);
    const char* description = rtnl_link_get_name(link);
    InterfaceRow row;
    row.inOctets = rtnl_link_get_stat(link, RTNL_LINK_RX_BYTES);
    row.outOctets = rtnl_link_get_stat(link, RTNL_LINK_TX_BYTES);
    row.description = description != nullptr ? description : "";
    row.name = InterfaceName(row.description);
    row.index = rtnl_link_get_ifindex(link);
    byIndex.push_back({row.index, std::move(row)});
  }
  // The dump comes in index order on current kernels; the order is part of the contract.
  std::sort(byIndex.begin(), byIndex.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });

  InterfaceSnapshot snapshot;
  snapshot.rows.reserve(byIndex.size());
  for (auto& [index, row] : byIndex) snapshot.rows.push_back(std::move(row));
  return snapshot;
}

}  // namespace kirv
