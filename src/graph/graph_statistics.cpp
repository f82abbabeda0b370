#include "graph/graph_statistics.h"

#include <cmath>
#include <cstdint>

#include "common/number_format.h"
#include "graph/period_table.h"
#include "graph/trace_direction.h"

namespace kirv {

namespace {

// A figure before formatting: its value in the displayed unit and its percentage.
struct Figure {
  long double value;
  long double percent;
};

class FigureMaker {
 public:
  FigureMaker(const TraceInputs& in, const DisplayUnit& unit)
      : in_(in),
        unit_(unit),
        d_(unit.divisor),
        f_(in.UnitFactor()),
        v_(static_cast<long double>(in.fullScale)),
        span_(in.columnSpan) {}

  // A column's sum, as a rate over the column span.
  Figure Current(std::uint64_t sum) const {
    const auto rate = static_cast<long double>(sum / static_cast<std::uint64_t>(span_));
    return {std::floor(rate / d_ * f_ * 100) * 0.01L,
            std::floor(static_cast<long double>(sum) / span_ / v_ * 100)};
  }

  // One record, as a rate over its five minutes.
  Figure Peak(std::uint64_t record) const {
    const auto r = static_cast<long double>(record);
    return {std::floor(r / d_ * f_ * 100 / kSlotSeconds) * 0.01L,
            std::floor(r / kSlotSeconds / v_ * 100)};
  }

  // The sum of the columns, spread over all W of them.
  Figure Average(std::uint64_t sum) const {
    const auto s = static_cast<long double>(sum);
    const int w = in_.width;
    return {std::floor(s / w / d_ * f_ * 100 / span_) * 0.01L,
            std::floor(s / w / span_ / v_ * 100)};
  }

  std::string Text(const Figure& figure) const {
    return FormatGeneral(static_cast<double>(figure.value), in_.format) + unit_.prefix + "/s (" +
           FormatGeneral(static_cast<double>(figure.percent), in_.format) + "%)";
  }

 private:
  const TraceInputs& in_;
  const DisplayUnit& unit_;
  long double d_;
  long double f_;
  long double v_;
  int span_;
};

}  // namespace

GraphStatistics ComputeStatistics(const ColumnTable& table, const TraceTotals& totals,
                                  const TraceInputs& in, const DisplayUnit& unit) {
  const FigureMaker maker(in, unit);
  const ColumnEntry& latest =
      table[DirectionOf(in.leftToRight, in.width).LatestCompleteIndex(in.width)];
  // Both directions sum the indices 1 to W − 1, exactly.
  std::uint64_t received = 0;
  std::uint64_t sent = 0;
  for (int c = 1; c < in.width; ++c) {
    received += table[c].received;
    sent += table[c].sent;
  }
  return {maker.Text(maker.Current(latest.received)),
          maker.Text(maker.Current(latest.sent)),
          maker.Text(maker.Peak(totals.peakReceivedRecord)),
          maker.Text(maker.Peak(totals.peakSentRecord)),
          maker.Text(maker.Average(received)),
          maker.Text(maker.Average(sent))};
}

}  // namespace kirv
