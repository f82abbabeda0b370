#include "archive/archive_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kirv {

namespace {

// Cuts the file back to its size before a failed append. Should that fail too, the torn line
// stays: a reader skips it, or takes the intact record that a later append glues to it.
bool CutBack(int fd, off_t size) { return size >= 0 && ftruncate(fd, size) == 0; }

// Opens a regular file for writing; -1 with error set otherwise. O_NONBLOCK keeps a FIFO from
// blocking the open (without a reader it fails with ENXIO, as a device without its device does);
// it is cleared again, so writes wait for the disk as they should.
int OpenRegular(const std::string& path, int flags, int& error) {
  const int fd = open(path.c_str(), flags | O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    error = errno == ENXIO ? kNotRegularFile : errno;
    return -1;
  }
  struct stat st {};
  const int status = fcntl(fd, F_GETFL);
  if (fstat(fd, &st) != 0 || status == -1 || fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
    error = errno;
  } else if (!S_ISREG(st.st_mode)) {
    error = kNotRegularFile;
  } else {
    return fd;
  }
  close(fd);
  return -1;
}

}  // namespace

bool IsRefusal(int error) { return error == ELOOP || error == kNotRegularFile; }

std::string ArchiveErrorText(int error, const TextCatalogue* texts) {
  if (error == ELOOP) {
    return Translated(texts, KIRV_TEXT("kirv", "c'est un lien symbolique, qui n'est jamais suivi"));
  }
  if (error == kNotRegularFile) {
    return Translated(texts, KIRV_TEXT("kirv", "ce n'est pas un fichier ordinaire"));
  }
  return std::strerror(error);
}

bool ArchiveExists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

int CreateArchive(const std::string& path) {
  int error = 0;
  const int fd = OpenRegular(path, O_CREAT, error);
  if (fd >= 0) close(fd);
  return error;
}

ArchiveFile::ArchiveFile(const std::string& path) {
  fd_ = OpenRegular(path, O_APPEND, openError_);
  if (fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    openError_ = errno;
    close(fd_);
    fd_ = -1;
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
  struct stat st {};
  if (done == line.size() && fdatasync(fd_) != 0) {
    result.error = errno;
  } else if (done == line.size() && fstat(fd_, &st) == 0 && st.st_nlink == 0) {
    result.error = ENOENT;  // removed while open: the line is in no file anyone can read
  } else if (done == line.size()) {
    result.written = true;
    result.error = 0;
  }
  if (!result.written && done > 0) CutBack(fd_, end);
  return result;
}

}  // namespace kirv
