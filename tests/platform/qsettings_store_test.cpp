#include "platform/qsettings_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "xdg_config_dir.h"

namespace kirv {
namespace {

constexpr char kKey[] = "\\software\\KIRV";

class QSettingsStoreTest : public testing::XdgConfigHomeTest {
 protected:
  std::filesystem::path IniPath() const { return dir_ / "KIRV" / "KIRV.ini"; }

  // Each pass goes through a new store, so what is read comes from the file.
  template <typename F>
  void WritePass(F write, const std::string& path = kKey) {
    QSettingsStore store;
    store.OpenKey(path, true);
    write(store);
    store.CloseKey();
  }
  template <typename F>
  void ReadPass(F read, const std::string& path = kKey) {
    QSettingsStore store;
    store.OpenKey(path, false);
    read(store);
    store.CloseKey();
  }
};

TEST_F(QSettingsStoreTest, FileLivesInTheKirvFolderOfXdgConfigHome) {
  EXPECT_EQ(QSettingsStore().FilePath(), IniPath().string());
  WritePass([](SettingsStore& s) { s.WriteString("lrec", "00CC00"); });
  EXPECT_TRUE(std::filesystem::is_regular_file(IniPath()));
}

TEST_F(QSettingsStoreTest, FileFallsBackToDotConfigWithoutAnAbsoluteXdgConfigHome) {
  const char* home = std::getenv("HOME");
  ASSERT_NE(home, nullptr);
  const std::string expected = std::string(home) + "/.config/KIRV/KIRV.ini";
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(QSettingsStore::DefaultFilePath(), expected);
  setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(QSettingsStore::DefaultFilePath(), expected);
  setenv("XDG_CONFIG_HOME", "relative/dir", 1);
  EXPECT_EQ(QSettingsStore::DefaultFilePath(), expected);
}

TEST_F(QSettingsStoreTest, StringsRoundTripThroughTheFile) {
  const std::vector<std::string> texts = {"",
                                          "00CC00",
                                          "/home/user/Connexion réseau.mdf",
                                          "a;b,c=d#e[f]",
                                          "a, b",
                                          "  leading and trailing  ",
                                          "quote \" and back\\slash",
                                          "line\nbreak\ttab\rreturn",
                                          "@Variant(x)",
                                          "dword:00000001",
                                          "sz:dword:1",
                                          "Récéption 2 Pic:"};
  WritePass([&](SettingsStore& s) {
    for (std::size_t i = 0; i < texts.size(); ++i) s.WriteString("v" + std::to_string(i), texts[i]);
  });
  ReadPass([&](SettingsStore& s) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const std::string name = "v" + std::to_string(i);
      EXPECT_TRUE(s.ValueExists(name)) << texts[i];
      EXPECT_EQ(s.ReadString(name), texts[i]);
    }
  });
}

TEST_F(QSettingsStoreTest, IntegersRoundTripAsIntegers) {
  const std::vector<std::int32_t> numbers = {0,       1,
                                             -1,      65536,
                                             1310720, std::numeric_limits<std::int32_t>::max(),
                                             -1025,   std::numeric_limits<std::int32_t>::min()};
  WritePass([&](SettingsStore& s) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      s.WriteInteger("n" + std::to_string(i), numbers[i]);
    }
  });
  ReadPass([&](SettingsStore& s) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      EXPECT_EQ(s.ReadInteger("n" + std::to_string(i)), numbers[i]);
    }
  });
}

TEST_F(QSettingsStoreTest, BoolsAreStoredAsOneOrZero) {
  WritePass([](SettingsStore& s) {
    s.WriteBool("aot", true);
    s.WriteBool("micro", false);
    s.WriteInteger("seven", 7);
  });
  ReadPass([](SettingsStore& s) {
    EXPECT_TRUE(s.ReadBool("aot"));
    EXPECT_EQ(s.ReadInteger("aot"), 1);
    EXPECT_FALSE(s.ReadBool("micro"));
    EXPECT_EQ(s.ReadInteger("micro"), 0);
    EXPECT_TRUE(s.ReadBool("seven"));
  });
}

TEST_F(QSettingsStoreTest, StringWhereAnIntegerIsExpectedIsAWrongType) {
  WritePass([](SettingsStore& s) {
    s.WriteString("Gradu", "5");
    s.WriteInteger("Echelle", 2);
  });
  ReadPass([](SettingsStore& s) {
    EXPECT_THROW(s.ReadInteger("Gradu"), SettingsError);
    EXPECT_THROW(s.ReadBool("Gradu"), SettingsError);
    EXPECT_EQ(s.ReadString("Gradu"), "5");
    EXPECT_THROW(s.ReadString("Echelle"), SettingsError);
  });
}

TEST_F(QSettingsStoreTest, MissingValueReadsAsEmptyTextOrFails) {
  WritePass([](SettingsStore& s) { s.WriteString("lrec", "00CC00"); });
  ReadPass([](SettingsStore& s) {
    EXPECT_FALSE(s.ValueExists("lenv"));
    EXPECT_EQ(s.ReadString("lenv"), "");
    EXPECT_THROW(s.ReadInteger("width"), SettingsError);
  });
}

