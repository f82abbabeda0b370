// "kirv report --date D" reads an archive as it stood at the end of day D: the very output of the
// same archive cut after D, in every form, for a day inside the archive, its first and last days
// and a day before it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "archive/temp_directory.h"
#include "support/program_process.h"

namespace kirv {
namespace {

bool After(const DateTime& a, const DateTime& b) {
  return std::tie(a.year, a.month, a.day) > std::tie(b.year, b.month, b.day);
}

// From 28/11 to 8/12/2026 and up to lastDay, three records a day that grow with the day.
std::vector<testing::ArchiveLine> Records(const DateTime& lastDay) {
  std::vector<testing::ArchiveLine> lines;
  for (int i = 0; i < 11; ++i) {
    const DateTime day = i < 3 ? DateTime{2026, 11, 28 + i} : DateTime{2026, 12, i - 2};
    if (After(day, lastDay)) break;
    for (const std::uint64_t hour : {0, 12, 23}) {
      lines.push_back({{day.year, day.month, day.day, static_cast<int>(hour), 55, 0},
                       1000000 * (static_cast<std::uint64_t>(i) + hour),
                       30000 * hour});
    }
  }
  return lines;
}

struct DateCase {
  const char* name;
  DateTime day;
  const char* form;  // "" for text
};

class ReportDateTest : public testing::TempDirectoryTest,
                       public ::testing::WithParamInterface<DateCase> {
 protected:
  // The report of folder/eth0.mdf, its folder's path written "DIR".
  std::string Report(const std::string& folder) {
    const DateCase& c = GetParam();
    const std::string date = std::to_string(c.day.day) + "/" + std::to_string(c.day.month) + "/" +
                             std::to_string(c.day.year);
    std::vector<std::string> arguments = {"report", folder + "/eth0.mdf", "--date", date};
    if (*c.form != '\0') arguments.push_back(c.form);
    std::filesystem::create_directories(dir_ / "run");
    const testing::Finished run = testing::RunProgram(
        arguments, {"LC_ALL=C", "XDG_CONFIG_HOME=" + (dir_ / "config").string()}, dir_ / "run");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string out = run.out;
    const std::string path = (dir_ / folder).string();
    for (std::size_t at = out.find(path); at != std::string::npos; at = out.find(path, at)) {
      out.replace(at, path.size(), "DIR");
    }
    return out;
  }
};

TEST_P(ReportDateTest, EqualsTheReportOfTheArchiveCutAfterThatDay) {
  std::filesystem::create_directories("whole");
  std::filesystem::create_directories("cut");
  WriteArchive("whole/eth0.mdf", Records({2026, 12, 31}));
  WriteArchive("cut/eth0.mdf", Records(GetParam().day));
  const std::string whole = Report("whole");
  EXPECT_NE(whole, "");
  EXPECT_EQ(whole, Report("cut"));
}

INSTANTIATE_TEST_SUITE_P(
    Days, ReportDateTest,
    ::testing::Values(DateCase{"FirstOfDecemberText", {2026, 12, 1}, ""},
                      DateCase{"FirstOfDecemberJson", {2026, 12, 1}, "--json"},
                      DateCase{"LastOfNovemberCsv", {2026, 11, 30}, "--csv"},
                      DateCase{"FirstDayJson", {2026, 11, 28}, "--json"},
                      DateCase{"DayBeforeTheArchiveText", {2026, 11, 27}, ""},
                      DateCase{"MiddleOfTheArchiveCsv", {2026, 12, 5}, "--csv"},
                      DateCase{"LastDayText", {2026, 12, 8}, ""}),
    [](const ::testing::TestParamInfo<DateCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kirv
