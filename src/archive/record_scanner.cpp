#include "archive/record_scanner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kirv {

namespace {

const char* FindLast(const char* begin, const char* end, char c) {
  return static_cast<const char*>(memrchr(begin, c, static_cast<std::size_t>(end - begin)));
}

// The last LF in [begin, end) (nullptr when there is none) and, when wanted, the last "F" after
// it (nullptr when there is none), found in one pass from the end.
struct LineStart {
  const char* lf = nullptr;
  const char* f = nullptr;
};

LineStart FindLineStart(const char* begin, const char* end, bool wantF) {
  LineStart found;
  const char* p = end;
#if defined(__SSE2__)
  // Sixteen bytes at a time; a record line takes two or three steps.
  const __m128i lfs = _mm_set1_epi8('\n');
  const __m128i fs = _mm_set1_epi8('F');
  while (p - begin >= 16) {
    p -= 16;
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const auto lfBits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lfs)));
    auto fBits = wantF && !found.f
                     ? static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, fs)))
                     : 0u;
    if (lfBits != 0) {
      const int at = 31 - __builtin_clz(lfBits);
      found.lf = p + at;
      fBits &= ~0u << at;  // only what lies after the LF
    }
    if (fBits != 0) found.f = p + 31 - __builtin_clz(fBits);
    if (found.lf) return found;
  }
#endif
  found.lf = FindLast(begin, p, '\n');
  if (wantF && !found.f) found.f = FindLast(found.lf ? found.lf + 1 : begin, p, 'F');
  return found;
}

// Whether the bytes hold anything but CR: a line of nothing but its line end is blank.
bool HasText(const char* begin, const char* end) {
  return std::find_if(begin, end, [](char c) { return c != '\r'; }) != end;
}

}  // namespace

// buf holds the file bytes [bufStart, bufStart + bufLength); the bytes before partBegin are another
// part's. Everything at or after cursor has
// been handed out or skipped; buf[cursor] is the LF that ends the line being read (or the end of
// the file for the last line). skipping says the rest of that line, towards its start, is done.
// handedOut says that line gave its record, hasText that a part of it left behind held more than
// CRs; a line that ends with neither and is not blank is counted in skipped.
struct RecordScanner::State {
  int fd = -1;
  std::uint64_t size = 0;
  std::uint64_t partBegin = 0;
  std::size_t blockSize = kDefaultBlockSize;
  std::vector<char> buf;
  std::uint64_t bufStart = 0;
  std::size_t cursor = 0;
  bool skipping = true;  // the last line has no LF of its own: torn or empty
  bool finished = false;
  bool handedOut = false;
  bool hasText = false;
  std::uint64_t skipped = 0;

  // Reads from the part's end towards partBegin.
  void Start(std::uint64_t end) {
    buf.resize(blockSize + kMaxRecordLength + 2);
    bufStart = end;
    finished = !ReadBlockBefore(0);
  }

  // Puts the block before bufStart in front of buf[0, carry). False at the start of the file or
  // on a read error.
  bool ReadBlockBefore(std::size_t carry) {
    if (bufStart == partBegin) return false;
    const std::size_t length =
        static_cast<std::size_t>(std::min<std::uint64_t>(blockSize, bufStart - partBegin));
    std::memmove(buf.data() + length, buf.data(), carry);
    const off_t offset = static_cast<off_t>(bufStart - length);
    std::size_t done = 0;
    while (done < length) {
      const ssize_t got = pread(fd, buf.data() + done, length - done, offset + done);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;
      done += static_cast<std::size_t>(got);
    }
    bufStart -= length;
    cursor = length + carry;
    return true;
  }

  // The record text of the line that ends at lineEnd and whose last "F" is at f.
  static bool RecordOf(const char* f, const char* lineEnd, std::string_view& record) {
    if (lineEnd > f + 1 && lineEnd[-1] == '\r') --lineEnd;
    const auto length = static_cast<std::size_t>(lineEnd - f - 1);
    if (length > kMaxRecordLength) return false;
    record = std::string_view(f + 1, length);
    return true;
  }

