#include "platform/data_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace kirv {
namespace {

// Sets or clears one environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) previous_ = old;
    Set(value);
  }
  ~ScopedEnv() { Set(previous_); }

 private:
  void Set(const std::optional<std::string>& value) {
    if (value) {
      setenv(name_, value->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  const char* name_;
  std::optional<std::string> previous_;
};

struct DefaultCase {
  std::string name;
  std::optional<std::string> dataHome;
  std::string expected;
};

class DefaultDataFolderTest : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultDataFolderTest, FollowsXdgDataHomeOrTheHomeFolder) {
  ScopedEnv home("HOME", "/home/jo");
  ScopedEnv dataHome("XDG_DATA_HOME", GetParam().dataHome);
  EXPECT_EQ(DefaultDataFolder().toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environment, DefaultDataFolderTest,
    ::testing::Values(DefaultCase{"Absolute", "/srv/data", "/srv/data/KIRV"},
                      DefaultCase{"TrailingSlash", "/srv/data/", "/srv/data/KIRV"},
                      DefaultCase{"Unset", std::nullopt, "/home/jo/.local/share/KIRV"},
                      DefaultCase{"Empty", "", "/home/jo/.local/share/KIRV"},
                      DefaultCase{"RelativeIsIgnored", "data", "/home/jo/.local/share/KIRV"}),
    [](const auto& info) { return info.param.name; });

class PrepareDataFolderTest : public ::testing::Test {
 protected:
  QString Path(const std::string& relative) const {
    return QString::fromStdString((dir_ / relative).string());
  }
  testing::TempFolder folder_{"kirv-data"};
  std::filesystem::path dir_ = folder_.Path();
};

TEST_F(PrepareDataFolderTest, CreatesTheFolderWithItsParents) {
  const DataFolderStatus status = PrepareDataFolder(Path("a/b/KIRV"));
  EXPECT_TRUE(status.usable);
  EXPECT_TRUE(status.error.isEmpty());
  EXPECT_EQ(status.path, Path("a/b/KIRV"));
  EXPECT_TRUE(std::filesystem::is_directory(dir_ / "a/b/KIRV"));
}

TEST_F(PrepareDataFolderTest, ExistingFolderIsKeptWithItsFilesAndLeftClean) {
  std::filesystem::create_directories(dir_ / "KIRV");
  std::ofstream(dir_ / "KIRV" / "eth0.mdf") << "record\n";
  EXPECT_TRUE(PrepareDataFolder(Path("KIRV")).usable);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir_ / "KIRV")) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, std::vector<std::string>{"eth0.mdf"});
}

TEST_F(PrepareDataFolderTest, RelativePathIsTakenFromTheWorkingDirectory) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  const DataFolderStatus status = PrepareDataFolder("archives/../mine");
  std::filesystem::current_path(before);
  EXPECT_TRUE(status.usable);
  EXPECT_EQ(status.path, Path("mine"));
  EXPECT_TRUE(std::filesystem::is_directory(dir_ / "mine"));
}

struct SharingCase {
  std::string name;
  std::filesystem::perms mode;
  bool ownedByAnother;
  std::string warning;  // in the warning, empty for none
};

class DataFolderSharingTest : public PrepareDataFolderTest,
                              public ::testing::WithParamInterface<SharingCase> {};

// Others that may write in the folder may replace its archives: said, and the folder is used.
TEST_P(DataFolderSharingTest, WarnsWhenOthersMayReplaceItsFiles) {
  const SharingCase& c = GetParam();
  if (c.ownedByAnother && geteuid() != 0) GTEST_SKIP() << "needs root to give the folder away";
  const std::filesystem::path folder = dir_ / "KIRV";
  std::filesystem::create_directories(folder);
  std::filesystem::permissions(folder, c.mode);
  if (c.ownedByAnother) {
    ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
  }
  const DataFolderStatus status = PrepareDataFolder(Path("KIRV"));
  EXPECT_TRUE(status.usable);
  EXPECT_EQ(status.warning.isEmpty(), c.warning.empty()) << status.warning.toStdString();
  EXPECT_TRUE(status.warning.contains(QString::fromStdString(c.warning)))
      << status.warning.toStdString();
}

using std::filesystem::perms;
INSTANTIATE_TEST_SUITE_P(
    Modes, DataFolderSharingTest,
    ::testing::Values(
        SharingCase{"OwnersAlone", perms(0755), false, ""},
        SharingCase{"GroupWritable", perms(0775), false, "modifié par son groupe (droits 0775)"},
        SharingCase{"WorldWritable", perms(0777), false,
                    "modifié par tous les utilisateurs (droits 0777)"},
        SharingCase{"WorldWritableWithTheStickyBit", perms(01777), false, ""},
        SharingCase{"AnotherUsers", perms(0777), true, "appartient à l'utilisateur n° 65534"}),
    [](const auto& info) { return info.param.name; });

struct FailureCase {
  std::string name;
  std::string folder;     // under the test's directory, or absolute
  std::string fileAt;     // a plain file put there first, or empty
  std::string errorText;  // the text expected in the message
};

class PrepareDataFolderFailureTest : public PrepareDataFolderTest,
                                     public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PrepareDataFolderFailureTest, SaysWhichFolderAndWhy) {
  if (!GetParam().fileAt.empty()) std::ofstream(dir_ / GetParam().fileAt) << "x";
  const QString folder = GetParam().folder.starts_with('/')
                             ? QString::fromStdString(GetParam().folder)
                             : Path(GetParam().folder);
  const DataFolderStatus status = PrepareDataFolder(folder);
  EXPECT_FALSE(status.usable);
  EXPECT_EQ(status.path, folder);
  EXPECT_TRUE(status.error.startsWith("Le dossier de données « " + folder + " » "))
      << status.error.toStdString();
  EXPECT_TRUE(status.error.contains(QString::fromStdString(GetParam().errorText)))
      << status.error.toStdString();
  EXPECT_FALSE(status.error.contains('\n'));
}

INSTANTIATE_TEST_SUITE_P(Folders, PrepareDataFolderFailureTest,
                         ::testing::Values(FailureCase{"FileInPlaceOfTheFolder", "KIRV", "KIRV",
                                                       "ne peut pas être créé : "},
                                           FailureCase{"FileInPlaceOfAParent", "data/KIRV", "data",
                                                       "ne peut pas être créé : Not a directory"},
                                           FailureCase{"FolderThatTakesNoFiles", "/proc/self", "",
                                                       "n'est pas accessible en écriture : "}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kirv
