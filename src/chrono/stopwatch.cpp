#include "chrono/stopwatch.h"

#include <algorithm>

#include "common/carried_unit.h"

namespace kirv {

namespace {

constexpr UnitTexts kVolumeTexts = {KIRV_TEXT("kirv", "Ko"), KIRV_TEXT("kirv", "Mo"),
                                    KIRV_TEXT("kirv", "Go")};
constexpr UnitTexts kAverageTexts = {KIRV_TEXT("kirv", "Ko/s"), KIRV_TEXT("kirv", "Mo/S"),
                                     KIRV_TEXT("kirv", "Go/s")};
constexpr UnitTexts kHighestTexts = {KIRV_TEXT("kirv", "Ko/s"), KIRV_TEXT("kirv", "Mo/s"),
                                     KIRV_TEXT("kirv", "Go/s")};
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kSecondsPerHour = 3600;

std::string TwoDigits(std::int64_t value) {
  std::string digits = value <= 9 ? "0" : "";
  digits += std::to_string(value);
  return digits;
}

// The unit is chosen on the group's pair, then both are written.
InOutTexts Group(CarriedUnit& unit, double in, double out, const UnitTexts& texts,
                 const NumberFormat& format) {
  unit.Choose(in, out, texts);
  return {format.Text(KIRV_TEXT("kirv", "IN : ")) + unit.Format(in),
          format.Text(KIRV_TEXT("kirv", "OUT : ")) + unit.Format(out)};
}

}  // namespace

void Stopwatch::Start(const DateTime& now) {
  secondsCount_ = 1;
  tenths_ = 0;
  totalIn_ = totalOut_ = highestIn_ = highestOut_ = 0.0;
  start_ = now;
}

ElapsedTexts Stopwatch::SecondTick(const DateTime& now) {
  // A clock set back before the start reads as no time elapsed.
  const std::int64_t elapsed =
      std::max<std::int64_t>((MillisecondsOf(now) - MillisecondsOf(start_)) / 1000, 0);
  ++secondsCount_;
  tenths_ = 0;
  return {TwoDigits(elapsed % kSecondsPerDay / kSecondsPerHour),
          TwoDigits(elapsed % kSecondsPerHour / 60), TwoDigits(elapsed % 60), "0"};
}

std::string Stopwatch::TenthTick() {
  tenths_ = (tenths_ + 1) % 10;
  return std::to_string(tenths_);
}

StopwatchFigures Stopwatch::FiguresTick(std::int32_t currentIn, std::int32_t currentOut,
                                        ProjectionSpan span, const NumberFormat& format) {
  totalIn_ += currentIn;
  totalOut_ += currentOut;
  highestIn_ = std::max<double>(highestIn_, currentIn);
  highestOut_ = std::max<double>(highestOut_, currentOut);

  const double count = static_cast<double>(secondsCount_);
  const auto spanSeconds =
      static_cast<double>(span == ProjectionSpan::kHour ? kSecondsPerHour : kSecondsPerDay);
  CarriedUnit unit(format.Text(KIRV_TEXT("kirv", "o")),
                   format);  // fresh at every tick, carried across its four groups
  StopwatchFigures f;
  f.volume = Group(unit, totalIn_, totalOut_, kVolumeTexts, format);
  f.average = Group(unit, totalIn_ / count, totalOut_ / count, kAverageTexts, format);
  f.highest = Group(unit, highestIn_, highestOut_, kHighestTexts, format);
  f.projection = Group(unit, totalIn_ / count * spanSeconds, totalOut_ / count * spanSeconds,
                       kVolumeTexts, format);
  f.switchToDay = span == ProjectionSpan::kHour && secondsCount_ > kSecondsPerHour;
  return f;
}

}  // namespace kirv
