#include "archive/archive_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
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
  EXPECT_EQ(CreateArchive("eth0.mdf"), 0);
  EXPECT_TRUE(ArchiveExists("eth0.mdf"));
  EXPECT_EQ(ReadFile("eth0.mdf"), "");
}

TEST_F(ArchiveFileTest, NeverEmptiesAnExistingFile) {
  WriteFile("eth0.mdf", kLine);
  EXPECT_EQ(CreateArchive("eth0.mdf"), 0);
  EXPECT_EQ(ReadFile("eth0.mdf"), kLine);
}

TEST_F(ArchiveFileTest, ReportsANameTooLongToCreate) {
  const std::string name = std::string(300, 'a') + ".mdf";
  EXPECT_EQ(CreateArchive(name), ENAMETOOLONG);
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

TEST_F(ArchiveFileTest, DoesNotCountALineWrittenIntoARemovedFile) {
  ASSERT_EQ(CreateArchive("eth0.mdf"), 0);
  ArchiveFile open("eth0.mdf");
  ASSERT_TRUE(open.IsOpen());
  ASSERT_EQ(unlink("eth0.mdf"), 0);
  const ArchiveFile::AppendResult result = open.Append(kLine, 50);
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.error, ENOENT);
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

// What may stand under an archive's name besides a regular file: each is refused at once,
// without blocking, and nothing is followed, created or written.
struct RefusedCase {
  const char* what;
  const char* path;
  int (*make)();  // a descriptor to close after the test, kNothingHeld, or kNotMade
  int error;
};

constexpr int kNothingHeld = -1;
constexpr int kNotMade = -2;
int Made(int result) { return result == 0 ? kNothingHeld : kNotMade; }

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.what; }

class RefusedName : public ArchiveFileTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedName, IsNeitherCreatedNorOpenedAndSaysWhy) {
  WriteFile("target", kLine);
  const int held = GetParam().make();
  ASSERT_NE(held, kNotMade);
  EXPECT_EQ(CreateArchive(GetParam().path), GetParam().error);
  const ArchiveFile file(GetParam().path);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.OpenError(), GetParam().error);
  EXPECT_TRUE(IsRefusal(file.OpenError()));
  EXPECT_EQ(ReadFile("target"), kLine);
  EXPECT_FALSE(ArchiveExists("missing"));
  if (held >= 0) close(held);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RefusedName,
    ::testing::Values(RefusedCase{"LinkToAFile", "eth0.mdf",
                                  [] { return Made(symlink("target", "eth0.mdf")); }, ELOOP},
                      RefusedCase{"DanglingLink", "eth0.mdf",
                                  [] { return Made(symlink("missing", "eth0.mdf")); }, ELOOP},
                      RefusedCase{"FifoWithoutReader", "eth0.mdf",
                                  [] { return Made(mkfifo("eth0.mdf", 0600)); }, kNotRegularFile},
                      RefusedCase{"FifoWithAReader", "eth0.mdf",
                                  [] {
                                    return mkfifo("eth0.mdf", 0600) == 0
                                               ? open("eth0.mdf", O_RDONLY | O_NONBLOCK)
                                               : kNotMade;
                                  },
                                  kNotRegularFile},
                      RefusedCase{"Device", "/dev/null", [] { return kNothingHeld; },
                                  kNotRegularFile}),
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