  bool Next(std::string_view& record) {
    while (!finished) {
      const char* begin = buf.data();
      const char* lineEnd = begin + cursor;
      const auto [lf, f] = FindLineStart(begin, lineEnd, !skipping);
      const char* lineStart = lf ? lf + 1 : begin;
      const bool found = f && RecordOf(f, lineEnd, record);
      if (lf || bufStart == partBegin) {
        // The whole line is in buf: go on with the line before it.
        if (!found && !handedOut && (hasText || HasText(lineStart, lineEnd))) ++skipped;
        if (lf) {
          cursor = static_cast<std::size_t>(lf - begin);
        } else {
          finished = true;
        }
        skipping = handedOut = hasText = false;
      } else if (f) {
        // The line started in an earlier block; its record is already known.
        cursor = static_cast<std::size_t>(f - begin);
        skipping = true;
        handedOut = found;
        hasText = !found;
      } else {
        // A line longer than any record can only hold junk before its end.
        if (cursor > kMaxRecordLength + 1) skipping = true;
        if (skipping && !hasText) hasText = HasText(begin, lineEnd);
        if (!ReadBlockBefore(skipping ? 0 : cursor)) finished = true;
      }
      if (found) return true;
    }
    return false;
  }
};

RecordScanner::RecordScanner(const std::string& path, std::size_t blockSize)
    : state_(std::make_unique<State>()) {
  State& s = *state_;
  s.blockSize = std::max<std::size_t>(blockSize, 1);
  s.finished = true;
  // O_NONBLOCK keeps a named pipe from blocking the open; it is refused below.
  s.fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (s.fd < 0) return;
  struct stat st {};
  if (fstat(s.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(s.fd);
    s.fd = -1;
    return;
  }
  s.size = static_cast<std::uint64_t>(st.st_size);
  s.Start(s.size);
}

RecordScanner::RecordScanner(const RecordScanner& whole, std::uint64_t begin, std::uint64_t end)
    : state_(std::make_unique<State>()) {
  State& s = *state_;
  s.blockSize = whole.state_->blockSize;
  s.finished = true;
  if (whole.state_->fd < 0) return;
  s.fd = fcntl(whole.state_->fd, F_DUPFD_CLOEXEC, 0);  // the same file, whatever its name is now
  if (s.fd < 0) return;
  s.size = whole.state_->size;
  s.partBegin = std::min(begin, s.size);
  s.Start(std::clamp(end, s.partBegin, s.size));
}

std::vector<std::uint64_t> RecordScanner::PartEnds(std::size_t parts,
                                                   std::uint64_t minimumPart) const {
  const State& s = *state_;
  std::vector<std::uint64_t> ends;
  if (s.fd < 0) return ends;
  parts = static_cast<std::size_t>(
      std::clamp<std::uint64_t>(s.size / std::max<std::uint64_t>(minimumPart, 1), 1, parts));
  // Each cut goes right after the first LF at or after its even share of the file.
  for (std::size_t k = 1; k < parts; ++k) {
    const std::optional<std::uint64_t> end =
        LineEndAfter(std::max(s.size / parts * k, ends.empty() ? 0 : ends.back()));
    if (end && *end < s.size) ends.push_back(*end);
  }
  ends.push_back(s.size);
  return ends;
}

std::optional<std::uint64_t> RecordScanner::LineEndAfter(std::uint64_t offset) const {
  const State& s = *state_;
  if (s.fd < 0) return std::nullopt;
  // A record line is short: a look at one block finds its end.
  std::vector<char> look(s.blockSize);
  const ssize_t got = pread(s.fd, look.data(), look.size(), static_cast<off_t>(offset));
  if (got <= 0) return std::nullopt;
  const auto* lf =
      static_cast<const char*>(std::memchr(look.data(), '\n', static_cast<std::size_t>(got)));
  if (lf == nullptr) return std::nullopt;
  return offset + static_cast<std::uint64_t>(lf - look.data()) + 1;
}

RecordScanner::~RecordScanner() {
  if (state_->fd >= 0) close(state_->fd);
}

bool RecordScanner::IsOpen() const { return state_->fd >= 0; }

std::uint64_t RecordScanner::FileSize() const { return state_->size; }

bool RecordScanner::Next(std::string_view& record) { return state_->Next(record); }

std::uint64_t RecordScanner::SkippedLines() const { return state_->skipped; }

}  // namespace kirv
