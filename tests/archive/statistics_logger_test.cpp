#include "archive/statistics_logger.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "archive/archive_file.h"
#include "fakes/fake_services.h"
#include "temp_directory.h"

namespace kirv {
namespace {

using Lines = std::vector<std::string>;

class StatisticsLoggerTest : public kirv::testing::TempDirectoryTest {
 protected:
  StatisticsLoggerTest()
      : logger_(table_, clock_, dialogs_, NumberFormat{','},
                [this](std::string_view line) { said_.emplace_back(line); }) {}

  void SetCounters(std::size_t row, std::uint64_t in, std::uint64_t out) {
    table_.rows[row].inOctets = in;
    table_.rows[row].outOctets = out;
  }
  void At(int hour, int minute, int second = 0) {
    clock_.now = {2026, 4, 20, hour, minute, second};
  }

  static std::vector<std::string> FileNames() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(".")) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  kirv::testing::FakeInterfaceTable table_;
  kirv::testing::FakeClock clock_;
  kirv::testing::FakeDialogs dialogs_;
  Lines said_;  // the diagnostic lines
  StatisticsLogger logger_;
};

TEST_F(StatisticsLoggerTest, DoesNothingAtAllWhenNoInterfaceIsChecked) {
  table_.Add("eth0", 5000, 6000);
  table_.Add("lo", 5000, 6000);
  const LoggerDisplays d = logger_.Timer1Timer({{"eth0", false}, {"lo", false}});
  EXPECT_EQ(table_.snapshots, 0);
  EXPECT_FALSE(d.Label1 || d.Label4 || d.Label5 || d.Label6);
  EXPECT_TRUE(d.status.empty());
  EXPECT_TRUE(FileNames().empty());
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(StatisticsLoggerTest, AppendsTheGrowthSinceTheStartBaselines) {
  table_.Add("eth0", 1000000, 50000);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 1000000 + 1843200, 50000 + 204800);
  At(3, 10);
  const LoggerDisplays d = logger_.Timer1Timer(list);

  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 03:10:00D1843200U204800\r\n");
  EXPECT_EQ(d.Label1, "6ko/s");
  EXPECT_EQ(d.Label4, "0,666666666666667ko/s");
  EXPECT_EQ(d.Label5, "20/04/2026 03:10:00");
  EXPECT_EQ(d.Label6, "F20/04/2026 03:10:00D1843200U204800");
  EXPECT_EQ(d.status, (Lines{"LOG OK 03:10:00 0", "LOG OK 03:10:00 0 1"}));
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(StatisticsLoggerTest, AppendsOneLinePerTickToTheSameFile) {
  table_.Add("eth0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 100, 200);
  At(3, 10);
  logger_.Timer1Timer(list);
  SetCounters(0, 150, 290);
  At(3, 15);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 03:10:00D100U200\r\nF20/04/2026 03:15:00D50U90\r\n");
}

TEST_F(StatisticsLoggerTest, CarriesAReceiveOnlyPeriodIntoTheNextRecord) {
  table_.Add("eth0", 1000, 1000);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 1500, 1000);
  At(3, 10);
  const LoggerDisplays first = logger_.Timer1Timer(list);
  EXPECT_FALSE(ArchiveExists("eth0.mdf"));         // not even created
  EXPECT_EQ(first.Label5, "20/04/2026 03:10:00");  // the displays still show the period
  EXPECT_FALSE(first.Label6);
  EXPECT_TRUE(first.status.empty());

  SetCounters(0, 1700, 1300);
  At(3, 15);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 03:15:00D700U300\r\n");
}

TEST_F(StatisticsLoggerTest, CarriesASendOnlyPeriodToo) {
  table_.Add("eth0", 1000, 1000);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 1000, 1100);
  logger_.Timer1Timer(list);
  SetCounters(0, 1001, 1100);
  At(10, 5);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 10:05:00D1U100\r\n");
}

TEST_F(StatisticsLoggerTest, TakesTheWholeCountersOfARestartedInterface) {
  table_.Add("eth0", 900000, 800000);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 3000, 2000);  // the adapter came up again: counters from 0
  logger_.Timer1Timer(list);
  SetCounters(0, 3500, 2600);
  At(10, 5);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"),
            "F20/04/2026 10:00:00D3000U2000\r\nF20/04/2026 10:05:00D500U600\r\n");
}

