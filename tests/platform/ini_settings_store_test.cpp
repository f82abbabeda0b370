#include "platform/ini_settings_store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDate>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "config/settings_schema.h"
#include "xdg_config_dir.h"

namespace kirv {
namespace {

constexpr char kKey[] = "\\software\\KIRV";

class NoAutoStart : public AutoStartEntry {
 public:
  bool Exists() const override { return false; }
  void Write(const std::string&) override {}
  void Remove() override {}
};

// The controls of the three windows, read at start through the file, and saved back.
struct Windows {
  ConfigControls config;
  GraphControls graph;
  MeterControls meter;
  std::vector<std::string> warnings;

  explicit Windows(const std::vector<std::string>& names = {"lo", "eth0"}) {
    for (const std::string& name : names) config.interfaces.push_back({name});
  }
  void Start() {
    NoAutoStart autoStart;
    IniSettingsStore store;
    const SettingsWarningSink sink = [this](std::string_view line) { warnings.emplace_back(line); };
    ReadForm1Settings(store, autoStart, config, sink);
    ReadForm2Settings(store, graph, sink);
    ReadForm3Settings(store, config, meter, sink);
  }
  void Save() {
    NoAutoStart autoStart;
    IniSettingsStore store;
    SaveSettings(store, autoStart, "/usr/bin/kirv", config, graph, meter);
  }
};

class IniSettingsStoreTest : public testing::XdgConfigHomeTest {
 protected:
  std::filesystem::path IniPath() const { return dir_ / "KIRV" / "KIRV.ini"; }

