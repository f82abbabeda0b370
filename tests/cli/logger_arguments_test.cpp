#include "cli/logger_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kirv {
namespace {

// What "kirv log" hands over comes back whole, whatever the folder and interface names hold.
TEST(LoggerArguments, ComeBackAsTheyWereHandedOver) {
  const std::vector<LoggerArguments> cases = {
      {"/home/anne/.local/share/KIRV", 300000, ',', {"lo", "enp3s0", "wlp2s0"}, "", {}},
      {"/tmp/dossier avec espaces/é", 1, '.', {}, "", {}},
      {"/d", 2147483647, ',', {"--", "--data-dir", "v*0", "p|<1>", ""}, "", {}},
      {"/d", 5, '.', {"--metrics-dir", "lo"}, "/var/lib/kirv metrics", {}},
      {"/d",
       5,
       ',',
       {"eth0"},
       "",
       PlanControls{true, "1610612736", 2, 1, 28, "", 1, 90, "eth0 wwan0"}},
      {"/d", 5, ',', {"--plan"}, "/m", PlanControls{true, "1", 0, 31, 1, "29/02/2028", 0, 1, ""}},
  };
  for (const LoggerArguments& c : cases) {
    EXPECT_EQ(LoggerArguments::Parse(c.ToArguments()), c) << c.dataFolder;
  }
}

TEST(LoggerArguments, RefuseWhatKirvLogNeverHandsOver) {
  using Args = std::vector<std::string>;
  const Args good = {"--data-dir", "/d", "--period-ms", "5", "--decimal-separator", ",", "--"};
  ASSERT_TRUE(LoggerArguments::Parse(good));
  struct Case {
    const char* what;
    Args arguments;
  };
  const std::vector<Case> cases = {
      {"nothing", {}},
      {"the user's own options", {"--data-dir", "/d"}},
      {"no interface marker",
       {"--data-dir", "/d", "--period-ms", "5", "--decimal-separator", ",", "lo"}},
      {"options out of order",
       {"--period-ms", "5", "--data-dir", "/d", "--decimal-separator", ",", "--"}},
      {"an empty metrics folder",
       {"--data-dir", "/d", "--period-ms", "5", "--decimal-separator", ",", "--metrics-dir", "",
        "--"}},
      {"an empty folder", {"--data-dir", "", "--period-ms", "5", "--decimal-separator", ",", "--"}},
      {"a zero period", {"--data-dir", "/d", "--period-ms", "0", "--decimal-separator", ",", "--"}},
      {"a negative period",
       {"--data-dir", "/d", "--period-ms", "-5", "--decimal-separator", ",", "--"}},
      {"a period with text after it",
       {"--data-dir", "/d", "--period-ms", "5s", "--decimal-separator", ",", "--"}},
      {"a period beyond int",
       {"--data-dir", "/d", "--period-ms", "2147483648", "--decimal-separator", ",", "--"}},
      {"a separator of two characters",
       {"--data-dir", "/d", "--period-ms", "5", "--decimal-separator", ",,", "--"}},
  };
  for (const Case& c : cases) EXPECT_FALSE(LoggerArguments::Parse(c.arguments)) << c.what;
}

}  // namespace
}  // namespace kirv