TEST_F(StatisticsLoggerTest, WritesAGrowthBeyond32BitsInFull) {
  table_.Add("eth0", 4294967000ULL, 10);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 4294967000ULL + 6000000000ULL, 10 + 2147483648ULL);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 10:00:00D6000000000U2147483648\r\n");
}

TEST_F(StatisticsLoggerTest, TakesTheWholeCountersOfAnInterfaceCheckedDuringTheRun) {
  table_.Add("eth0", 700, 800);
  logger_.TakeBaselines({{"eth0", false}});
  logger_.Timer1Timer({{"eth0", true}});
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 10:00:00D700U800\r\n");
}

TEST_F(StatisticsLoggerTest, CreatesAndFindsAgainTheLongestNameThatFits) {
  const std::string name(300, 'n');  // 304 bytes with ".mdf": too long for a file name
  table_.Add(name, 0, 0);
  const std::vector<MonitorEntry> list = {{name, true}};
  SetCounters(0, 10, 20);
  At(3, 10);
  logger_.Timer1Timer(list);
  SetCounters(0, 15, 27);
  At(3, 15);
  logger_.Timer1Timer(list);

  const std::string shortened = std::string(251, 'n') + ".mdf";  // 255 bytes
  EXPECT_EQ(FileNames(), (Lines{shortened}));
  EXPECT_EQ(ReadFile(shortened), "F20/04/2026 03:10:00D10U20\r\nF20/04/2026 03:15:00D5U7\r\n");
}

TEST_F(StatisticsLoggerTest, UsesAShortenedNameThatAlreadyExistsAsItIs) {
  table_.Add("eth0", 0, 0);
  WriteFile("eth.mdf", "F01/01/2026 00:00:00D1U1\r\n");
  // "eth0.mdf" cannot be opened: a directory stands under that name.
  ASSERT_EQ(mkdir("eth0.mdf", 0700), 0);
  SetCounters(0, 10, 20);
  logger_.Timer1Timer({{"eth0", true}});
  EXPECT_EQ(ReadFile("eth.mdf"), "F01/01/2026 00:00:00D1U1\r\nF20/04/2026 10:00:00D10U20\r\n");
}

// Holds the file size limit of the process at `bytes` while it lives; a write past it fails with
// EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previous_(signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    const rlimit limit{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, previous_);
  }

 private:
  sighandler_t previous_;
  rlimit saved_{};
};

TEST_F(StatisticsLoggerTest, GivesUpAfter50FailedWritesAndKeepsTheBaselines) {
  table_.Add("eth0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  SetCounters(0, 1000, 2000);
  At(3, 10, 5);
  LoggerDisplays d;
  {
    const FileSizeLimit noGrowth(0);
    d = logger_.Timer1Timer(list);
    At(3, 12);
    logger_.Timer1Timer(list);  // the same failure again is not said again
  }
  EXPECT_EQ(d.status, (Lines{"LOG OK 03:10:05 0", "ERREUR ECRITURE 03:10:05",
                             "ERREUR ECRITURE 03:10:05 50"}));
  EXPECT_EQ(d.Label6, "F20/04/2026 03:10:05D1000U2000");
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_EQ(said_, (Lines{"l'archive eth0.mdf ne peut pas être écrite : File too large ; "
                          "son trafic passe dans l'enregistrement suivant"}));

  SetCounters(0, 1100, 2300);
  At(3, 15);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 03:15:00D1100U2300\r\n");  // every period
  EXPECT_EQ(said_.size(), 1u);
}

TEST_F(StatisticsLoggerTest, ReportsAnArchiveThatCannotBeOpenedUnderAnyName) {
  table_.Add("ab", 0, 0);
  for (const char* dir : {"ab.mdf", "a.mdf", ".mdf"}) ASSERT_EQ(mkdir(dir, 0700), 0);
  const std::vector<MonitorEntry> list = {{"ab", true}};
  SetCounters(0, 1000, 2000);
  At(3, 10, 5);
  Lines told;
  logger_.SetWriteProblemSink([&](const std::string& path, const std::string& reason) {
    told.push_back(path + " : " + reason);
  });
  const LoggerDisplays d = logger_.Timer1Timer(list);
  const std::string problem = std::filesystem::absolute("ab.mdf").string() + " : Is a directory";
  EXPECT_EQ(dialogs_.messages, (Lines{"Erreur dans le logging des statistiques\n" + problem}));
  EXPECT_EQ(d.status, (Lines{"ERREUR LOG", "ERREUR ECRITURE 03:10:05"}));
  EXPECT_EQ(d.Label6, "F20/04/2026 03:10:05D1000U2000");
  EXPECT_EQ(said_,
            (Lines{"l'archive ab.mdf ne peut pas être ouverte : Is a directory ; son trafic "
                   "passe dans l'enregistrement suivant"}));
  logger_.Timer1Timer(list);
  EXPECT_EQ(told, (Lines{problem}));  // once, not at every tick

  // The baselines stayed: the next record holds both periods.
  for (const char* dir : {"ab.mdf", "a.mdf", ".mdf"}) ASSERT_EQ(rmdir(dir), 0);
  SetCounters(0, 1001, 2002);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("ab.mdf"), "F20/04/2026 03:10:05D1001U2002\r\n");
}

