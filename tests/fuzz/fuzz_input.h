#pragma once

// What every fuzz target shares: a reader of the fuzzer's bytes, a property check that stops the
// run, and an archive file held in memory.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

// Keeps the fuzzer's coverage to the code under test: the checks of a target, between these two
// marks, are not worth exploring and cost most of a run when counted.
#if defined(__clang__)
#define KIRV_FUZZ_HARNESS_BEGIN \
  _Pragma("clang attribute push(__attribute__((no_sanitize(\"coverage\"))), apply_to = function)")
#define KIRV_FUZZ_HARNESS_END _Pragma("clang attribute pop")
#else
#define KIRV_FUZZ_HARNESS_BEGIN
#define KIRV_FUZZ_HARNESS_END
#endif

KIRV_FUZZ_HARNESS_BEGIN

namespace kirv::fuzz {

// Reads fields from the front of the input; a field past its end reads as zero bytes, so every
// input, even an empty one, decodes to something.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  template <typename T>
  T Take() {
    static_assert(std::is_integral_v<T>);
    std::make_unsigned_t<T> value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      value =
          static_cast<decltype(value)>(value | (static_cast<decltype(value)>(Byte()) << (8 * i)));
    }
    return static_cast<T>(value);
  }

  bool TakeBool() { return (Byte() & 1) != 0; }

  // Up to `length` bytes, fewer at the end of the input.
  std::string TakeString(std::size_t length) {
    const std::size_t n = length < Remaining() ? length : Remaining();
    std::string s(reinterpret_cast<const char*>(data_ + offset_), n);
    offset_ += n;
    return s;
  }

  // A string whose length is given by the byte before it.
  std::string TakeShortString() { return TakeString(Byte()); }

  std::string_view Rest() {
    const std::string_view rest(reinterpret_cast<const char*>(data_ + offset_), Remaining());
    offset_ = size_;
    return rest;
  }

  std::size_t Remaining() const { return size_ - offset_; }

 private:
  std::uint8_t Byte() { return offset_ < size_ ? data_[offset_++] : 0; }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t offset_ = 0;
};

// A property of the target that does not hold: said on stderr, then the run stops as a crash
// would, so that the fuzzer keeps the input and a replay fails.
[[noreturn]] inline void Fail(const char* file, int line, const char* what,
                              const std::string& detail) {
  std::fprintf(stderr, "%s:%d: property failed: %s\n%s\n", file, line, what, detail.c_str());
  std::abort();
}

#define KIRV_FUZZ_CHECK(condition, detail)                                          \
  do {                                                                              \
    if (!(condition)) ::kirv::fuzz::Fail(__FILE__, __LINE__, #condition, (detail)); \
  } while (false)

// A file in memory that the readers open by path, as they would an archive on disk. Created once
// per process and rewritten for every input.
class MemoryFile {
 public:
  MemoryFile() : fd_(memfd_create("kirv-fuzz-archive", MFD_CLOEXEC)) {
    if (fd_ < 0) {
      std::perror("memfd_create");
      std::abort();
    }
    path_ = "/proc/self/fd/" + std::to_string(fd_);
  }
  ~MemoryFile() { close(fd_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  const std::string& Write(std::string_view content) {
    if (ftruncate(fd_, 0) != 0 ||
        pwrite(fd_, content.data(), content.size(), 0) != static_cast<ssize_t>(content.size())) {
      std::perror("memory file");
      std::abort();
    }
    return path_;
  }

 private:
  int fd_;
  std::string path_;
};

}  // namespace kirv::fuzz

KIRV_FUZZ_HARNESS_END
