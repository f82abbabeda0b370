#pragma once

#include <string>
#include <vector>

#include "common/network_facts.h"
#include "common/texts.h"

namespace kirv {

// The interfaces a start without settings monitors, and why (a French source text, for standard
// error).
struct InterfaceChoice {
  std::vector<std::string> names;  // in the order of the links
  std::string reason;
};

// The links that carry the main table's default route; tunnels only when no other link does, so
// that a VPN is not counted beside the link it runs over. Loopback, bridges, docker* and virbr*
// are never taken, veth pairs only for the default route. Without a default route: the links
// that are up and backed by a device.
InterfaceChoice ChooseDefaultInterfaces(const NetworkFacts& facts);

// "interfaces choisies : eth0, wlan0 (route par défaut de la table principale)", or "aucune
// interface choisie (…)", in the language of `texts`.
std::string ChoiceText(const InterfaceChoice& choice, const TextCatalogue* texts = nullptr);

}  // namespace kirv
