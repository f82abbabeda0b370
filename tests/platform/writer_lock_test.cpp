// The single writer of a data folder: who writes at each logging tick as the lock is held, let go
// or cannot be made at all, whatever lies in the place of the lock file.

#include "platform/writer_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kirv {
namespace {

TEST(WriterLock, AFreeFolderIsWrittenByItsFirstLogger) {
  QTemporaryDir folder;
  WriterLock lock(folder.path());
  EXPECT_TRUE(lock.TryTake());
  EXPECT_FALSE(lock.LogsElsewhere());
  EXPECT_EQ(lock.TurnAtTick(), WriterTurn::kWrite);
  EXPECT_TRUE(QDir(folder.path()).exists(QString::fromLatin1(WriterLock::kFileName)));
}

// A second logger of the folder waits while the first lives, takes over with fresh baselines
// once it has gone, then writes.
TEST(WriterLock, ASecondLoggerWaitsThenTakesOver) {
  QTemporaryDir folder;
  auto first = std::make_unique<WriterLock>(folder.path());
  ASSERT_TRUE(first->TryTake());
  WriterLock second(folder.path());
  EXPECT_FALSE(second.TryTake());
  EXPECT_TRUE(second.LogsElsewhere());
  EXPECT_EQ(second.HolderPid(), QCoreApplication::applicationPid());
  EXPECT_EQ(second.TurnAtTick(), WriterTurn::kElsewhere);
  first.reset();
  EXPECT_EQ(second.TurnAtTick(), WriterTurn::kTakenOver);
  EXPECT_EQ(second.TurnAtTick(), WriterTurn::kWrite);
}

// Where no lock file can be made (a full disk, a folder gone) nobody else can be writing: the
// logger writes, and when the lock can be made again it goes on with its own baselines, so the
// traffic it carried over failed records is not dropped.
TEST(WriterLock, ALoggerWithoutALockFileKeepsWritingWhenOneCanBeMade) {
  QTemporaryDir parent;
  const QString folder = parent.filePath(QStringLiteral("not yet"));
  WriterLock lock(folder);
  EXPECT_FALSE(lock.TryTake());
  EXPECT_FALSE(lock.LogsElsewhere());
  const std::vector<WriterTurn> turns = {lock.TurnAtTick(), lock.TurnAtTick()};
  EXPECT_EQ(turns, std::vector<WriterTurn>(2, WriterTurn::kWrite));
  ASSERT_TRUE(QDir().mkpath(folder));
  EXPECT_EQ(lock.TurnAtTick(), WriterTurn::kWrite);
  EXPECT_TRUE(lock.Held());
}

// A data folder removed and made again while its writer runs takes a new lock: the writer takes
// it back at its next tick, or leaves the writing to the process that took it first.
TEST(WriterLock, AFolderMadeAgainIsLockedAgain) {
  QTemporaryDir parent;
  const QString folder = parent.filePath(QStringLiteral("KIRV"));
  ASSERT_TRUE(QDir().mkpath(folder));
  WriterLock first(folder, [](std::string_view) {});
  ASSERT_TRUE(first.TryTake());
  ASSERT_TRUE(QDir(folder).removeRecursively() && QDir().mkpath(folder));
  WriterLock second(folder);
  EXPECT_TRUE(second.TryTake());
  EXPECT_EQ(first.TurnAtTick(), WriterTurn::kElsewhere);
}

struct LockFileCase {
  std::string name;
  std::function<void(const std::filesystem::path&)> make;  // puts something at the lock's place
  std::string said;                                        // in the message, empty for none
};

class LockFileKindTest : public ::testing::TestWithParam<LockFileCase> {};

// Whatever holds the lock file's place, one process writes, a second one waits, and neither
// blocks nor reads more than a few octets; what cannot be locked is said.
TEST_P(LockFileKindTest, OneProcessWritesAndTheOtherWaits) {
  QTemporaryDir folder;
  GetParam().make(std::filesystem::path(folder.path().toStdString()) / WriterLock::kFileName);
  std::vector<std::string> said;
  WriterLock first(folder.path(), [&](std::string_view line) { said.emplace_back(line); });
  WriterLock second(folder.path(), [](std::string_view) {});
  EXPECT_TRUE(first.TryTake());
  EXPECT_FALSE(second.TryTake());
  EXPECT_TRUE(second.LogsElsewhere());
  EXPECT_EQ(second.TurnAtTick(), WriterTurn::kElsewhere);
  // Known only from a lock file that the holder could write its id into.
  EXPECT_EQ(second.HolderPid(), GetParam().said.empty() ? QCoreApplication::applicationPid() : 0);
  ASSERT_EQ(said.size(), GetParam().said.empty() ? 0U : 1U);
  if (!said.empty()) {
    EXPECT_NE(said.front().find(GetParam().said), std::string::npos) << said[0];
  }
}

void Write(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LockFileKindTest,
    ::testing::Values(
        LockFileCase{"LeftByAKilledProcess", [](const auto& p) { Write(p, "999999999\n"); }, ""},
        LockFileCase{"NamingALiveProcess", [](const auto& p) { Write(p, "1\n"); }, ""},
        LockFileCase{"Empty", [](const auto& p) { Write(p, ""); }, ""},
        LockFileCase{"Directory", [](const auto& p) { std::filesystem::create_directory(p); },
                     "est un dossier ; le dossier de données est verrouillé à sa place"},
        LockFileCase{"Fifo", [](const auto& p) { mkfifo(p.c_str(), 0644); },
                     "n'est pas un fichier ordinaire"},
        LockFileCase{"LinkToDevZero",
                     [](const auto& p) { std::filesystem::create_symlink("/dev/zero", p); },
                     "est un lien symbolique"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kirv
