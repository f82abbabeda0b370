// Archive records. Any line parses from its own bytes only: the same text read from a block of
// exactly its size and from the middle of a larger buffer gives the same record. A record written
// by FormatRecord parses back to itself, whether its fields come from the input or from the parse
// of the line.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "archive/record.h"
#include "fuzz_input.h"

KIRV_FUZZ_HARNESS_BEGIN

namespace {

using kirv::ArchiveRecord;
using kirv::DateTime;

std::string Describe(const ArchiveRecord& r) {
  return kirv::FormatDateTime(r.time, "yyyy-mm-dd hh:nn:ss") + " D" + std::to_string(r.received) +
         " U" + std::to_string(r.sent);
}

bool Same(const ArchiveRecord& a, const ArchiveRecord& b) {
  return a.time == b.time && a.received == b.received && a.sent == b.sent;
}

bool Writable(const DateTime& t) {
  return kirv::IsValidDate(t.year, t.month, t.day) &&
         kirv::IsValidTime(t.hour, t.minute, t.second) && t.millisecond == 0;
}

// Formats the record, checks the line's framing, and parses the text between "F" and CR LF.
ArchiveRecord RoundTrip(const ArchiveRecord& r) {
  const std::string line = kirv::FormatRecord(r.time, r.received, r.sent);
  KIRV_FUZZ_CHECK(
      line.size() >= 25 && line.front() == 'F' && line.substr(line.size() - 2) == "\r\n", line);
  KIRV_FUZZ_CHECK(line.find('F', 1) == std::string::npos && line[20] == 'D', line);
  return kirv::ParseRecord(std::string_view(line).substr(1, line.size() - 3));
}

// Counts below 2^63: the ones every reading of the archive takes as numbers.
std::uint64_t Count(kirv::fuzz::FuzzInput& in) { return in.Take<std::uint64_t>() >> 1; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The line alone in a block of its size: a read past it is a read past the block.
  const auto exact = std::make_unique<char[]>(size);
  std::copy(data, data + size, exact.get());
  const ArchiveRecord alone = kirv::ParseRecord(std::string_view(exact.get(), size));

  // The same line with digits, "U" and line ends on both sides.
  const std::string padding = "0123456789U\r\nF";
  const std::string framed = padding + std::string(exact.get(), size) + padding;
  const ArchiveRecord inFrame =
      kirv::ParseRecord(std::string_view(framed).substr(padding.size(), size));
  KIRV_FUZZ_CHECK(Same(alone, inFrame), Describe(alone) + " / " + Describe(inFrame));

  if (Writable(alone.time)) {
    const ArchiveRecord back = RoundTrip(alone);
    KIRV_FUZZ_CHECK(Same(back, alone), Describe(alone) + " / " + Describe(back));
  }

  kirv::fuzz::FuzzInput in(data, size);
  ArchiveRecord made;
  made.time = DateTime{in.Take<std::uint16_t>() % 10000, in.Take<std::uint8_t>() % 13,
                       in.Take<std::uint8_t>() % 32,     in.Take<std::uint8_t>() % 24,
                       in.Take<std::uint8_t>() % 60,     in.Take<std::uint8_t>() % 60};
  made.received = Count(in);
  made.sent = Count(in);
  if (Writable(made.time)) {
    const ArchiveRecord back = RoundTrip(made);
    KIRV_FUZZ_CHECK(Same(back, made), Describe(made) + " / " + Describe(back));
  }
  return 0;
}

KIRV_FUZZ_HARNESS_END