TEST_F(QSettingsStoreTest, HandWrittenNumberWithoutItsTypeIsAString) {
  WriteFile(IniPath(), "[software]\nkirv\\aot=1\nkirv\\gradu=dword:1e\n");
  ReadPass([](SettingsStore& s) {
    EXPECT_TRUE(s.ValueExists("aot"));
    EXPECT_THROW(s.ReadInteger("aot"), SettingsError);
    EXPECT_EQ(s.ReadInteger("Gradu"), 30);
  });
}

TEST_F(QSettingsStoreTest, OddValueNamesEachKeepTheirOwnValue) {
  const std::vector<std::string> names = {"Intel(R) PRO/1000 MT Network Connection",
                                          "Intel(R) PRO%2F1000 MT Network Connection",
                                          "a=b",
                                          "a;b",
                                          "#comment",
                                          "[section]",
                                          "back\\slash",
                                          "\\lead",
                                          "trail\\",
                                          "/",
                                          "//",
                                          "with space",
                                          " lead space",
                                          "quote\"s and 'apostrophes'",
                                          "Connexion réseau sans fil",
                                          "%",
                                          "%25",
                                          "",
                                          "General",
                                          "%General",
                                          "1",
                                          "@x",
                                          "tab\there",
                                          "\x01\x7f",
                                          "\xff\xfe not UTF-8",
                                          "\xc3",
                                          "eth0",
                                          "eth01"};
  WritePass([&](SettingsStore& s) {
    for (std::size_t i = 0; i < names.size(); ++i) s.WriteString(names[i], std::to_string(i));
  });
  ReadPass([&](SettingsStore& s) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      EXPECT_TRUE(s.ValueExists(names[i])) << i;
      EXPECT_EQ(s.ReadString(names[i]), std::to_string(i)) << i;
    }
  });
}

TEST_F(QSettingsStoreTest, ValueNamesIgnoreCase) {
  WritePass([](SettingsStore& s) {
    s.WriteBool("Vmax", true);
    s.WriteBool("VMAX", false);
  });
  ReadPass([](SettingsStore& s) {
    EXPECT_TRUE(s.ValueExists("vmax"));
    EXPECT_FALSE(s.ReadBool("Vmax"));
  });
}

TEST_F(QSettingsStoreTest, KeyPathsIgnoreCaseAndExtraSeparators) {
  WritePass([](SettingsStore& s) { s.WriteString("lrec", "00CC00"); }, "\\software\\KIRV");
  for (const std::string path : {"\\SOFTWARE\\KIRV", "software\\kirv", "\\Software\\\\Kirv\\"}) {
    ReadPass([&](SettingsStore& s) { EXPECT_EQ(s.ReadString("lrec"), "00CC00") << path; }, path);
  }
  ReadPass([](SettingsStore& s) { EXPECT_FALSE(s.ValueExists("lrec")); }, "\\software\\Other");
  ReadPass([](SettingsStore& s) { EXPECT_FALSE(s.ValueExists("lrec")); }, "\\software");
}

TEST_F(QSettingsStoreTest, KeyOpenedWithoutCreatingItRefusesWritesWhenMissing) {
  QSettingsStore store;
  store.OpenKey(kKey, false);
  EXPECT_FALSE(store.ValueExists("lrec"));
  EXPECT_THROW(store.WriteString("lrec", "00CC00"), SettingsError);
  store.CloseKey();
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
}

TEST_F(QSettingsStoreTest, ExistingKeyOpenedWithoutCreatingItTakesWrites) {
  WritePass([](SettingsStore& s) { s.WriteString("lrec", "00CC00"); });
  ReadPass([](SettingsStore& s) { s.WriteInteger("width", 500); });
  ReadPass([](SettingsStore& s) { EXPECT_EQ(s.ReadInteger("width"), 500); });
}

TEST_F(QSettingsStoreTest, DeleteValueRemovesItAndIgnoresAnAbsentOne) {
  WritePass([](SettingsStore& s) {
    s.WriteString("lrec", "00CC00");
    s.WriteBool("firstlaunch", false);
  });
  WritePass([](SettingsStore& s) {
    s.DeleteValue("FirstLaunch");
    s.DeleteValue("never written");
  });
  ReadPass([](SettingsStore& s) {
    EXPECT_FALSE(s.ValueExists("firstlaunch"));
    EXPECT_TRUE(s.ValueExists("lrec"));
  });
}

TEST_F(QSettingsStoreTest, ReadingPassWritesNoFile) {
  QSettingsStore store;
  store.OpenKey(kKey, true);
  EXPECT_FALSE(store.ValueExists("lrec"));
  EXPECT_NO_THROW(store.CloseKey());
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
}

TEST_F(QSettingsStoreTest, CloseKeyFailsWhenTheFileCannotBeWritten) {
  std::filesystem::create_directories(IniPath());  // a folder where the file should be
  QSettingsStore store;
  store.OpenKey(kKey, true);
  store.WriteString("lrec", "00CC00");
  EXPECT_THROW(store.CloseKey(), SettingsError);
}

TEST_F(QSettingsStoreTest, CloseKeyFailsWhenTheFolderCannotBeMade) {
  WriteFile(dir_ / "KIRV", "a file where the folder should be");
  QSettingsStore store;
  store.OpenKey(kKey, true);
  store.WriteInteger("width", 403);
  EXPECT_THROW(store.CloseKey(), SettingsError);
}

}  // namespace
}  // namespace kirv
