#pragma once

#include <cstdint>
#include <optional>

#include "common/calendar.h"

namespace kirv {

// How long, by its own reading, the clock may stay behind an archive's newest record: past that,
// the record is taken to have been stamped by a clock that was wrongly ahead, and writing goes
// on. A clock reset at boot (RTC at 2000 before the network time) is put right within minutes;
// a whole day of traffic carried into one record is still kept.
inline constexpr std::int64_t kLongestClockWaitSeconds = 24 * 3600;

enum class StampVerdict {
  kWrite,        // at or after the newest record, or within the repeated hour
  kCarry,        // behind it: no record, the traffic goes into a later one
  kWriteBehind,  // behind it for kLongestClockWaitSeconds: the newest record is wrong
};

// Whether a record stamped `stamp` (local time, to the second) may follow the archive's newest
// record. It may when it is not earlier, or when it is earlier by no more than repeatedSeconds:
// the local time that the clock shows a second time because the zone's offset from UTC fell
// within the past hour (3600 in the hour repeated at the end of summer time, else 0). A clock
// that has been behind since the stamp behindSince (the first carried tick) writes again once
// kLongestClockWaitSeconds have passed by its reading.
StampVerdict JudgeStamp(const DateTime& stamp, const std::optional<DateTime>& newest,
                        int repeatedSeconds, const std::optional<DateTime>& behindSince);

}  // namespace kirv
