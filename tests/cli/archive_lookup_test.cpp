// "kirv report ARCHIVE" and "kirv graph ARCHIVE" read a bare name from the current folder, else
// from the data folder; a name that neither holds is said with both paths.

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "archive/temp_directory.h"
#include "program_run.h"

namespace kirv {
namespace {

struct LookupCase {
  const char* name;
  std::vector<std::string> arguments;
  std::vector<std::string> archives;  // written before the run, from the test's folder
  int status;
  std::string said;  // on standard output when 0, else on standard error; "{dir}" the folder
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class ArchiveLookupTest : public testing::TempDirectoryTest,
                          public ::testing::WithParamInterface<LookupCase> {};

TEST_P(ArchiveLookupTest, TakesTheCurrentFolderThenTheDataFolder) {
  const LookupCase& c = GetParam();
  std::filesystem::create_directories(dir_ / "data" / "KIRV");
  std::filesystem::create_directories(dir_ / "run");
  for (const std::string& archive : c.archives) {
    WriteArchive(archive, {{{2026, 4, 20, 9, 55, 0}, 3000, 300}});
  }
  const testing::Finished run =
      testing::RunProgram(c.arguments,
                          {"LC_ALL=C", "XDG_CONFIG_HOME=" + (dir_ / "config").string(),
                           "XDG_DATA_HOME=" + (dir_ / "data").string()},
                          dir_ / "run");
  EXPECT_EQ(run.status, c.status) << run.err;
  std::string said = c.said;
  for (std::size_t at = said.find("{dir}"); at != std::string::npos; at = said.find("{dir}")) {
    said.replace(at, 5, dir_.string());
  }
  const std::string& where = c.status == 0 ? run.out : run.err;
  EXPECT_NE(where.find(said), std::string::npos) << where.substr(0, 400);
}

const std::vector<std::string> kGraph = {"graph", "eth0.mdf", "--period", "day", "--json"};

INSTANTIATE_TEST_SUITE_P(
    Places, ArchiveLookupTest,
    ::testing::Values(LookupCase{"ReportFromTheCurrentFolder",
                                 {"report", "eth0.mdf", "--json"},
                                 {"eth0.mdf", "data/KIRV/eth0.mdf"},
                                 0,
                                 "\"archive\":\"{dir}/eth0.mdf\""},
                      LookupCase{"ReportFromTheDataFolder",
                                 {"report", "eth0.mdf", "--json"},
                                 {"data/KIRV/eth0.mdf"},
                                 0,
                                 "\"archive\":\"{dir}/data/KIRV/eth0.mdf\""},
                      LookupCase{"ReportFromTheDataFolderOption",
                                 {"report", "eth0.mdf", "--json", "--data-dir", "data"},
                                 {"data/eth0.mdf"},
                                 0,
                                 "\"archive\":\"{dir}/data/eth0.mdf\""},
                      LookupCase{"ReportFromNeither",
                                 {"report", "eth0.mdf"},
                                 {},
                                 2,
                                 "kirv report : {dir}/eth0.mdf : No such file or directory ; "
                                 "{dir}/data/KIRV/eth0.mdf : No such file or directory\n"},
                      LookupCase{"ReportOfAPathIsNotLookedFor",
                                 {"report", "./eth0.mdf"},
                                 {"data/KIRV/eth0.mdf"},
                                 2,
                                 "kirv report : {dir}/eth0.mdf : No such file or directory\n"},
                      LookupCase{"GraphFromTheDataFolder",
                                 kGraph,
                                 {"data/KIRV/eth0.mdf"},
                                 0,
                                 "\"archive\":\"{dir}/data/KIRV/eth0.mdf\""},
                      LookupCase{"GraphFromNeither",
                                 kGraph,
                                 {},
                                 2,
                                 "kirv graph : {dir}/eth0.mdf : No such file or directory ; "
                                 "{dir}/data/KIRV/eth0.mdf : No such file or directory\n"}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kirv
