#pragma once

#include <string>
#include <string_view>

#include "common/texts.h"

namespace kirv {

// Archives are opened without following a symbolic link (the link is refused with ELOOP, its
// target never written nor created) and without blocking, and only a regular file is written:
// anything else under the name (a FIFO, a device, a socket) is refused with kNotRegularFile.
inline constexpr int kNotRegularFile = -1;  // not an errno value

// Whether the error refuses what stands under the name, rather than failing to reach it.
bool IsRefusal(int error);

// The reason of an error of the functions below, as said to the user: the catalogue's for a
// refusal, the system's text otherwise.
std::string ArchiveErrorText(int error, const TextCatalogue* texts);

// Whether something of that name exists; a symbolic link exists, wherever it leads.
bool ArchiveExists(const std::string& path);

// Creates the file, empty, when it does not exist; an existing file is left as it is, never
// emptied. 0, or why the name cannot be created or is refused (an errno value, or
// kNotRegularFile).
int CreateArchive(const std::string& path);

// An archive file open for appending, held with an exclusive lock for as long as the object
// lives; a file that another writer holds does not open.
class ArchiveFile {
 public:
  explicit ArchiveFile(const std::string& path);
  ~ArchiveFile();
  ArchiveFile(const ArchiveFile&) = delete;
  ArchiveFile& operator=(const ArchiveFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // Why it did not open: an errno value (EWOULDBLOCK when another writer holds it, ELOOP for a
  // symbolic link), or kNotRegularFile.
  int OpenError() const { return openError_; }

  struct AppendResult {
    bool written = false;  // the whole line is in the file and on the disk
    int writeCalls = 0;    // 1 to maxCalls
    int error = 0;         // the system's error number of the last failed call, when not written
  };

  // Writes the line at the end of the file and waits until its data is on the disk. A failed
  // call is repeated and a partial one goes on with the rest, up to maxCalls calls in all. When
  // the line could not be written whole or synchronised, what was written of it is cut off again,
  // so no torn or unsaved line stays in the file to be counted twice. A file removed while it
  // was open keeps nothing for anyone: the line is not written, with ENOENT.
  AppendResult Append(std::string_view line, int maxCalls);

 private:
  int fd_ = -1;
  int openError_ = 0;
};

}  // namespace kirv
