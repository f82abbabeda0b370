#pragma once

#include <string>

#include "common/interface_table.h"

struct nl_sock;
struct nl_cache;

namespace kirv {

// The kernel's network interfaces through a route netlink socket (libnl-route-3). The socket and
// the link cache stay open for the object's life; each snapshot refills the cache with one dump
// (about 20 µs for a handful of links), cheaper than allocating a new cache each time.
class NetlinkInterfaceTable : public InterfaceTable {
 public:
  // Says once on stderr when netlink cannot be opened; snapshots are then empty.
  NetlinkInterfaceTable();
  ~NetlinkInterfaceTable() override;
  NetlinkInterfaceTable(const NetlinkInterfaceTable&) = delete;
  NetlinkInterfaceTable& operator=(const NetlinkInterfaceTable&) = delete;

  // Every link in ascending interface index, loopback included: the 64-bit octet counters, the
  // kernel's link name as description, the interface name made from it and the interface index.
  // The result is 0 or a libnl error number.
  InterfaceSnapshot TakeSnapshot() override;
  bool IsAvailable() const override { return links_ != nullptr; }

 private:
  void Fail(const std::string& step, int error);

  nl_sock* socket_ = nullptr;
  nl_cache* links_ = nullptr;
  int error_ = 0;  // libnl error number of a failed opening
};

}  // namespace kirv
