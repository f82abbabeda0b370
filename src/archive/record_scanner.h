#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kirv {

// Reads an archive file from its end towards its start and hands out its records newest first.
// The file is opened read-only and its size taken once, at construction; it is read in large
// blocks. A record is the text after its "F" and before its CR LF; the first record, at byte 0 of
// the file, is seen like any other. The caller stops whenever it likes.
//
// Framing of damaged files: a line ends at LF, a CR before it is dropped (lone LF ends are read
// too). The record of a line is the text after the line's last "F", so a torn record that a later
// append was glued to gives way to the intact one. Lines without "F", empty lines, texts longer
// than kMaxRecordLength and the last line when it has no line end (a torn write) are skipped.
// A missing file, a file that is not a regular file and a read error read as an empty archive.
class RecordScanner {
 public:
  static constexpr std::size_t kDefaultBlockSize = 64 * 1024;
  static constexpr std::size_t kMaxRecordLength = 255;  // bytes after the "F", CR LF excluded

  explicit RecordScanner(const std::string& path, std::size_t blockSize = kDefaultBlockSize);
  // The bytes [begin, end) of the file that whole has open, framed as a file of their own: begin
  // and end are ends of parts from PartEnds or LineEndAfter, so that every line lies in one part.
  // Parts of one file read side by side, each with its own scanner, hand out together what whole
  // would.
  RecordScanner(const RecordScanner& whole, std::uint64_t begin, std::uint64_t end);
  ~RecordScanner();
  RecordScanner(const RecordScanner&) = delete;
  RecordScanner& operator=(const RecordScanner&) = delete;

  bool IsOpen() const;
  std::uint64_t FileSize() const;

  // Cuts the file into at most `parts` parts of at least minimumPart bytes, each ending right
  // after an LF (the last at the end of the file): the ends in increasing order. A file too
  // small, or without an LF near a cut, gives fewer parts; a file that is not open gives none.
  std::vector<std::uint64_t> PartEnds(std::size_t parts, std::uint64_t minimumPart) const;
  // The end of the line that holds the byte at offset, right after its LF, when that LF lies
  // within a block from offset: the end of a part as PartEnds gives it.
  std::optional<std::uint64_t> LineEndAfter(std::uint64_t offset) const;

  // The next older record; false once the start of the file is passed. The view stays valid until
  // the next call.
  bool Next(std::string_view& record);

  // The lines passed so far that gave no record although they held more than their line end (the
  // torn last line included); blank lines are not counted.
  std::uint64_t SkippedLines() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace kirv
