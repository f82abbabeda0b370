#include "archive/archive_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kirv {

namespace {

// Cuts the file back to its size before a failed append. Should that fail too, the torn line
// stays: a reader skips it, or takes the intact record that a later append glues to it.
bool CutBack(int fd, off_t size) { return size >= 0 && ftruncate(fd, size) == 0; }

}  // namespace

bool ArchiveExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0;
}

bool CreateArchive(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  close(fd);
  return true;
}

ArchiveFile::ArchiveFile(const std::string& path) {
  fd_ = open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    openError_ = errno;
    close(fd_);
    fd_ = -1;
  } else if (fd_ < 0) {
    openError_ = errno;
  }
}

ArchiveFile::~ArchiveFile() {
  if (fd_ >= 0) close(fd_);
}

ArchiveFile::AppendResult ArchiveFile::Append(std::string_view line, int maxCalls) {
  AppendResult result;
  const off_t end = lseek(fd_, 0, SEEK_END);
  std::size_t done = 0;
  while (done < line.size() && result.writeCalls < maxCalls) {
    ++result.writeCalls;
    const ssize_t n = write(fd_, line.data() + done, line.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else {
      result.error = n < 0 ? errno : EIO;  // a call that writes nothing cannot go on either
    }
  }
  // A character device such as /dev/null takes the line but cannot keep it: EINVAL here.
  if (done == line.size() && fdatasync(fd_) != 0) {
    result.error = errno;
  } else if (done == line.size()) {
    result.written = true;
    result.error = 0;
  }
  if (!result.written && done > 0) CutBack(fd_, end);
  return result;
}

}  // namespace kirv