  // Each pass goes through a new store, so what is read comes from the file.
  template <typename F>
  void WritePass(F write, const std::string& path = kKey) {
    IniSettingsStore store;
    store.OpenKey(path, true);
    write(store);
    store.CloseKey();
  }
  template <typename F>
  void ReadPass(F read, const std::string& path = kKey) {
    IniSettingsStore store;
    store.OpenKey(path, false);
    read(store);
    store.CloseKey();
  }
};

TEST_F(IniSettingsStoreTest, FileLivesInTheKirvFolderOfXdgConfigHome) {
  EXPECT_EQ(IniSettingsStore().FilePath(), IniPath().string());
  WritePass([](SettingsStore& s) { s.WriteString("lrec", "00CC00"); });
  EXPECT_TRUE(std::filesystem::is_regular_file(IniPath()));
}

TEST_F(IniSettingsStoreTest, FileFallsBackToDotConfigWithoutAnAbsoluteXdgConfigHome) {
  const char* home = std::getenv("HOME");
  ASSERT_NE(home, nullptr);
  const std::string expected = std::string(home) + "/.config/KIRV/KIRV.ini";
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(IniSettingsStore::DefaultFilePath(), expected);
  setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(IniSettingsStore::DefaultFilePath(), expected);
  setenv("XDG_CONFIG_HOME", "relative/dir", 1);
  EXPECT_EQ(IniSettingsStore::DefaultFilePath(), expected);
}

TEST_F(IniSettingsStoreTest, SaveWritesOneGroupOfPlainValuesInTheOrderOfTheSave) {
  Windows w({"lo"});
  w.config.interfaces[0] = {"lo", true, false, true};
  w.graph.Graphfile = "/home/jo/lo.mdf";
  w.config.Edit1 = "00CC00";
  w.meter.width = 403;
  w.meter.height = 189;
  w.Save();
  EXPECT_EQ(ReadFile(IniPath()),
            "[KIRV]\nlo=true\nlo1=false\nlo2=true\nGraphfile=/home/jo/lo.mdf\nAutorec=false\n"
            "Legende=false\nTous=false\nVmax=true\naot=true\nUnite=false\nUnite2=false\n"
            "tracegraph=true\nmicro=false\nGradu=8\nEchelle=2\nVitesse=65536\nGradu2=4\n"
            "Gradu3=30\nEchelle2=-1\nVitesse2=65536\nType=0\nwidth=403\nheight=189\ntop=123\n"
            "left=197\nlrec=00CC00\nlenv=FF0000\nlrep=006600\nlenp=FF00FF\nlint=01E5DD\n"
            "firstlaunch=false\nType moyenne=0\nplanOn=false\nplanLimit=10737418240\n"
            "planPeriod=0\nplanDay=1\nplanEvery=30\nplanFrom=\nplanCount=0\nplanWarning=80\n"
            "planInterfaces=\nmetricsDir=\n");
}

TEST_F(IniSettingsStoreTest, HandWrittenFileIsHonoured) {
  WriteFile(IniPath(),
            "; written by hand\n[KIRV]\nlrec=00CC00\nfirstlaunch=false\nmicro=true\nwidth=403\n"
            "lo=true\nlo1=true\nlo2=false\n  LENV = 0000ff \r\nGRAPHFILE=/tmp/a b.mdf\n"
            "Vmax=0\nUnite=1\n");
  Windows w({"lo", "eth0"});
  w.Start();
  EXPECT_EQ(w.config.interfaces[0], (InterfaceChecks{"lo", true, true, false}));
  EXPECT_EQ(w.config.interfaces[1], (InterfaceChecks{"eth0", false, false, false}));
  EXPECT_TRUE(w.config.micro);
  EXPECT_EQ(w.config.Edit1, "00CC00");
  EXPECT_EQ(w.config.Edit2, "0000ff");
  EXPECT_EQ(w.meter.width, 403);
  EXPECT_EQ(w.graph.Graphfile, "/tmp/a b.mdf");
  EXPECT_FALSE(w.graph.cbmx);
  EXPECT_TRUE(w.graph.rb1);
  // The rest of the meter group is missing: each member keeps its default without a word.
  EXPECT_TRUE(w.warnings.empty()) << w.warnings.front();
  EXPECT_EQ(w.meter.height, 189);
}

TEST_F(IniSettingsStoreTest, StringsRoundTripThroughTheFile) {
  const std::vector<std::string> texts = {"",
                                          "00CC00",
                                          "/home/user/Connexion réseau.mdf",
                                          "a;b,c=d#e[f]",
                                          "; leading semicolon",
                                          "  leading and trailing  ",
                                          "quote \" and back\\slash",
                                          "\\x41 is not an escape",
                                          "line\nbreak\ttab\rreturn",
                                          "\xff\xfe not UTF-8 \xc3",
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

TEST_F(IniSettingsStoreTest, IntegersRoundTripInDecimal) {
  const std::vector<std::int32_t> numbers = {0,       1,
                                             -1,      65536,
                                             1310720, std::numeric_limits<std::int32_t>::max(),
                                             -1025,   std::numeric_limits<std::int32_t>::min()};
  WritePass([&](SettingsStore& s) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      s.WriteInteger("n" + std::to_string(i), numbers[i]);
    }
  });
  EXPECT_NE(ReadFile(IniPath()).find("\nn7=-2147483648\n"), std::string::npos);
  ReadPass([&](SettingsStore& s) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      EXPECT_EQ(s.ReadInteger("n" + std::to_string(i)), numbers[i]);
    }
  });
}

// A hand-written text and what it reads as: an integer, a bool, or neither (nullopt).
struct TextCase {
  std::string label;
  std::string text;
  std::optional<std::int32_t> integer;
  std::optional<bool> boolean;
};

class ValueTextTest : public IniSettingsStoreTest,
                      public ::testing::WithParamInterface<TextCase> {};

TEST_P(ValueTextTest, ReadsAsItsKindOrFails) {
  WriteFile(IniPath(), "[KIRV]\nvalue=" + GetParam().text + "\n");
  ReadPass([](SettingsStore& s) {
    if (GetParam().integer) {
      EXPECT_EQ(s.ReadInteger("value"), *GetParam().integer);
    } else {
      EXPECT_THROW(s.ReadInteger("value"), SettingsError);
    }
    if (GetParam().boolean) {
      EXPECT_EQ(s.ReadBool("value"), *GetParam().boolean);
    } else {
      EXPECT_THROW(s.ReadBool("value"), SettingsError);
    }
  });
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValueTextTest,
    ::testing::Values(TextCase{"Decimal", "403", 403, std::nullopt},
                      TextCase{"Negative", "-1", -1, std::nullopt},
                      TextCase{"Plus", "+7", 7, std::nullopt},
                      TextCase{"PlusMinus", "+-7", std::nullopt, std::nullopt},
                      TextCase{"Largest", "2147483647", 2147483647, std::nullopt},
                      TextCase{"TooLarge", "2147483648", std::nullopt, std::nullopt},
                      TextCase{"Smallest", "-2147483648", INT32_MIN, std::nullopt},
                      TextCase{"Hexadecimal", "0x1F", std::nullopt, std::nullopt},
                      TextCase{"TrailingLetters", "12abc", std::nullopt, std::nullopt},
                      TextCase{"Blank", "", std::nullopt, std::nullopt},
                      TextCase{"BlanksAround", "  12\t", 12, std::nullopt},
                      TextCase{"True", "true", std::nullopt, true},
                      TextCase{"FalseInCapitals", "FALSE", std::nullopt, false},
                      TextCase{"One", "1", 1, true}, TextCase{"Zero", "0", 0, false},
                      TextCase{"Two", "2", 2, std::nullopt},
                      TextCase{"Yes", "yes", std::nullopt, std::nullopt},
                      TextCase{"OldDword", "dword:0000018b", std::nullopt, std::nullopt}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return info.param.label; });

