// The real program on good and bad input: exit status, what reaches standard error and what
// reaches standard output. Nothing crashes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/temp_directory.h"
#include "support/program_process.h"

namespace kirv {
namespace {

struct StatusCase {
  const char* name;
  std::vector<std::string> arguments;  // "{dir}" stands for the test's folder
  int status;
  std::string errorText;  // found on standard error
  int errorLines;         // lines on standard error, or -1 for any number (the help)
  bool output;            // something on standard output
};

class CommandStatusTest : public testing::TempDirectoryTest,
                          public ::testing::WithParamInterface<StatusCase> {
 protected:
  void SetUp() override {
    TempDirectoryTest::SetUp();
    std::filesystem::create_directories(dir_ / "empty");
    std::filesystem::create_directories(dir_ / "folder.mdf");
    std::filesystem::create_directories(dir_ / "other");
    WriteArchive("other/wlan0.mdf", {{{2026, 4, 20, 9, 55, 0}, 3000, 300}});
    WriteArchive("eth0.mdf", {{{2026, 4, 20, 9, 55, 0}, 3000000, 300000},
                              {{2026, 4, 20, 10, 0, 0}, 1500000, 150000}});
    WriteFile("damaged.mdf",
              "F20/04/2026 09:50:00D100U200\r\n"
              "F20/04/2026 09:55:00D100\r\n"
              "F99/99/2026 10:00:00D100U200\r\n"
              "F20/04/2026 10:05:00D300U400\r\n");
    // Lines that give no record at all: without "F", too long, torn at the end; a blank line.
    const std::string tooLong = "F" + std::string(300, '7') + "\r\n";
    WriteFile("torn.mdf", "F20/04/2026 09:50:00D100U200\r\n20/04/2026 09:55:00D100U200\r\n\r\n" +
                              tooLong + "F20/04/2026 10:05:00D300U400\r\nF20/04/2026 10:1");
    std::string garbage;
    for (int i = 0; i < 20000; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
    WriteFile("garbage.mdf", garbage);
  }

  std::string InFolder(std::string text) const {
    for (std::size_t at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}")) {
      text.replace(at, 5, dir_.string());
    }
    return text;
  }
};

TEST_P(CommandStatusTest, ExitsWithItsStatusAndSaysWhy) {
  const StatusCase& c = GetParam();
  std::filesystem::create_directories(dir_ / "run");
  const testing::Finished run =
      testing::RunProgram(c.arguments,
                          {"LC_ALL=C", "XDG_CONFIG_HOME=" + (dir_ / "config").string(),
                           "XDG_DATA_HOME=" + (dir_ / "data").string()},
                          dir_ / "run");
  EXPECT_EQ(run.status, c.status) << run.err;
  EXPECT_NE(run.err.find(InFolder(c.errorText)), std::string::npos) << run.err;
  if (c.errorLines >= 0) {
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), c.errorLines) << run.err;
  }
  EXPECT_EQ(!run.out.empty(), c.output) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CommandStatusTest,
    ::testing::Values(
        StatusCase{
            "ReportOfAnArchive", {"report", "eth0.mdf", "--date", "20/04/2026"}, 0, "", 0, true},
        StatusCase{"ReportHelp", {"report", "--help"}, 0, "", 0, true},
        StatusCase{"ReportOfAMissingArchive",
                   {"report", "missing.mdf"},
                   2,
                   "{dir}/missing.mdf : No such file or directory ; "
                   "{dir}/data/KIRV/missing.mdf : No such file or directory\n",
                   1,
                   false},
        StatusCase{"ReportOfANameOnlyInTheDataFolder",
                   {"report", "wlan0.mdf", "--data-dir", "other"},
                   0,
                   "",
                   0,
                   true},
        StatusCase{"ReportOfAMissingPathIsNotLookedFor",
                   {"report", "./wlan0.mdf", "--data-dir", "other"},
                   2,
                   "kirv report : {dir}/wlan0.mdf : No such file or directory\n",
                   1,
                   false},
        StatusCase{
            "ReportOfAFolder", {"report", "folder.mdf"}, 2, "n'est pas un fichier", 1, false},
        StatusCase{"ReportOfAFolderWithoutArchives",
                   {"report", "--data-dir", "empty"},
                   1,
                   "aucune archive (*.mdf) dans {dir}/empty",
                   1,
                   false},
        StatusCase{"ReportOfTheDataFolderWhenMissing", {"report"}, 1, "aucune archive", 1, false},
        StatusCase{"ReportOfAnImpossibleDate",
                   {"report", "eth0.mdf", "--date", "31/02/2026"},
                   2,
                   "date illisible : 31/02/2026",
                   -1,
                   false},
        StatusCase{"ReportAsJsonAndCsv",
                   {"report", "eth0.mdf", "--json", "--csv"},
                   2,
                   "Utilisation : kirv report [options] [ARCHIVE]",
                   -1,
                   false},
        StatusCase{"ReportWithAnUnknownOption",
                   {"report", "--fast"},
                   2,
                   "kirv report : option inconnue « --fast »",
                   -1,
                   false},
        StatusCase{"ReportOfTwoArchives",
                   {"report", "eth0.mdf", "damaged.mdf"},
                   2,
                   "une seule ARCHIVE",
                   -1,
                   false},
        StatusCase{"ReportOfADamagedArchive",
                   {"report", "damaged.mdf", "--json"},
                   0,
                   "damaged.mdf : 2 ligne(s) illisible(s) ignorée(s)",
                   1,
                   true},
        StatusCase{"ReportOfAnArchiveWithLinesWithoutRecords",
                   {"report", "torn.mdf", "--date", "20/04/2026"},
                   0,
                   "torn.mdf : 3 ligne(s) illisible(s) ignorée(s)",
                   1,
                   true},
        StatusCase{"ReportOfGarbage", {"report", "garbage.mdf", "--csv"}, 0, "", -1, true},
        StatusCase{"GraphOfAnUnknownPeriod",
                   {"graph", "eth0.mdf", "--period", "fortnight", "-o", "x.png"},
                   2,
                   "période illisible : fortnight",
                   -1,
                   false},
        StatusCase{"GraphWithoutPeriod",
                   {"graph", "eth0.mdf", "-o", "x.png"},
                   2,
                   "période illisible",
                   -1,
                   false},
        StatusCase{"GraphWithoutOutput",
                   {"graph", "eth0.mdf", "--period", "day"},
                   2,
                   "-o fichier.png ou --json",
                   -1,
                   false},
        StatusCase{"GraphAtADateWithoutTime",
                   {"graph", "eth0.mdf", "--period", "day", "--at", "20/04/2026", "--json"},
                   2,
                   "instant illisible",
                   -1,
                   false},
        StatusCase{"GraphOfAZeroScale",
                   {"graph", "eth0.mdf", "--period", "day", "--scale", "manual:0", "--json"},
                   2,
                   "échelle illisible",
                   -1,
                   false},
        StatusCase{"GraphTooWide",
                   {"graph", "eth0.mdf", "--period", "day", "--width", "5000", "--json"},
                   2,
                   "largeur illisible",
                   -1,
                   false},
        StatusCase{
            "GraphWithAndWithoutLegend",
            {"graph", "eth0.mdf", "--period", "day", "--legend", "--no-legend", "-o", "x.png"},
            2,
            "--legend ou --no-legend, pas les deux",
            -1,
            false},
        StatusCase{"GraphWithLegendIntoAMissingFolder",
                   {"graph", "eth0.mdf", "--period", "week", "--legend", "-o", "no/such/x.png"},
                   1,
                   "no/such/x.png",
                   1,
                   false},
        StatusCase{"GraphOfAMissingArchive",
                   {"graph", "missing.mdf", "--period", "day", "--json"},
                   2,
                   "{dir}/missing.mdf : No such file or directory ; "
                   "{dir}/data/KIRV/missing.mdf : No such file or directory\n",
                   1,
                   false},
        StatusCase{"GraphIntoAMissingFolder",
                   {"graph", "eth0.mdf", "--period", "day", "-o", "no/such/x.png"},
                   1,
                   "no/such/x.png",
                   1,
                   false},
        StatusCase{"GraphOfGarbage",
                   {"graph", "garbage.mdf", "--period", "year", "--json", "-o", "g.png"},
                   0,
                   "",
                   0,
                   true},
        StatusCase{"LogWithAnArgument", {"log", "now"}, 2, "argument inattendu : now", -1, false},
        StatusCase{"LogEveryMillisecond",
                   {"log", "--period-ms", "999"},
                   2,
                   "période trop courte, 1000 ms au moins : 999",
                   -1,
                   false},
        StatusCase{"LogIntoAFile", {"log", "--data-dir", "eth0.mdf"}, 1, "eth0.mdf", 1, false}),
    [](const ::testing::TestParamInfo<StatusCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kirv
