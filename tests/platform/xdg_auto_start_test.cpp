#include "platform/xdg_auto_start.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "case_name.h"
#include "common/settings_store.h"
#include "xdg_config_dir.h"

namespace kirv {
namespace {

class XdgAutoStartTest : public testing::XdgConfigHomeTest {
 protected:
  std::filesystem::path EntryPath() const { return dir_ / "autostart" / "org.kirv.kirv.desktop"; }
  std::filesystem::path FormerEntryPath() const { return dir_ / "autostart" / "KIRV.desktop"; }

  std::vector<std::string> EntryLines() const {
    std::istringstream in(ReadFile(EntryPath()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};

TEST_F(XdgAutoStartTest, EntryLivesInTheAutostartFolderOfXdgConfigHome) {
  EXPECT_EQ(XdgAutoStartEntry().FilePath(), EntryPath().string());
}

TEST_F(XdgAutoStartTest, NoEntryAtFirst) { EXPECT_FALSE(XdgAutoStartEntry().Exists()); }

TEST_F(XdgAutoStartTest, WriteMakesADesktopEntryThatRunsTheExecutable) {
  XdgAutoStartEntry entry;
  entry.Write("/opt/kirv/bin/kirv");
  EXPECT_TRUE(entry.Exists());
  EXPECT_TRUE(XdgAutoStartEntry().Exists());
  const std::vector<std::string> expected = {
      "[Desktop Entry]",    "Type=Application",        "Name=KIRV",
      "Icon=org.kirv.kirv", "Exec=/opt/kirv/bin/kirv", "Terminal=false"};
  EXPECT_EQ(EntryLines(), expected);
}

TEST_F(XdgAutoStartTest, WriteReplacesAnEarlierEntry) {
  XdgAutoStartEntry entry;
  entry.Write("/opt/old/kirv");
  entry.Write("/opt/new/kirv");
  EXPECT_EQ(EntryLines().at(4), "Exec=/opt/new/kirv");
}

TEST_F(XdgAutoStartTest, RelativeExecutablePathIsMadeAbsolute) {
  XdgAutoStartEntry entry;
  entry.Write("kirv");
  EXPECT_EQ(EntryLines().at(4), "Exec=" + (std::filesystem::current_path() / "kirv").string());
}

TEST_F(XdgAutoStartTest, TheArgumentsFollowTheExecutableEachQuotedAsNeeded) {
  XdgAutoStartEntry entry;
  entry.SetArguments({"--data-dir", "/home/jo/Mes archives"});
  entry.Write("/opt/kirv/bin/kirv");
  EXPECT_EQ(EntryLines().at(4), R"(Exec=/opt/kirv/bin/kirv --data-dir "/home/jo/Mes archives")");
}

struct ExecCase {
  std::string path;
  std::string exec;
};

class ExecValueTest : public ::testing::TestWithParam<ExecCase> {};

TEST_P(ExecValueTest, QuotesAndEscapesAsDesktopEntriesAsk) {
  EXPECT_EQ(XdgAutoStartEntry::ExecValue(GetParam().path), GetParam().exec);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ExecValueTest,
    ::testing::Values(ExecCase{"/opt/kirv/bin/kirv", "/opt/kirv/bin/kirv"},
                      ExecCase{"/home/jo/Mes Programmes/kirv", R"("/home/jo/Mes Programmes/kirv")"},
                      ExecCase{"/opt/a$b/kirv", R"("/opt/a\\$b/kirv")"},
                      ExecCase{"/opt/say \"hi\"/kirv", R"("/opt/say \\"hi\\"/kirv")"},
                      ExecCase{"/opt/back\\slash/kirv", R"("/opt/back\\\\slash/kirv")"},
                      ExecCase{"/opt/it's/kirv", R"("/opt/it's/kirv")"},
                      ExecCase{"/opt/100%/kirv", "/opt/100%%/kirv"},
                      ExecCase{"/opt/new\nline/kirv", R"("/opt/new\nline/kirv")"},
                      ExecCase{"/opt/réseau/kirv", "/opt/réseau/kirv"}),
    [](const ::testing::TestParamInfo<ExecCase>& info) {
      return ::kirv::testing::CaseName({info.param.path});
    });

TEST_F(XdgAutoStartTest, RemoveDeletesTheEntry) {
  XdgAutoStartEntry entry;
  entry.Write("/opt/kirv/bin/kirv");
  entry.Remove();
  EXPECT_FALSE(entry.Exists());
  EXPECT_FALSE(std::filesystem::exists(EntryPath()));
}

TEST_F(XdgAutoStartTest, AnEntryOfAnEarlierVersionCountsAsTheEntry) {
  WriteFile(FormerEntryPath(), "[Desktop Entry]\nType=Application\nName=KIRV\nExec=/old/kirv\n");
  EXPECT_TRUE(XdgAutoStartEntry().Exists());
}

TEST_F(XdgAutoStartTest, WriteReplacesTheEntryOfAnEarlierVersion) {
  WriteFile(FormerEntryPath(), "[Desktop Entry]\nExec=/old/kirv\n");
  XdgAutoStartEntry().Write("/opt/kirv/bin/kirv");
  EXPECT_FALSE(std::filesystem::exists(FormerEntryPath()));
  EXPECT_EQ(EntryLines().at(4), "Exec=/opt/kirv/bin/kirv");
}

TEST_F(XdgAutoStartTest, RemoveDeletesTheEntryOfAnEarlierVersionToo) {
  XdgAutoStartEntry entry;
  entry.Write("/opt/kirv/bin/kirv");
  WriteFile(FormerEntryPath(), "[Desktop Entry]\nExec=/old/kirv\n");
  entry.Remove();
  EXPECT_FALSE(entry.Exists());
  EXPECT_FALSE(std::filesystem::exists(FormerEntryPath()));
}

TEST_F(XdgAutoStartTest, RemoveWithoutAnEntryIsNoError) {
  EXPECT_NO_THROW(XdgAutoStartEntry().Remove());
}

TEST_F(XdgAutoStartTest, WriteFailsWhenTheFolderCannotBeMade) {
  WriteFile(dir_ / "autostart", "a file where the folder should be");
  EXPECT_THROW(XdgAutoStartEntry().Write("/opt/kirv/bin/kirv"), SettingsError);
}

TEST_F(XdgAutoStartTest, FolderInPlaceOfTheEntryIsNoEntryAndCannotBeRemoved) {
  std::filesystem::create_directories(EntryPath() / "inside");
  XdgAutoStartEntry entry;
  EXPECT_FALSE(entry.Exists());
  EXPECT_THROW(entry.Write("/opt/kirv/bin/kirv"), SettingsError);
  EXPECT_THROW(entry.Remove(), SettingsError);
}

}  // namespace
}  // namespace kirv