// An interface name, and its line in the file when it is monitored.
struct NameCase {
  std::string label;
  std::string name;
  std::string line;
};

class InterfaceNameTest : public IniSettingsStoreTest,
                          public ::testing::WithParamInterface<NameCase> {};

TEST_P(InterfaceNameTest, IsWrittenReadablyAndReadBack) {
  const NameCase& c = GetParam();
  Windows saved({c.name, "other"});
  saved.config.interfaces[0].lb = true;
  saved.Save();
  EXPECT_NE(ReadFile(IniPath()).find("\n" + c.line + "\n"), std::string::npos)
      << ReadFile(IniPath());
  Windows read({c.name, "other"});
  read.Start();
  EXPECT_EQ(read.config.interfaces[0], (InterfaceChecks{c.name, true, false, false}));
  EXPECT_EQ(read.config.interfaces[1], (InterfaceChecks{"other", false, false, false}));
}

INSTANTIATE_TEST_SUITE_P(
    Names, InterfaceNameTest,
    ::testing::Values(
        NameCase{"Plain", "eth0", "eth0=true"},
        NameCase{"Slash", "Intel(R) PRO/1000", "Intel(R) PRO/1000=true"},
        NameCase{"Backslash", "back\\slash", "back\\\\slash=true"},
        NameCase{"Percent", "wlan%2F0", "wlan%2F0=true"},
        NameCase{"Spaces", "Connexion au réseau local", "Connexion au réseau local=true"},
        NameCase{"SpacesAtTheEnds", " lead trail ", "\\x20lead trail\\x20=true"},
        NameCase{"Equals", "a=b", "a\\x3Db=true"}, NameCase{"Semicolon", "a;b", "a;b=true"},
        NameCase{"SemicolonFirst", ";b", "\\x3Bb=true"}, NameCase{"HashFirst", "#b", "\\x23b=true"},
        NameCase{"BracketFirst", "[b]", "\\x5Bb]=true"},
        NameCase{"Accented", "réseau", "réseau=true"},
        NameCase{"NotUtf8", "\xff\xfe", "\\xFF\\xFE=true"},
        NameCase{"ControlCharacters", "tab\there\n", "tab\\x09here\\x0A=true"},
        NameCase{"LooksLikeAnEscape", "\\x41", "\\\\x41=true"}, NameCase{"Empty", "", "=true"}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return info.param.label; });

TEST_F(IniSettingsStoreTest, ValueNamesIgnoreCaseAndTheLastSpellingWins) {
  WritePass([](SettingsStore& s) {
    s.WriteBool("Vmax", true);
    s.WriteBool("VMAX", false);
  });
  EXPECT_EQ(ReadFile(IniPath()), "[KIRV]\nVMAX=false\n");
  ReadPass([](SettingsStore& s) {
    EXPECT_TRUE(s.ValueExists("vmax"));
    EXPECT_FALSE(s.ReadBool("Vmax"));
    EXPECT_EQ(s.ValueNames(), std::vector<std::string>{"VMAX"});
  });
}

