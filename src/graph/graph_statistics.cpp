#include "graph/graph_statistics.h"

#include <cmath>
#include <cstdint>

#include "archive/record.h"
#include "common/number_format.h"
#include "graph/period_table.h"
#include "graph/trace_direction.h"

namespace kirv {

namespace {

// Wide enough for 100 × a sum and for W × span × V.
__extension__ using Wide = unsigned __int128;

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
        v_(static_cast<std::uint64_t>(in.fullScale)),
        span_(static_cast<std::uint64_t>(in.columnSpan)) {}

  // A column's sum, as a rate over the column span.
  Figure Current(std::uint64_t sum) const {
    const auto rate = static_cast<long double>(sum / span_);
    return {std::floor(rate / d_ * f_ * 100) * 0.01L, Percent(sum, span_)};
  }

  // One record, as a rate over its five minutes.
  Figure Peak(std::uint64_t record) const {
    const auto r = static_cast<long double>(record);
    return {std::floor(r / d_ * f_ * 100 / kSlotSeconds) * 0.01L, Percent(record, kSlotSeconds)};
  }

  // The sum of the columns, spread over all W of them.
  Figure Average(std::uint64_t sum) const {
    const auto s = static_cast<long double>(sum);
    const auto w = static_cast<std::uint64_t>(in_.width);
    return {std::floor(s / w / d_ * f_ * 100 / span_) * 0.01L, Percent(sum, w * span_)};
  }

  std::string Text(const Figure& figure) const {
    return FormatGeneral(static_cast<double>(figure.value), in_.format) + unit_.prefix + "/s (" +
           FormatGeneral(static_cast<double>(figure.percent), in_.format) + "%)";
  }

 private:
  // floor(100 × octets ÷ (seconds × V)), in exact integers: the rate of `octets` over `seconds`
  // as a whole percentage of the full scale.
  long double Percent(std::uint64_t octets, std::uint64_t seconds) const {
    return static_cast<long double>(Wide{octets} * 100 / (Wide{seconds} * v_));
  }

  const TraceInputs& in_;
  const DisplayUnit& unit_;
  long double d_;
  long double f_;
  std::uint64_t v_;
  std::uint64_t span_;
};

}  // namespace

GraphStatistics ComputeStatistics(const ColumnTable& table, const TraceTotals& totals,
                                  const TraceInputs& in, const DisplayUnit& unit) {
  const FigureMaker maker(in, unit);
  const ColumnEntry& latest =
      table[DirectionOf(in.leftToRight, in.width).LatestCompleteIndex(in.width)];
  // Both directions sum the indices 1 to W − 1, exactly up to 2^63 - 1.
  std::uint64_t received = 0;
  std::uint64_t sent = 0;
  for (int c = 1; c < in.width; ++c) {
    received = SaturatingSum(received, table[c].received);
    sent = SaturatingSum(sent, table[c].sent);
  }
  return {maker.Text(maker.Current(latest.received)),
          maker.Text(maker.Current(latest.sent)),
          maker.Text(maker.Peak(totals.peakReceivedRecord)),
          maker.Text(maker.Peak(totals.peakSentRecord)),
          maker.Text(maker.Average(received)),
          maker.Text(maker.Average(sent))};
}

}  // namespace kirv
