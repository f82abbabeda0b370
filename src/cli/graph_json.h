#pragma once

#include <QJsonObject>

#include "graph/column_table.h"
#include "graph/history_graph.h"
#include "graph/trace_inputs.h"

namespace kirv {

// A trace as a JSON object with stable English keys:
//   archive, period ("day", ...), at ("2026-04-20 10:00"), width, height, unit ("octets" or
//   "bits"), fullScale (octets per second), unitPrefix (""/" K"/" M"), divisor,
//   statistics: {current, peak, average: {received, sent: {text ("12.34 K/s (5%)"), value
//                (12.34), percent (5)}}}, the figures as the core computed them before writing,
//                however large,
//   peakRecord: {received, sent}, automaticScale,
//   columns: by column age from 0 (the slot of the instant) to W − 1,
//            [{received, sent, receivedPeak, sentPeak}], octets,
//   sums: {received, sent}: the columns' sums, octets, stopping at the largest count.
// `columns` holds the table that the trace loaded; `in` its bounded inputs, with the full scale
// of the trace.
QJsonObject GraphJson(const TraceInputs& in, const TraceResult& result, const DisplayUnit& unit,
                      const ColumnTable& columns);

}  // namespace kirv
