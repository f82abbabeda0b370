#include "archive/clock_rule.h"

namespace kirv {

namespace {

std::int64_t Seconds(const DateTime& t) { return MillisecondsOf(t) / 1000; }

}  // namespace

StampVerdict JudgeStamp(const DateTime& stamp, const std::optional<DateTime>& newest,
                        int repeatedSeconds, const std::optional<DateTime>& behindSince) {
  if (!newest || Seconds(stamp) + repeatedSeconds >= Seconds(*newest)) return StampVerdict::kWrite;
  if (behindSince && Seconds(stamp) - Seconds(*behindSince) >= kLongestClockWaitSeconds) {
    return StampVerdict::kWriteBehind;
  }
  return StampVerdict::kCarry;
}

}  // namespace kirv
