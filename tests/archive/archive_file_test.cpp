#include "archive/archive_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <ostream>
#include <string>

#include "temp_directory.h"

namespace kirv {
namespace {

class ArchiveFileTest : public kirv::testing::TempDirectoryTest {};

const std::string kLine = "F07/12/2026 03:10:00D1843200U204800\r\n";

TEST_F(ArchiveFileTest, CreatesAMissingFileEmpty) {
  EXPECT_FALSE(ArchiveExists("eth0.mdf"));
  EXPECT_TRUE(CreateArchive("eth0.mdf"));
  EXPECT_TRUE(ArchiveExists("eth0.mdf"));
  EXPECT_EQ(ReadFile("eth0.mdf"), "");
}

TEST_F(ArchiveFileTest, NeverEmptiesAnExistingFile) {
  WriteFile("eth0.mdf", kLine);
  EXPECT_TRUE(CreateArchive("eth0.mdf"));
  EXPECT_EQ(ReadFile("eth0.mdf"), kLine);
}

TEST_F(ArchiveFileTest, ReportsANameTooLongToCreate) {
  const std::string name = std::string(300, 'a') + ".mdf";
  EXPECT_FALSE(CreateArchive(name));
  EXPECT_FALSE(ArchiveExists(name));
}

TEST_F(ArchiveFileTest, AppendsTheLineAtTheEndWithOneWriteCall) {
  WriteFile("eth0.mdf", kLine);
  ArchiveFile file("eth0.mdf");
  ASSERT_TRUE(file.IsOpen());
  const ArchiveFile::AppendResult result = file.Append("F2\r\n", 50);
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.writeCalls, 1);
  EXPECT_EQ(ReadFile("eth0.mdf"), kLine + "F2\r\n");
}

TEST_F(ArchiveFileTest, DoesNotCreateAFileWhenOpening) {
  ArchiveFile file("eth0.mdf");
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.OpenError(), ENOENT);
  EXPECT_FALSE(ArchiveExists("eth0.mdf"));
}

TEST_F(ArchiveFileTest, DoesNotOpenAFileThatAnotherWriterHolds) {
  WriteFile("eth0.mdf", "");
  const int holder = open("eth0.mdf", O_RDONLY);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(flock(holder, LOCK_EX), 0);
  const ArchiveFile held("eth0.mdf");
  EXPECT_FALSE(held.IsOpen());
  EXPECT_EQ(held.OpenError(), EWOULDBLOCK);
  close(holder);
  EXPECT_TRUE(ArchiveFile("eth0.mdf").IsOpen());
}

TEST_F(ArchiveFileTest, HoldsItsLockUntilDestroyed) {
  WriteFile("eth0.mdf", "");
  ArchiveFile first("eth0.mdf");
  ASSERT_TRUE(first.IsOpen());
  EXPECT_FALSE(ArchiveFile("eth0.mdf").IsOpen());
}

// Devices in place of the archive: one refuses every write, one takes the line but cannot keep
// it on a disk.
struct RefusedCase {
  const char* what;
  const char* device;
  int writeCalls;
  int error;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.what; }

class RefusedAppend : public ArchiveFileTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedAppend, IsNotWrittenAndSaysTheSystemsReason) {
  ASSERT_EQ(symlink(GetParam().device, "eth0.mdf"), 0);
  ArchiveFile file("eth0.mdf");
  ASSERT_TRUE(file.IsOpen());
  const ArchiveFile::AppendResult result = file.Append(kLine, 50);
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.writeCalls, GetParam().writeCalls);
  EXPECT_EQ(result.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Devices, RefusedAppend,
                         ::testing::Values(RefusedCase{"FullDisk", "/dev/full", 50, ENOSPC},
                                           RefusedCase{"NoSync", "/dev/null", 1, EINVAL}),
                         [](const auto& info) { return std::string(info.param.what); });

// A file size limit makes the kernel write part of the line and then refuse the rest.
TEST_F(ArchiveFileTest, CutsATornLineOffAgain) {
  WriteFile("eth0.mdf", kLine);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{kLine.size() + 10, kLine.size() + 10};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(2);
    ArchiveFile file("eth0.mdf");
    const ArchiveFile::AppendResult result = file.Append(kLine, 5);
    _exit(!result.written && result.writeCalls == 5 && result.error == EFBIG ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadFile("eth0.mdf"), kLine);
}

}  // namespace
}  // namespace kirv
