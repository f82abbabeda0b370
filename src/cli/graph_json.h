#pragma once

#include <QJsonObject>

#include "graph/column_table.h"
#include "graph/history_graph.h"
#include "graph/trace_inputs.h"

namespace kirv {

// A trace as a JSON object with stable English keys:
//   archive, period ("day", ...), at ("2026-04-20 10:00"), width, height, unit ("octets" or
//   "bits"), fullScale (octets per second), unitPrefix (""/" K"/" M"), divisor,
//   statistics: {current, peak, average: {received, sent: {text ("12.34 K/s (5%)"), value,
//                percent}}},
//   peakRecord: {received, sent}, automaticScale,
//   columns: by column age from 0 (the slot of the instant) to W − 1,
//            [{received, sent, receivedPeak, sentPeak}], octets,
//   sums: {received, sent}: the columns' sums, octets.
// `columns` holds the table that the trace loaded; `in` its bounded inputs.
QJsonObject GraphJson(const TraceInputs& in, const TraceResult& result, const DisplayUnit& unit,
                      const ColumnTable& columns);

// "12.34 K/s (5%)": its value 12.34 and its percentage 5; the decimal separator may be a comma.
struct StatisticFigure {
  double value = 0;
  int percent = 0;
  friend bool operator==(const StatisticFigure&, const StatisticFigure&) = default;
};
StatisticFigure ReadStatistic(const std::string& text);

}  // namespace kirv