// The data folder, the working directory, removed between two ticks.
struct RemovedFolderCase {
  const char* name;
  bool folderKnown;    // the logger was told its absolute path
  const char* record;  // what the folder holds after the tick
  const char* said;
};

class RemovedFolder : public StatisticsLoggerTest,
                      public ::testing::WithParamInterface<RemovedFolderCase> {};

TEST_P(RemovedFolder, IsMadeAgainWhenKnownAndNeverStopsTheLogger) {
  const std::string folder = dir_ / "data";
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  ASSERT_EQ(chdir(folder.c_str()), 0);
  if (GetParam().folderKnown) logger_.SetDataFolder(folder);
  table_.Add("eth0", 0, 0);
  SetCounters(0, 1000, 2000);
  At(3, 10);
  ASSERT_EQ(rmdir(folder.c_str()), 0);
  logger_.Timer1Timer({{"eth0", true}});
  EXPECT_EQ(ReadFile(folder + "/eth0.mdf"), GetParam().record);
  std::string said = GetParam().said;
  if (const auto at = said.find("%1"); at != std::string::npos) said.replace(at, 2, folder);
  EXPECT_EQ(said_, Lines{said});
}

INSTANTIATE_TEST_SUITE_P(
    Logger, RemovedFolder,
    ::testing::Values(
        RemovedFolderCase{"Known", true, "F20/04/2026 03:10:00D1000U2000\r\n",
                          "le dossier de données %1 avait disparu ; il est refait et "
                          "les archives y reprennent"},
        RemovedFolderCase{"Unknown", false, "",
                          "l'archive eth0.mdf ne peut pas être ouverte : No "
                          "such file or directory ; son trafic passe dans "
                          "l'enregistrement suivant"}),
    [](const auto& info) { return std::string(info.param.name); });

// Marks every text it is asked for, so that a text that does not go through it shows.
class BracketCatalogue final : public TextCatalogue {
 public:
  std::string Translate(const char* source) const override {
    return "[" + std::string(source) + "]";
  }
};

struct RefusalCase {
  const char* name;
  std::function<void()> make;  // what stands under eth0.mdf
  const char* reason;
};

