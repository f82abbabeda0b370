#include "sampling/default_interfaces.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kirv {

namespace {

enum class Role { kNever, kVirtual, kTunnel, kLink };

// Kinds of layer-3 tunnels and overlays, which run over another link that is counted already.
constexpr std::array<std::string_view, 20> kTunnelKinds = {
    "tun",   "wireguard", "gre",     "gretap", "ip6gre", "ip6gretap", "ipip",
    "sit",   "ip6tnl",    "vti",     "vti6",   "xfrm",   "erspan",    "ip6erspan",
    "vxlan", "geneve",    "bareudp", "gtp",    "amt",    "ipoib"};

Role RoleOf(const LinkFacts& link) {
  const std::string_view name = link.name;
  if (link.loopback || link.kind == "bridge" || name.starts_with("docker") ||
      name.starts_with("virbr")) {
    return Role::kNever;
  }
  if (link.kind == "veth") return Role::kVirtual;
  if (std::find(kTunnelKinds.begin(), kTunnelKinds.end(), link.kind) != kTunnelKinds.end()) {
    return Role::kTunnel;
  }
  return Role::kLink;
}

bool CarriesDefaultRoute(const NetworkFacts& facts, const LinkFacts& link) {
  return std::find(facts.defaultRouteIndexes.begin(), facts.defaultRouteIndexes.end(),
                   link.index) != facts.defaultRouteIndexes.end();
}

template <typename Take>
std::vector<std::string> Names(const NetworkFacts& facts, Take take) {
  std::vector<std::string> names;
  for (const LinkFacts& link : facts.links) {
    if (take(link, RoleOf(link))) names.push_back(link.name);
  }
  return names;
}

}  // namespace

InterfaceChoice ChooseDefaultInterfaces(const NetworkFacts& facts) {
  const auto routed = [&](bool tunnels) {
    return Names(facts, [&](const LinkFacts& link, Role role) {
      return role != Role::kNever && (role == Role::kTunnel) == tunnels &&
             CarriesDefaultRoute(facts, link);
    });
  };
  if (std::vector<std::string> names = routed(false); !names.empty()) {
    return {std::move(names), KIRV_TEXT("kirv", "route par défaut de la table principale")};
  }
  if (std::vector<std::string> names = routed(true); !names.empty()) {
    return {std::move(names), KIRV_TEXT("kirv", "tunnel seul à porter la route par défaut")};
  }
  std::vector<std::string> names = Names(facts, [](const LinkFacts& link, Role role) {
    return role == Role::kLink && link.up && link.hasDevice;
  });
  if (!names.empty()) {
    return {std::move(names),
            KIRV_TEXT("kirv", "aucune route par défaut : interfaces actives d'un périphérique")};
  }
  return {{}, KIRV_TEXT("kirv", "aucune route par défaut ni interface active d'un périphérique")};
}

std::string ChoiceText(const InterfaceChoice& choice, const TextCatalogue* texts) {
  const std::string reason = Translated(texts, choice.reason.c_str());
  if (choice.names.empty()) {
    return Translated(texts, KIRV_TEXT("kirv", "aucune interface choisie (")) + reason + ")";
  }
  std::string text = Translated(texts, KIRV_TEXT("kirv", "interfaces choisies : "));
  for (std::size_t i = 0; i < choice.names.size(); ++i) {
    text += (i > 0 ? ", " : "") + choice.names[i];
  }
  return text + " (" + reason + ")";
}

}  // namespace kirv
