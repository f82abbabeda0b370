#include "platform/system_clock.h"

#include <sys/time.h>

#include <ctime>

namespace kirv {

DateTime SystemClock::Now() const {
  timeval tv{};
  gettimeofday(&tv, nullptr);
  // localtime_r reads the zone once per process; tzset reads TZ again and, when TZ is unset,
  // reloads /etc/localtime if that file changed (a stat per call, cheap beside a tick).
  tzset();
  std::tm local{};
  localtime_r(&tv.tv_sec, &local);
  return {local.tm_year + 1900,
          local.tm_mon + 1,
          local.tm_mday,
          local.tm_hour,
          local.tm_min,
          local.tm_sec,
          static_cast<int>(tv.tv_usec / 1000)};
}

int SystemClock::RepeatedSeconds() const {
  tzset();
  return RepeatedSecondsAt(std::time(nullptr));
}

int SystemClock::RepeatedSecondsAt(std::time_t utc) {
  const std::time_t hourAgo = utc - 3600;
  std::tm now{};
  std::tm before{};
  localtime_r(&utc, &now);
  localtime_r(&hourAgo, &before);
  return before.tm_gmtoff > now.tm_gmtoff ? static_cast<int>(before.tm_gmtoff - now.tm_gmtoff) : 0;
}

}  // namespace kirv