class LoggerWordsTest : public StatisticsLoggerTest,
                        public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LoggerWordsTest, ComeFromTheCatalogue) {
  const BracketCatalogue catalogue;
  StatisticsLogger logger(table_, clock_, dialogs_, NumberFormat{',', &catalogue},
                          [this](std::string_view line) { said_.emplace_back(line); });
  table_.Add("eth0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  GetParam().make();
  SetCounters(0, 40, 50);
  At(3, 10);
  const LoggerDisplays d = logger.Timer1Timer(list);
  const std::string reason = std::string("[") + GetParam().reason + "]";
  EXPECT_EQ(d.status, (Lines{"[ERREUR LOG]", "[ERREUR ECRITURE] 03:10:00"}));
  EXPECT_EQ(d.Label1, "0[ko/s]");
  EXPECT_EQ(dialogs_.messages,
            (Lines{"[Erreur dans le logging des statistiques]\n[" +
                   std::filesystem::absolute("eth0.mdf").string() + " : " + reason + "]"}));
  EXPECT_EQ(said_, (Lines{"[l'archive eth0.mdf ne peut pas être ouverte : " + reason +
                          " ; son trafic passe dans l'enregistrement suivant]"}));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, LoggerWordsTest,
    ::testing::Values(RefusalCase{"Link", [] { ASSERT_EQ(symlink("target", "eth0.mdf"), 0); },
                                  "c'est un lien symbolique, qui n'est jamais suivi"},
                      RefusalCase{"Fifo", [] { ASSERT_EQ(mkfifo("eth0.mdf", 0600), 0); },
                                  "ce n'est pas un fichier ordinaire"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(StatisticsLoggerTest, ALinkedArchiveIsRefusedOnceAndItsTrafficCarried) {
  table_.Add("eth0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  WriteFile("target", "");
  WriteFile("eth.mdf", "");  // the shortened name must not take the records either
  ASSERT_EQ(symlink("target", "eth0.mdf"), 0);
  SetCounters(0, 40, 50);
  At(3, 10);
  const LoggerDisplays d = logger_.Timer1Timer(list);
  At(3, 15);
  logger_.Timer1Timer(list);
  EXPECT_EQ(d.status, (Lines{"ERREUR LOG", "ERREUR ECRITURE 03:10:00"}));
  EXPECT_EQ(dialogs_.messages, (Lines{"Erreur dans le logging des statistiques\n" +
                                      std::filesystem::absolute("eth0.mdf").string() +
                                      " : c'est un lien symbolique, qui n'est jamais suivi"}));
  EXPECT_EQ(said_, (Lines{"l'archive eth0.mdf ne peut pas être ouverte : c'est un lien "
                          "symbolique, qui n'est jamais suivi ; son trafic passe dans "
                          "l'enregistrement suivant"}));
  EXPECT_EQ(ReadFile("target") + ReadFile("eth.mdf"), "");

  ASSERT_EQ(unlink("eth0.mdf"), 0);
  SetCounters(0, 41, 52);
  At(3, 20);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 03:20:00D41U52\r\n");
}

// A real-time clock reset at boot, then the network time: nothing is stamped before the
// archive's newest record, and the traffic of the wait goes into the first record after it.
TEST_F(StatisticsLoggerTest, CarriesTheTrafficWhileTheClockIsBehindTheArchive) {
  table_.Add("eth0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  WriteFile("eth0.mdf", "F20/04/2026 10:00:00D1U1\r\n");
  SetCounters(0, 10, 20);
  clock_.now = {2000, 1, 1, 0, 5, 0};
  logger_.Timer1Timer(list);
  SetCounters(0, 30, 40);
  clock_.now = {2000, 1, 1, 0, 10, 0};
  logger_.Timer1Timer(list);
  At(10, 5);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 10:00:00D1U1\r\nF20/04/2026 10:05:00D30U40\r\n");
  EXPECT_EQ(said_, (Lines{"l'horloge (01/01/2000 00:05:00) est en retard sur le dernier "
                          "enregistrement de eth0.mdf (20/04/2026 10:00:00) : son trafic est "
                          "gardé jusqu'à ce qu'elle le dépasse"}));
}

// --- Interfaces known by name while the table changes ---

// One change of the table lo, a0, b0 (a0 and b0 monitored), then a tick five minutes later.
using TableChange = std::function<void(kirv::testing::FakeInterfaceTable&)>;

struct TableCase {
  const char* what;
  std::vector<TableChange> steps;
  std::vector<std::pair<std::string, std::string>> archives;  // every file afterwards
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.what; }

void Grow(kirv::testing::FakeInterfaceTable& t, const std::string& name, std::uint64_t in,
          std::uint64_t out) {
  t.Row(name).inOctets += in;
  t.Row(name).outOctets += out;
}

class ChangingTable : public StatisticsLoggerTest,
                      public ::testing::WithParamInterface<TableCase> {};

TEST_P(ChangingTable, WritesEachInterfacesTrafficIntoItsOwnArchiveOnly) {
  for (const char* name : {"lo", "a0", "b0"}) table_.Add(name, 100000, 100000);
  const std::vector<MonitorEntry> list = {{"lo", false}, {"a0", true}, {"b0", true}};
  logger_.TakeBaselines(list);
  for (std::size_t i = 0; i < GetParam().steps.size(); ++i) {
    GetParam().steps[i](table_);
    At(3, 10 + 5 * static_cast<int>(i));
    logger_.Timer1Timer(list);
  }
  std::vector<std::pair<std::string, std::string>> archives;
  for (const std::string& name : FileNames()) archives.push_back({name, ReadFile(name)});
  EXPECT_EQ(archives, GetParam().archives);
  EXPECT_TRUE(said_.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangingTable,
    ::testing::Values(
        TableCase{
            "LowerLinkRemovedWhileTheNextOneIsBusy",
            {[](auto& t) { Grow(t, "b0", 1000, 100); },
             [](auto& t) { t.Remove("a0"), Grow(t, "b0", 2000, 200); }},
            {{"b0.mdf", "F20/04/2026 03:10:00D1000U100\r\nF20/04/2026 03:15:00D2000U200\r\n"}}},
        TableCase{"VanishedLinkReturnsWithItsCountersReset",
                  {[](auto& t) { Grow(t, "a0", 10, 20); }, [](auto& t) { t.Remove("a0"); },
                   [](auto& t) { t.Add("a0", 300, 400); }},
                  {{"a0.mdf", "F20/04/2026 03:10:00D10U20\r\nF20/04/2026 03:20:00D300U400\r\n"}}},
        TableCase{"LinkReplacedBetweenTwoTicksWithHigherCounters",
                  {[](auto& t) { t.Remove("a0"), t.Add("a0", 105000, 106000); }},
                  {{"a0.mdf", "F20/04/2026 03:10:00D105000U106000\r\n"}}},
        TableCase{"LinkMovedInAheadOfTheOthers",
                  {[](auto& t) {
                    t.rows.insert(t.rows.begin(), {7, 7, "wg0", "wg0", 99});
                    Grow(t, "a0", 1, 2), Grow(t, "b0", 3, 4);
                  }},
                  {{"a0.mdf", "F20/04/2026 03:10:00D1U2\r\n"},
                   {"b0.mdf", "F20/04/2026 03:10:00D3U4\r\n"}}},
        TableCase{"FailedSnapshotKeepsTheBaselines",
                  {[](auto& t) { t.result = 5, Grow(t, "a0", 10, 10); },
                   [](auto& t) { t.result = 0, Grow(t, "a0", 5, 5); }},
                  {{"a0.mdf", "F20/04/2026 03:15:00D15U15\r\n"}}}),
    [](const auto& info) { return std::string(info.param.what); });

// --- Readings that cannot be real ---

struct BadReadingCase {
  const char* what;
  std::uint64_t in;  // the counters of the first tick; the baselines are 1000 and 1000
  std::uint64_t out;
  std::string archive;  // after that tick and one at 1007 and 1009
  Lines said;
};

void PrintTo(const BadReadingCase& c, std::ostream* os) { *os << c.what; }

class BadReading : public StatisticsLoggerTest,
                   public ::testing::WithParamInterface<BadReadingCase> {};

TEST_P(BadReading, IsNotWrittenAndLeavesTheBaselinesForTheNextSaneOne) {
  table_.Add("eth0", 1000, 1000);
  const std::vector<MonitorEntry> list = {{"eth0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, GetParam().in, GetParam().out);
  At(3, 10);
  logger_.Timer1Timer(list);
  SetCounters(0, 1007, 1009);
  At(3, 15);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), GetParam().archive);
  EXPECT_EQ(said_, GetParam().said);
}

constexpr std::uint64_t kLimit = kImpossibleGrowth;

INSTANTIATE_TEST_SUITE_P(
    Cases, BadReading,
    ::testing::Values(
        BadReadingCase{"ReceivedOneAboveTwoTo62",
                       1000 + kLimit + 1,
                       1500,
                       "F20/04/2026 03:15:00D7U9\r\n",
                       {"eth0 : compteurs lus en hausse de 4611686018427387905 octets reçus "
                        "et 500 envoyés "
                        "depuis le dernier enregistrement, plus que 2^62 : rien n'est écrit"}},
        BadReadingCase{"SentOneAboveTwoTo62",
                       1001,
                       1000 + kLimit + 1,
                       "F20/04/2026 03:15:00D7U9\r\n",
                       {"eth0 : compteurs lus en hausse de 1 octets reçus et "
                        "4611686018427387905 envoyés "
                        "depuis le dernier enregistrement, plus que 2^62 : rien n'est écrit"}},
        BadReadingCase{"AllOnes",
                       std::numeric_limits<std::uint64_t>::max(),
                       std::numeric_limits<std::uint64_t>::max(),
                       "F20/04/2026 03:15:00D7U9\r\n",
                       {"eth0 : compteurs lus en hausse de 18446744073709550615 octets reçus "
                        "et 18446744073709550615 envoyés "
                        "depuis le dernier enregistrement, plus que 2^62 : rien n'est écrit"}},
        // 2^62 itself is believed: the counter then falls back and counts as restarted.
        BadReadingCase{"ExactlyTwoTo62",
                       1000 + kLimit,
                       1009,
                       "F20/04/2026 03:10:00D4611686018427387904U9\r\n",
                       {}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(StatisticsLoggerTest, WritesTwoInterfacesIntoTwoFilesInListOrder) {
  table_.Add("eth0", 0, 0);
  table_.Add("skipped", 0, 0);
  table_.Add("wlan0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}, {"skipped", false}, {"wlan0", true}};
  SetCounters(0, 10, 20);
  SetCounters(1, 99, 99);
  SetCounters(2, 30, 40);
  const LoggerDisplays d = logger_.Timer1Timer(list);
  EXPECT_EQ(table_.snapshots, 2);
  EXPECT_EQ(FileNames(), (Lines{"eth0.mdf", "wlan0.mdf"}));
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 10:00:00D10U20\r\n");
  EXPECT_EQ(ReadFile("wlan0.mdf"), "F20/04/2026 10:00:00D30U40\r\n");
  // The displays end on the last checked position.
  EXPECT_EQ(d.Label6, "F20/04/2026 10:00:00D30U40");
  EXPECT_EQ(d.status, (Lines{"LOG OK 10:00:00 0", "LOG OK 10:00:00 0 1", "LOG OK 10:00:00 0",
                             "LOG OK 10:00:00 0 1"}));
}

TEST_F(StatisticsLoggerTest, KeepsBaselinesForPositionsBeyondSixteen) {
  std::vector<MonitorEntry> list;
  for (int i = 0; i < 20; ++i) {
    table_.Add("if" + std::to_string(i), 1000, 1000);
    list.push_back({"if" + std::to_string(i), i == 19});
  }
  logger_.TakeBaselines(list);
  SetCounters(19, 1005, 1006);
  logger_.Timer1Timer(list);
  EXPECT_EQ(ReadFile("if19.mdf"), "F20/04/2026 10:00:00D5U6\r\n");
}

TEST_F(StatisticsLoggerTest, NeverReadsAPositionGoneFromTheTable) {
  table_.Add("eth0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}, {"usb0", true}};
  SetCounters(0, 10, 20);
  logger_.TakeBaselines(list);
  SetCounters(0, 11, 22);
  const LoggerDisplays d = logger_.Timer1Timer(list);
  EXPECT_EQ(FileNames(), (Lines{"eth0.mdf"}));
  EXPECT_EQ(d.Label6, "F20/04/2026 10:00:00D1U2");  // the missing position left no display
}

TEST_F(StatisticsLoggerTest, ReadsAnEmptySnapshotAsNoRows) {
  table_.Add("eth0", 10, 20);
  table_.result = 5;
  const LoggerDisplays d = logger_.Timer1Timer({{"eth0", true}});
  EXPECT_TRUE(FileNames().empty());
  EXPECT_FALSE(d.Label5);
}

TEST_F(StatisticsLoggerTest, WritesThePartialPeriodAtQuit) {
  table_.Add("eth0", 0, 0);
  table_.Add("wlan0", 0, 0);
  const std::vector<MonitorEntry> list = {{"eth0", true}, {"wlan0", true}};
  logger_.TakeBaselines(list);
  SetCounters(0, 100, 200);
  SetCounters(1, 5, 6);
  At(3, 10);
  logger_.Timer1Timer(list);
  SetCounters(0, 130, 260);  // eth0 moved on since its record, wlan0 did not
  At(3, 12, 30);
  logger_.WriteFinalRecords(list);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 03:10:00D100U200\r\nF20/04/2026 03:12:30D30U60\r\n");
  EXPECT_EQ(ReadFile("wlan0.mdf"), "F20/04/2026 03:10:00D5U6\r\n");
}

}  // namespace
}  // namespace kirv