TEST_F(IniSettingsStoreTest, OnlyTheKirvGroupIsRead) {
  WriteFile(IniPath(),
            "width=1\n[Other]\nwidth=2\n[ kirv ]\n# comment\nno equals sign\nwidth=3\n"
            "[software]\nkirv\\height=dword:0000018b\n");
  ReadPass([](SettingsStore& s) {
    EXPECT_EQ(s.ReadInteger("width"), 3);
    EXPECT_EQ(s.ValueNames(), std::vector<std::string>{"width"});
  });
}

TEST_F(IniSettingsStoreTest, OldRegistryLikeFileIsIgnoredAndReplacedByTheNextSave) {
  WriteFile(IniPath(), "[software]\nkirv\\width=dword:0000018b\nkirv\\lrec=00CC00\n");
  Windows w;
  w.Start();
  EXPECT_EQ(w.meter, MeterControls{});
  EXPECT_TRUE(w.warnings.empty());
  w.Save();
  const std::string text = ReadFile(IniPath());
  EXPECT_TRUE(text.starts_with("[KIRV]\n")) << text;
  EXPECT_EQ(text.find("software"), std::string::npos);
}

TEST_F(IniSettingsStoreTest, KeyPathsIgnoreCaseAndExtraSeparators) {
  WritePass([](SettingsStore& s) { s.WriteString("lrec", "00CC00"); }, "\\software\\KIRV");
  for (const std::string path : {"\\SOFTWARE\\KIRV", "software\\kirv", "\\Software\\\\Kirv\\"}) {
    ReadPass([&](SettingsStore& s) { EXPECT_EQ(s.ReadString("lrec"), "00CC00") << path; }, path);
  }
  ReadPass([](SettingsStore& s) { EXPECT_FALSE(s.ValueExists("lrec")); }, "\\software\\Other");
  ReadPass([](SettingsStore& s) { EXPECT_FALSE(s.ValueExists("lrec")); }, "\\software");
}

TEST_F(IniSettingsStoreTest, KeyOpenedWithoutCreatingItRefusesWritesWhenMissing) {
  IniSettingsStore store;
  store.OpenKey(kKey, false);
  EXPECT_FALSE(store.ValueExists("lrec"));
  EXPECT_THROW(store.WriteString("lrec", "00CC00"), SettingsError);
  store.CloseKey();
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
}

TEST_F(IniSettingsStoreTest, ExistingKeyOpenedWithoutCreatingItTakesWrites) {
  WritePass([](SettingsStore& s) { s.WriteString("lrec", "00CC00"); });
  ReadPass([](SettingsStore& s) { s.WriteInteger("width", 500); });
  ReadPass([](SettingsStore& s) { EXPECT_EQ(s.ReadInteger("width"), 500); });
}

TEST_F(IniSettingsStoreTest, DeleteValueRemovesItAndIgnoresAnAbsentOne) {
  WritePass([](SettingsStore& s) {
    s.WriteString("lrec", "00CC00");
    s.WriteBool("firstlaunch", false);
  });
  WritePass([](SettingsStore& s) {
    s.DeleteValue("FirstLaunch");
    s.DeleteValue("never written");
  });
  EXPECT_EQ(ReadFile(IniPath()), "[KIRV]\nlrec=00CC00\n");
}

TEST_F(IniSettingsStoreTest, SaveThroughASymbolicLinkWritesItsTarget) {
  const std::filesystem::path target = dir_ / "dotfiles" / "kirv.ini";
  WriteFile(target, "[KIRV]\nlrec=00CC00\n");
  std::filesystem::create_directories(IniPath().parent_path());
  std::filesystem::create_symlink(target, IniPath());
  WritePass([](SettingsStore& s) { s.WriteInteger("width", 500); });
  EXPECT_TRUE(std::filesystem::is_symlink(IniPath()));
  EXPECT_EQ(ReadFile(target), "[KIRV]\nlrec=00CC00\nwidth=500\n");
}

TEST_F(IniSettingsStoreTest, ReadingPassWritesNoFile) {
  IniSettingsStore store;
  store.OpenKey(kKey, true);
  EXPECT_FALSE(store.ValueExists("lrec"));
  EXPECT_NO_THROW(store.CloseKey());
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
}

TEST_F(IniSettingsStoreTest, CloseKeyFailsWhenTheFileCannotBeWritten) {
  std::filesystem::create_directories(IniPath());  // a folder where the file should be
  IniSettingsStore store;
  store.OpenKey(kKey, true);
  store.WriteString("lrec", "00CC00");
  EXPECT_THROW(store.CloseKey(), SettingsError);
}

