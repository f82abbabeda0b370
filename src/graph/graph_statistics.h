#pragma once

#include <string>

#include "graph/column_table.h"
#include "graph/display_unit.h"
#include "graph/history_loader.h"
#include "graph/trace_inputs.h"

namespace kirv {

// The six value labels of "Statistiques", each as value, prefix, "/s (", percentage, "%)":
// "12.34 K/s (5%)". Values are in the displayed unit cut to two decimals; percentages are of the
// full scale in octets per second, floored.
struct GraphStatistics {
  std::string actueld;  // "Actuel In :": the newest complete column (age 1)
  std::string actuelu;  // "Actuel Out :"
  std::string maxd;     // "Max In :": the largest received record
  std::string maxu;     // "Max Out :"
  std::string moyd;     // "Moyenne In :": indices 1 to W − 1 over W columns
  std::string moyu;     // "Moyenne Out :"

  friend bool operator==(const GraphStatistics&, const GraphStatistics&) = default;
};

// One of the six figures before it is written: its value in the displayed unit cut to two
// decimals, and its percentage of the full scale, floored (it may run far past 100).
struct StatisticFigure {
  double value = 0;
  double percent = 0;

  friend bool operator==(const StatisticFigure&, const StatisticFigure&) = default;
};

// The figures of the six value labels, in the order of GraphStatistics.
struct StatisticFigures {
  StatisticFigure actueld;
  StatisticFigure actuelu;
  StatisticFigure maxd;
  StatisticFigure maxu;
  StatisticFigure moyd;
  StatisticFigure moyu;

  friend bool operator==(const StatisticFigures&, const StatisticFigures&) = default;
};

// in.fullScale is the full scale of this trace (after "Automatique"); the inputs must be Bounded.
StatisticFigures ComputeStatisticFigures(const ColumnTable& table, const TraceTotals& totals,
                                         const TraceInputs& in, const DisplayUnit& unit);

// The figures as the labels show them.
GraphStatistics ComputeStatistics(const ColumnTable& table, const TraceTotals& totals,
                                  const TraceInputs& in, const DisplayUnit& unit);

}  // namespace kirv
