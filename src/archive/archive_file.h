#pragma once

#include <string>
#include <string_view>

namespace kirv {

// Whether something of that name exists (following symbolic links).
bool ArchiveExists(const std::string& path);

// Creates the file, empty, when it does not exist; an existing file is left as it is, never
// emptied. False when the name cannot be created (too long, no permission, ...).
bool CreateArchive(const std::string& path);

// An archive file open for appending, held with an exclusive lock for as long as the object
// lives; a file that another writer holds does not open.
class ArchiveFile {
 public:
  explicit ArchiveFile(const std::string& path);
  ~ArchiveFile();
  ArchiveFile(const ArchiveFile&) = delete;
  ArchiveFile& operator=(const ArchiveFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }

  struct AppendResult {
    bool written = false;
    int writeCalls = 0;  // 1 to maxCalls
  };

  // Writes the line at the end of the file. A failed call is repeated and a partial one goes on
  // with the rest, up to maxCalls calls in all. When the line could not be written whole, what
  // was written of it is cut off again, so no torn line stays in the file.
  AppendResult Append(std::string_view line, int maxCalls);

 private:
  int fd_ = -1;
};

}  // namespace kirv
