#include "sampling/default_interfaces.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "case_name.h"

namespace kirv {
namespace {

// Links numbered from 1 in the order given; "up" and "dev" say whether a link is up and backed by
// a device, "lo" marks the loopback.
LinkFacts Link(std::string name, std::string kind = "", std::string flags = "up dev") {
  LinkFacts link;
  link.name = std::move(name);
  link.kind = std::move(kind);
  link.up = flags.find("up") != std::string::npos;
  link.hasDevice = flags.find("dev") != std::string::npos;
  link.loopback = flags.find("lo") != std::string::npos;
  return link;
}

struct ChoiceCase {
  const char* what;
  std::vector<LinkFacts> links;
  std::vector<int> defaultRoutes;  // the links' positions from 1
  std::vector<std::string> chosen;
  std::string text;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.what; }

class DefaultInterfaceRule : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(DefaultInterfaceRule, TakesTheDefaultRouteTunnelsLastAndDevicesWithoutRoute) {
  NetworkFacts facts{0, GetParam().links, GetParam().defaultRoutes};
  for (std::size_t i = 0; i < facts.links.size(); ++i)
    facts.links[i].index = static_cast<int>(i) + 1;
  const InterfaceChoice choice = ChooseDefaultInterfaces(facts);
  EXPECT_EQ(choice.names, GetParam().chosen);
  EXPECT_EQ(ChoiceText(choice), GetParam().text);
}

const LinkFacts kLo = Link("lo", "", "up lo");

INSTANTIATE_TEST_SUITE_P(
    Networks, DefaultInterfaceRule,
    ::testing::Values(
        ChoiceCase{"veth with the route beside a second veth and lo",
                   {kLo, Link("veth0", "veth", "up"), Link("veth1", "veth", "up")},
                   {2},
                   {"veth0"},
                   "interfaces choisies : veth0 (route par défaut de la table principale)"},
        ChoiceCase{"wireless link with the route beside a cable that is down",
                   {kLo, Link("eth0", "", "dev"), Link("wlan0")},
                   {3},
                   {"wlan0"},
                   "interfaces choisies : wlan0 (route par défaut de la table principale)"},
        ChoiceCase{"multipath over two links",
                   {kLo, Link("eth0"), Link("eth1"), Link("eth2")},
                   {3, 2},
                   {"eth0", "eth1"},
                   "interfaces choisies : eth0, eth1 (route par défaut de la table principale)"},
        ChoiceCase{"tunnel beside the physical link",
                   {kLo, Link("eth0"), Link("wg0", "wireguard", "up"), Link("tun0", "tun", "up")},
                   {3, 2, 4},
                   {"eth0"},
                   "interfaces choisies : eth0 (route par défaut de la table principale)"},
        ChoiceCase{"tunnel alone",
                   {kLo, Link("eth0"), Link("wg0", "wireguard", "up")},
                   {3},
                   {"wg0"},
                   "interfaces choisies : wg0 (tunnel seul à porter la route par défaut)"},
        ChoiceCase{"ppp modem link",
                   {kLo, Link("eth0", "", "up"), Link("ppp0", "ppp", "up"), Link("wwan0", "wwan")},
                   {3},
                   {"ppp0"},
                   "interfaces choisies : ppp0 (route par défaut de la table principale)"},
        ChoiceCase{"no route, links with devices that are up",
                   {kLo, Link("eth0"), Link("eth1", "", "dev"), Link("wlan0"),
                    Link("veth0", "veth", "up dev"), Link("docker0", "bridge", "up")},
                   {},
                   {"eth0", "wlan0"},
                   "interfaces choisies : eth0, wlan0 (aucune route par défaut : interfaces "
                   "actives d'un périphérique)"},
        ChoiceCase{"no route, no device",
                   {kLo, Link("eth0", "", "up"), Link("eth1", "", "dev")},
                   {},
                   {},
                   "aucune interface choisie (aucune route par défaut ni interface active d'un "
                   "périphérique)"},
        ChoiceCase{"bridges, docker, virbr and lo never",
                   {kLo, Link("br0", "bridge", "up"), Link("docker0", "", "up"),
                    Link("virbr0", "", "up dev"), Link("eth0", "", "dev")},
                   {1, 2, 3, 4},
                   {},
                   "aucune interface choisie (aucune route par défaut ni interface active d'un "
                   "périphérique)"}),
    [](const auto& info) { return testing::CaseName({info.param.what}); });

}  // namespace
}  // namespace kirv
