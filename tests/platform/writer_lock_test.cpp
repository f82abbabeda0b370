// The single writer of a data folder: who writes at each logging tick as the lock is held, let go
// or cannot be made at all.

#include "platform/writer_lock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>
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

}  // namespace
}  // namespace kirv
