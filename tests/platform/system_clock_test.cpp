#include "platform/system_clock.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <ostream>
#include <string>

#include "child_process.h"

namespace kirv {
namespace {

// Minutes from UTC to the local time that the clock gives, read within one second.
std::optional<std::int64_t> OffsetMinutes(const SystemClock& clock) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::time_t before = std::time(nullptr);
    DateTime local = clock.Now();
    if (std::time(nullptr) != before) continue;
    std::tm utc{};
    gmtime_r(&before, &utc);
    local.millisecond = 0;
    const DateTime universal{utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                             utc.tm_hour,        utc.tm_min,     utc.tm_sec};
    return (MillisecondsOf(local) - MillisecondsOf(universal)) / 60000;
  }
  return std::nullopt;
}

// Puts TZ back as the test found it.
class ZoneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* tz = std::getenv("TZ")) saved_ = tz;
  }
  void TearDown() override {
    if (saved_) {
      setenv("TZ", saved_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> saved_;
};

struct ZoneCase {
  const char* name;
  const char* tz;
  std::int64_t offsetMinutes;
};

void PrintTo(const ZoneCase& c, std::ostream* os) { *os << c.name; }

class SystemClockZone : public ZoneTest, public ::testing::WithParamInterface<ZoneCase> {};

TEST_P(SystemClockZone, FollowsATimeZoneChangedWhileRunning) {
  const ZoneCase& c = GetParam();
  const SystemClock clock;
  // A first reading in another zone, so that the one under test comes from a change.
  setenv("TZ", "<+03>-3", 1);
  ASSERT_EQ(OffsetMinutes(clock), 180);
  setenv("TZ", c.tz, 1);
  EXPECT_EQ(OffsetMinutes(clock), c.offsetMinutes);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, SystemClockZone,
    ::testing::Values(ZoneCase{"Utc", "UTC0", 0}, ZoneCase{"FourteenHoursAhead", "<+14>-14", 840},
                      ZoneCase{"TwelveHoursBehind", "<-12>12", -720},
                      ZoneCase{"FiveHoursFortyFiveAhead", "<+0545>-5:45", 345},
                      ZoneCase{"NineAndAHalfHoursBehind", "<-0930>9:30", -570}),
    [](const ::testing::TestParamInfo<ZoneCase>& info) { return info.param.name; });

// Paris on 25 October 2026: 02:00 to 03:00 comes twice, the second time from 01:00 UTC on.
TEST_F(ZoneTest, KnowsTheHourThatTheEndOfSummerTimeRepeats) {
  if (access("/usr/share/zoneinfo/Europe/Paris", R_OK) != 0) GTEST_SKIP() << "no zone files";
  setenv("TZ", "Europe/Paris", 1);
  tzset();
  std::tm day{};
  day.tm_year = 2026 - 1900;
  day.tm_mon = 9;
  day.tm_mday = 25;
  const std::time_t midnight = timegm(&day);
  std::string repeated;
  for (int minutes : {30, 59, 60, 90, 119, 120, 150}) {
    repeated += std::to_string(SystemClock::RepeatedSecondsAt(midnight + minutes * 60)) + " ";
  }
  EXPECT_EQ(repeated, "0 0 3600 3600 3600 0 0 ");
}

// Runs work in a child process with its own mount namespace and sends back its text.
std::string RunInPrivateMountNamespace(std::string (*work)()) {
  return testing::RunInChildProcess([&]() -> std::string {
    if (unshare(CLONE_NEWNS) != 0) {
      return std::string("SKIP unshare(CLONE_NEWNS) refused: ") + std::strerror(errno);
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
      return std::string("SKIP mounts cannot be made private: ") + std::strerror(errno);
    }
    return work();
  });
}

constexpr char kAhead[] = "/usr/share/zoneinfo/Etc/GMT-14";   // UTC+14
constexpr char kBehind[] = "/usr/share/zoneinfo/Etc/GMT+12";  // UTC-12

// The offsets read with each zone file in turn mounted over /etc/localtime, TZ unset.
std::string OffsetsWithReplacedLocaltime() {
  unsetenv("TZ");
  const SystemClock clock;
  std::string offsets;
  for (const char* zone : {kAhead, kBehind, kAhead}) {
    if (mount(zone, "/etc/localtime", nullptr, MS_BIND, nullptr) != 0) {
      return std::string("SKIP cannot mount over /etc/localtime: ") + std::strerror(errno);
    }
    const std::optional<std::int64_t> offset = OffsetMinutes(clock);
    offsets += (offsets.empty() ? "" : " ") + (offset ? std::to_string(*offset) : "?");
  }
  return offsets;
}

TEST_F(ZoneTest, FollowsANewLocaltimeFileWhileRunning) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root for a mount namespace";
  if (access(kAhead, R_OK) != 0 || access(kBehind, R_OK) != 0) {
    GTEST_SKIP() << "no zone files under /usr/share/zoneinfo/Etc";
  }
  const std::string result = RunInPrivateMountNamespace(OffsetsWithReplacedLocaltime);
  if (result.starts_with("SKIP")) GTEST_SKIP() << result;
  EXPECT_EQ(result, "840 -720 840");
}

}  // namespace
}  // namespace kirv
