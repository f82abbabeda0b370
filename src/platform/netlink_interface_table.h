#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/interface_table.h"
#include "common/network_facts.h"

namespace kirv {

// The kernel's network interfaces through a route netlink socket: one RTM_GETLINK dump per
// snapshot, of which each link's index, name and 64-bit statistics are read. The socket stays
// open for the object's life. A dump of a handful of links takes a few microseconds and no
// allocation beyond the rows. The network facts of a first start take one more link dump and one
// RTM_GETROUTE dump on the same socket.
class NetlinkInterfaceTable : public InterfaceTable, public NetworkFactsSource {
 public:
  // Says once on stderr when netlink cannot be opened; snapshots are then empty.
  NetlinkInterfaceTable();
  ~NetlinkInterfaceTable() override;
  NetlinkInterfaceTable(const NetlinkInterfaceTable&) = delete;
  NetlinkInterfaceTable& operator=(const NetlinkInterfaceTable&) = delete;

  // Every link in ascending interface index, loopback included: the 64-bit octet counters, the
  // kernel's link name as description, the interface name made from it and the interface index.
  // The result is 0 or the system's error number.
  InterfaceSnapshot TakeSnapshot() override;
  bool IsAvailable() const override { return socket_ >= 0; }

  // The links with their kind and flags, whether /sys/class/net/NAME/device exists, and the
  // links that carry a unicast default route of the main table (IPv4 and IPv6, the table read
  // from RTA_TABLE when present, RTA_OIF or every next hop of RTA_MULTIPATH).
  NetworkFacts ReadNetworkFacts() override;

 private:
  // Sends a dump request of that type for every family and hands each message of the answer to
  // take; 0, EAGAIN when the kernel says the dump is inconsistent, or an error number.
  template <typename Take>
  int Dump(std::uint16_t type, Take take);
  // A dump into rows, taken once more when it was inconsistent; rows is empty when it fails.
  template <typename Rows, typename Take>
  int DumpRows(std::uint16_t type, Rows& rows, Take take);

  int socket_ = -1;
  std::uint32_t sequence_ = 0;
  std::vector<char> buffer_;  // one datagram of the answer
};

}  // namespace kirv
