#include "sampling/rate_sampler.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/counter_growth.h"

namespace kirv {

namespace {

// floor(octets ÷ seconds) in extended precision, which the displayed figures depend on (T is a
// hair below P ÷ 20 there). Exact while the quotient stays below 2^64, i.e. up to about 9.2e17
// octets at the 50 ms period; saturates beyond.
std::uint64_t Scaled(std::uint64_t octets, long double seconds) {
  constexpr long double kTwoTo64 = 18446744073709551616.0L;
  const long double quotient = std::floor(static_cast<long double>(octets) / seconds);
  if (quotient >= kTwoTo64) return std::numeric_limits<std::uint64_t>::max();
  return static_cast<std::uint64_t>(quotient);
}

std::int32_t Saturated(std::uint64_t value) {
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(std::min(value, kMax));
}

bool IsChecked(const std::vector<bool>& list, std::size_t position) {
  return position < list.size() && list[position];
}

// The spin edit's clamp: equal bounds mean no limits.
std::int32_t Clamped(std::int32_t value, std::int32_t minimum, std::int32_t maximum) {
  if (minimum == maximum) return value;
  return value < minimum ? minimum : (value > maximum ? maximum : value);
}

// Kilo (1024) of the unit per second, cut to two decimals.
std::string Figure(double perSecond, const NumberFormat& format) {
  return FormatGeneral(CutTwoDecimals(perSecond, 1024.0), format);
}

}  // namespace

std::string SpeedText(std::uint64_t r, std::uint64_t s, SpeedUnit unit,
                      const NumberFormat& format) {
  const double m = UnitMultiplier(unit);
  const std::string name =
      unit == SpeedUnit::kBits ? "kbps" : format.Text(KIRV_TEXT("kirv", "ko/s"));
  return format.Text(KIRV_TEXT("kirv", "DL : ")) + Figure(m * static_cast<double>(r), format) +
         name + format.Text(KIRV_TEXT("kirv", "  UL : ")) +
         Figure(m * static_cast<double>(s), format) + name;
}

TickResult RateSampler::Tick(const TickInput& input) {
  // Counters scaled by another period cannot be differenced, whoever forgot to clear Primed.
  const bool measure = primed_ && input.period == lastPeriod_;
  const Sums sums = Sample(table_.TakeSnapshot(), input, measure);
  primed_ = true;

  const std::uint64_t r = sums.in1 + sums.in2;
  const std::uint64_t s = sums.out1 + sums.out2;
  const bool sameSelection = input.cbISelectedIndex == lastSelection_;
  TickResult result;
  if (sameSelection) {
    meterText_ = SpeedText(r, s, input.unit, input.numberFormat);
    result.textSet = true;
  }

  history_.Shift();
  const bool recorded = sameSelection && input.period == lastPeriod_;
  WriteNewest(sums, recorded);
  if (!recorded) {
    lastSelection_ = input.cbISelectedIndex;
    lastPeriod_ = input.period;
  }

  result.iconIndex = (r >= 100 ? 2 : 0) + (s >= 100 ? 1 : 0);
  if (input.stopwatchRunning) {
    result.stopwatchSet = true;
    result.currentIn = Saturated(r);
    result.currentOut = Saturated(s);
  }
  if (input.automaticScale) result.fullScale = AutomaticScale(input);
  return result;
}

RateSampler::Sums RateSampler::Sample(const InterfaceSnapshot& snapshot, const TickInput& input,
                                      bool measure) {
  const long double seconds = std::max(input.period, 1) * 50 * 0.001L;
  const std::uint64_t limit = Scaled(kImpossibleGrowth, seconds);
  Sums sums;
  auto measureInto = [&](const InterfaceRow* row, Previous& previous, std::uint64_t& sumIn,
                         std::uint64_t& sumOut) {
    if (row == nullptr) {
      previous.index = 0;  // absent: its counters are taken again when it is back
      return;
    }
    const Counters current{Scaled(row->inOctets, seconds), Scaled(row->outOctets, seconds)};
    if (measure && previous.index == row->index) {
      sumIn += MeterGrowth(previous.counters.in, current.in, limit);
      sumOut += MeterGrowth(previous.counters.out, current.out, limit);
    }
    previous.index = row->index;
    previous.counters = current;
  };
  for (std::size_t i = 0; i < input.names.size(); ++i) {
    const bool graph1 = IsChecked(input.lb1Checked, i);
    const bool graph2 = IsChecked(input.lb2Checked, i);
    if (!graph1 && !graph2) continue;
    const InterfaceRow* row = FindRow(snapshot, input.names[i]);
    Previous& previous = PreviousOf(input.names[i]);
    if (graph1) measureInto(row, previous, sums.in1, sums.out1);
    if (graph2) measureInto(row, previous, sums.in2, sums.out2);
  }
  return sums;
}

RateSampler::Previous& RateSampler::PreviousOf(const std::string& name) {
  for (Previous& previous : previous_) {
    if (previous.name == name) return previous;
  }
  return previous_.emplace_back(Previous{name, 0, {}});
}

// Record 0 after the shift. The first tick after a change of period or selection zeroes graph 1
// and leaves graph 2 as the previous newest record had it.
void RateSampler::WriteNewest(const Sums& sums, bool recorded) {
  SpeedRecord& newest = history_.Newest();
  if (!recorded) {
    newest.In1 = 0;
    newest.Out1 = 0;
    return;
  }
  newest = {Saturated(sums.in1), Saturated(sums.out1), Saturated(sums.in2), Saturated(sums.out2)};
}

// The highest speed over the records the graph area shows, at least 1, clamped as spdspin would.
std::int32_t RateSampler::AutomaticScale(const TickInput& input) {
  const int width = std::min(input.graphWidth, SpeedHistory::kSize);
  std::int32_t highest = 1;
  for (int age = 0; age < width; ++age) {
    const SpeedRecord& record = history_[age];
    highest = std::max({highest, record.In1, record.Out1, record.In2, record.Out2});
  }
  const std::int32_t value = Clamped(highest, input.scaleMinimum, input.scaleMaximum);
  pixelsPerOctet_ = static_cast<float>(static_cast<double>(input.graphHeight) / value);
  return value;
}

}  // namespace kirv