TEST_F(IniSettingsStoreTest, CloseKeyFailsWhenTheFolderCannotBeMade) {
  WriteFile(dir_ / "KIRV", "a file where the folder should be");
  IniSettingsStore store;
  store.OpenKey(kKey, true);
  store.WriteInteger("width", 403);
  EXPECT_THROW(store.CloseKey(), SettingsError);
}

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() % 255 + 1);  // no nul: read as text
  return bytes;
}

// Every global value of the wrong kind: text for numbers and bools, numbers for colours.
std::string WrongKinds() {
  std::string text = "[KIRV]\nlo=maybe\nlo1=2\nlo2=\n";
  for (const SettingDefinition& d : kGlobalSettings) {
    text += std::string(d.name) + (d.type == SettingType::kString ? "=-12.5\n" : "=douze\n");
  }
  return text;
}

struct HostileCase {
  std::string label;
  std::string content;
};

class HostileFileTest : public IniSettingsStoreTest,
                        public ::testing::WithParamInterface<HostileCase> {};

// Within two seconds (measured generously: the machine is shared), with a bounded number of
// lines on standard error, values a screen can show, and a sound file after the next save.
TEST_P(HostileFileTest, StartsFastWithBoundedValuesAndIsReplacedBySoundFile) {
  WriteFile(IniPath(), GetParam().content);
  Windows w;
  const auto start = std::chrono::steady_clock::now();
  w.Start();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_LE(w.warnings.size(), 3 * (kMaxWarningsPerPass + 1));
  EXPECT_GE(w.meter.width, kMinMeterWidth);
  EXPECT_LE(w.meter.width, kMaxWindowSize);
  EXPECT_GE(w.meter.height, kMinMeterHeight);
  EXPECT_LE(w.meter.height, kMaxWindowSize);
  EXPECT_GE(w.meter.top, kMinScreenPosition);
  EXPECT_LE(w.meter.left, kMaxScreenPosition);
  w.Save();
  const std::string saved = ReadFile(IniPath());
  EXPECT_LT(saved.size(), 4096u);
  Windows again;
  again.Start();
  EXPECT_TRUE(again.warnings.empty()) << again.warnings.front();
  EXPECT_EQ(again.config, w.config);
  EXPECT_EQ(again.meter, w.meter);
  w.graph.cbG = 0;  // written only
  EXPECT_EQ(again.graph, w.graph);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFileTest,
    ::testing::Values(
        HostileCase{"RandomBytes", RandomBytes(4 << 20, 1)},
        HostileCase{"RandomBytesInTheGroup", "[KIRV]\n" + RandomBytes(4 << 20, 2)},
        HostileCase{"RandomLinesInTheGroup",
                    [] {
                      std::string text = "[KIRV]\n";
                      const std::string bytes = RandomBytes(1 << 20, 3);
                      for (std::size_t i = 0; i < bytes.size(); i += 64) {
                        text += bytes.substr(i, 30) + "=" + bytes.substr(i + 30, 34) + "\n";
                      }
                      return text;
                    }()},
        HostileCase{"WrongKinds", WrongKinds()},
        HostileCase{"HugeValues", "[KIRV]\nlrec=00CC00\nwidth=" + std::string(3 << 20, '9') +
                                      "\nGraphfile=" + std::string(3 << 20, 'a') +
                                      "\nheight=2147483647\ntop=-2147483648\nleft=99999\n"},
        HostileCase{"LargerThanTheLimit", "[KIRV]\nlrec=00CC00\n" +
                                              std::string(IniSettingsStore::kMaxFileSize, '\n') +
                                              "height=2147483647\n"}),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return info.param.label; });

struct UnreadCase {
  const char* name;
  std::string content;
  int earlierCopies;       // kept on an earlier run of the same day
  const char* keptSuffix;  // after KIRV.ini.unread-<date>
};

class UnreadFileTest : public IniSettingsStoreTest,
                       public ::testing::WithParamInterface<UnreadCase> {};

