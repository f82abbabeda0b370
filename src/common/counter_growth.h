#pragma once

// How the growth of an interface's octet counter between two readings is counted. The meter and
// the logger count a counter that fell back in opposite ways, on purpose: a speed shown must never
// be false, while an archive record must keep the traffic that a reset adapter counted since.

#include <cstdint>

namespace kirv {

// The meter's rule, per tick: a counter that fell back (interface restarted, counters reset) grew
// by nothing, and so did one that jumped by more than `limit`, further than any link can move.
constexpr std::uint64_t MeterGrowth(std::uint64_t previous, std::uint64_t current,
                                    std::uint64_t limit) {
  return current >= previous && current - previous <= limit ? current - previous : 0;
}

// The logger's rule, per record: a counter below its baseline was restarted, so its whole value
// is the growth since the baseline. Both are read from the same link.
constexpr std::uint64_t LoggerGrowth(std::uint64_t baseline, std::uint64_t now) {
  return now >= baseline ? now - baseline : now;
}

}  // namespace kirv
