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

class FigureMaker {
 public:
  FigureMaker(const TraceInputs& in, const DisplayUnit& unit)
      : in_(in),
        d_(unit.divisor),
        f_(in.UnitFactor()),
        v_(static_cast<std::uint64_t>(in.fullScale)),
        span_(static_cast<std::uint64_t>(in.columnSpan)) {}

  // A column's sum, as a rate over the column span.
  StatisticFigure Current(std::uint64_t sum) const {
    const auto rate = static_cast<long double>(sum / span_);
    return Figure(std::floor(rate / d_ * f_ * 100) * 0.01L, Percent(sum, span_));
  }

  // One record, as a rate over its five minutes.
  StatisticFigure Peak(std::uint64_t record) const {
    const auto r = static_cast<long double>(record);
    return Figure(std::floor(r / d_ * f_ * 100 / kSlotSeconds) * 0.01L,
                  Percent(record, kSlotSeconds));
  }

  // The sum of the columns, spread over all W of them.
  StatisticFigure Average(std::uint64_t sum) const {
    const auto s = static_cast<long double>(sum);
    const auto w = static_cast<std::uint64_t>(in_.width);
    return Figure(std::floor(s / w / d_ * f_ * 100 / span_) * 0.01L, Percent(sum, w * span_));
  }

 private:
  static StatisticFigure Figure(long double value, long double percent) {
    return {static_cast<double>(value), static_cast<double>(percent)};
  }

  // floor(100 × octets ÷ (seconds × V)), in exact integers: the rate of `octets` over `seconds`
  // as a whole percentage of the full scale.
  long double Percent(std::uint64_t octets, std::uint64_t seconds) const {
    return static_cast<long double>(Wide{octets} * 100 / (Wide{seconds} * v_));
  }

  const TraceInputs& in_;
  long double d_;
  long double f_;
  std::uint64_t v_;
  std::uint64_t span_;
};

std::string Text(const StatisticFigure& figure, const TraceInputs& in, const DisplayUnit& unit) {
  return FormatGeneral(figure.value, in.format) + unit.prefix + "/s (" +
         FormatGeneral(figure.percent, in.format) + "%)";
}

}  // namespace

StatisticFigures ComputeStatisticFigures(const ColumnTable& table, const TraceTotals& totals,
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
  return {maker.Current(latest.received),
          maker.Current(latest.sent),
          maker.Peak(totals.peakReceivedRecord),
          maker.Peak(totals.peakSentRecord),
          maker.Average(received),
          maker.Average(sent)};
}

GraphStatistics ComputeStatistics(const ColumnTable& table, const TraceTotals& totals,
                                  const TraceInputs& in, const DisplayUnit& unit) {
  const StatisticFigures f = ComputeStatisticFigures(table, totals, in, unit);
  return {Text(f.actueld, in, unit), Text(f.actuelu, in, unit), Text(f.maxd, in, unit),
          Text(f.maxu, in, unit),    Text(f.moyd, in, unit),    Text(f.moyu, in, unit)};
}

}  // namespace kirv
