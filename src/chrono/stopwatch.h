#pragma once

#include <cstdint>
#include <string>

#include "common/calendar.h"
#include "common/number_format.h"

namespace kirv {

// The elapsed-time display, two digits each; the hours start again from 0 after 24 hours.
struct ElapsedTexts {
  std::string h;
  std::string m;
  std::string s;
  std::string cs;  // the tenths, back to "0" at every second
};

// A group box's two labels: "IN : " and "OUT : " followed by the figure and its unit.
struct InOutTexts {
  std::string in;
  std::string out;
};

// The checked projection radio button: "Heure" (rb) or "Jour" (rb2).
enum class ProjectionSpan { kHour, kDay };

struct StopwatchFigures {
  InOutTexts volume;         // ti, tu
  InOutTexts average;        // md, mu
  InOutTexts highest;        // vd, vu
  InOutTexts projection;     // pd, pu
  bool switchToDay = false;  // past one hour on "Heure": grey "Heure" out and check "Jour"
};

// The figures of one timed transfer, fed once a second with the speeds the sampler left. The
// window's three timers each call one tick function; the counters live as long as the program.
class Stopwatch {
 public:
  // "Start": the seconds count back to 1, totals and highest speeds to 0, the start time now.
  void Start(const DateTime& now);

  // Timer1, every second: the time since the start; the seconds count goes up by one.
  ElapsedTexts SecondTick(const DateTime& now);

  // Timer3, every 100 ms: the tenths text, "1" to "9" and then "0".
  std::string TenthTick();

  // Timer2, every second: currentIn and currentOut in octets per second.
  StopwatchFigures FiguresTick(std::int32_t currentIn, std::int32_t currentOut, ProjectionSpan span,
                               const NumberFormat& format);

  std::int64_t SecondsCount() const { return secondsCount_; }

 private:
  DateTime start_;
  std::int64_t secondsCount_ = 1;  // starts at 1, so an average never divides by zero
  int tenths_ = 0;
  double totalIn_ = 0.0;
  double totalOut_ = 0.0;
  double highestIn_ = 0.0;
  double highestOut_ = 0.0;
};

}  // namespace kirv
