#pragma once

#include <string>
#include <vector>

namespace kirv {

// What the first start needs to know of one network link.
struct LinkFacts {
  std::string name;  // the interface name of the lists and the settings
  int index = 0;     // the kernel's interface index
  std::string kind;  // the kernel's link kind ("veth", "bridge", "wireguard"…), empty for a device
  bool up = false;
  bool loopback = false;
  bool hasDevice = false;  // backed by hardware (a bus device), not made by software
};

// The links, and the indexes of those that carry a unicast default route of the main routing
// table, IPv4 or IPv6, every next hop of a multipath route included. Read once, at start.
struct NetworkFacts {
  int result = 0;  // 0 on success, else the platform's error code; the rest is then empty
  std::vector<LinkFacts> links;
  std::vector<int> defaultRouteIndexes;
};

class NetworkFactsSource {
 public:
  virtual ~NetworkFactsSource() = default;
  virtual NetworkFacts ReadNetworkFacts() = 0;
};

}  // namespace kirv