TEST_P(UnreadFileTest, IsKeptBesideBeforeTheDefaultsAreSaved) {
  const UnreadCase& c = GetParam();
  WriteFile(IniPath(), c.content);
  const std::string kept =
      IniPath().string() + ".unread-" + QDate::currentDate().toString(Qt::ISODate).toStdString();
  std::vector<std::string> earlier;
  for (int i = 1; i <= c.earlierCopies; ++i) {
    earlier.push_back(i == 1 ? kept : kept + "." + std::to_string(i));
    WriteFile(earlier.back(), "earlier copy " + std::to_string(i));
  }
  ::testing::internal::CaptureStderr();
  Windows w;
  w.Start();
  w.Save();
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(ReadFile(kept + c.keptSuffix), c.content);
  for (std::size_t i = 0; i < earlier.size(); ++i) {
    EXPECT_EQ(ReadFile(earlier[i]), "earlier copy " + std::to_string(i + 1));
  }
  EXPECT_NE(err.find("kirv : fichier de réglages non lu gardé sous " + kept + c.keptSuffix + "\n"),
            std::string::npos)
      << err;
  Windows again;
  again.Start();
  EXPECT_TRUE(again.warnings.empty()) << again.warnings.front();
  EXPECT_EQ(again.meter, w.meter);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadFileTest,
    ::testing::Values(
        UnreadCase{"LargerThanTheLimit",
                   "[KIRV]\nlo=true\n" + std::string(IniSettingsStore::kMaxFileSize, ';'), 0, ""},
        UnreadCase{"NulBytes", std::string("[KIRV]\nlo=true\n\0\0width=500\n", 27), 0, ""},
        UnreadCase{"EarlierCopiesOfTheDayStay", std::string("\0\0\0", 3), 2, ".3"}),
    [](const ::testing::TestParamInfo<UnreadCase>& info) { return info.param.name; });

// The program itself, started on a hostile file and ended by SIGTERM.
TEST_F(IniSettingsStoreTest, ProgramStartedOnAHostileFileEndsSoonAfterSigterm) {
  const std::filesystem::path build =
      std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
  std::filesystem::path program = build / "src" / "kirv";
  if (!std::filesystem::exists(program)) program = build / "src" / "app" / "kirv";
  if (!std::filesystem::exists(program)) GTEST_SKIP() << "kirv is not built in " << build;
  WriteFile(IniPath(),
            "[KIRV]\nlrec=00CC00\nfirstlaunch=false\nheight=2147483647\n"
            "width=2147483647\ntop=-2147483648\nGradu2=999999\nGradu3=-5\n" +
                RandomBytes(2 << 20, 4));
  const std::filesystem::path home = dir_ / "home";
  std::filesystem::create_directories(home / "runtime");
  std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home / "runtime").c_str(), 1);
    if (chdir(home.c_str()) != 0 || !freopen((home / "stderr").c_str(), "w", stderr)) _exit(126);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  std::this_thread::sleep_for(std::chrono::seconds(3));  // start-up, with a few meter ticks
  int status = 0;
  EXPECT_EQ(waitpid(child, &status, WNOHANG), 0) << "ended before SIGTERM";
  kill(child, SIGTERM);
  const auto signalled = std::chrono::steady_clock::now();
  pid_t ended = 0;
  while ((ended = waitpid(child, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() - signalled < std::chrono::seconds(5)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (ended == 0) {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    FAIL() << "still running 5 s after SIGTERM";
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
  std::ifstream errors(home / "stderr");
  int settingLines = 0;
  for (std::string line; std::getline(errors, line);) {
    if (line.starts_with("kirv : réglage") || line.starts_with("kirv : et ")) ++settingLines;
  }
  EXPECT_GE(settingLines, 5);  // height, width, top, Gradu2, Gradu3 at least
  EXPECT_LE(settingLines, static_cast<int>(3 * (kMaxWarningsPerPass + 1)));
  // The save at the signal wrote a sound file, held to what a screen shows.
  IniSettingsStore store;
  store.OpenKey(kKey, false);
  EXPECT_LE(store.ReadInteger("height"), kMaxWindowSize);
  EXPECT_GE(store.ReadInteger("top"), kMinScreenPosition);
  EXPECT_EQ(store.ReadInteger("Gradu2"), 999);
  EXPECT_EQ(store.ReadInteger("Gradu3"), 1);
  store.CloseKey();
  EXPECT_LT(ReadFile(IniPath()).size(), 4096u);
}

}  // namespace
}  // namespace kirv
