#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/interface_table.h"

namespace kirv {

// The kernel's network interfaces through a route netlink socket: one RTM_GETLINK dump per
// snapshot, of which each link's index, name and 64-bit statistics are read. The socket stays
// open for the object's life. A dump of a handful of links takes a few microseconds and no
// allocation beyond the rows.
class NetlinkInterfaceTable : public InterfaceTable {
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

 private:
  // Sends the dump request and reads every part of the answer into rows; 0 or an error number.
  int Dump(std::vector<InterfaceRow>& rows);

  int socket_ = -1;
  std::uint32_t sequence_ = 0;
  std::vector<char> buffer_;  // one datagram of the answer
};

}  // namespace kirv
