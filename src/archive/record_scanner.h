#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kirv {

// Reads an archive file from its end towards its start and hands out its records newest first.
// The file is opened read-only and its size taken once, at construction; it is read in large
// blocks. A record is the text after its "F" and before its CR LF; the first record, at byte 0 of
// the file, is seen like any other. The caller stops whenever it likes.
class RecordScanner {
 public:
  static constexpr std::size_t kDefaultBlockSize = 64 * 1024;

  explicit RecordScanner(const std::string& path, std::size_t blockSize = kDefaultBlockSize);
  ~RecordScanner();
  RecordScanner(const RecordScanner&) = delete;
  RecordScanner& operator=(const RecordScanner&) = delete;

  bool IsOpen() const;
  std::uint64_t FileSize() const;

  // The next older record; false once the start of the file is passed. The view stays valid until
  // the next call.
  bool Next(std::string_view& record);

 private:
  // Implementation state is the archive module's choice.
  struct State;
  State* state_;
};

}  // namespace kirv
