#include "archive/record.h"

namespace kirv {

namespace {

constexpr std::size_t kReceivedStart = 20;  // 0-based offset of position 21

// A run of decimal digits as a number; 0 when it is empty, holds anything else or reaches 2^63
// (no count of a real period comes near it; larger texts are damage).
std::uint64_t ToNumber(std::string_view digits) {
  if (digits.empty()) return 0;
  std::int64_t value = 0;
  for (char c : digits) {
    const auto digit = static_cast<unsigned char>(c - '0');
    if (digit > 9) return 0;
    if (__builtin_mul_overflow(value, 10, &value) || __builtin_add_overflow(value, digit, &value)) {
      return 0;
    }
  }
  return static_cast<std::uint64_t>(value);
}

// Field of `length` characters from 1-based `position`, clipped to the text.
int Field(std::string_view text, std::size_t position, std::size_t length) {
  if (position - 1 >= text.size()) return 0;
  return static_cast<int>(ToNumber(text.substr(position - 1, length)));
}

}  // namespace

std::string FormatRecord(const DateTime& time, std::uint64_t received, std::uint64_t sent) {
  return "F" + FormatDateTime(time, "dd/mm/yyyy hh:nn:ss") + "D" + std::to_string(received) + "U" +
         std::to_string(sent) + "\r\n";
}

ArchiveRecord ParseRecord(std::string_view text) {
  ArchiveRecord r;
  r.time = DateTime{Field(text, 7, 4),  Field(text, 4, 2),  Field(text, 1, 2),
                    Field(text, 12, 2), Field(text, 15, 2), Field(text, 18, 2)};
  if (text.size() <= kReceivedStart) return r;
  const std::string_view counts = text.substr(kReceivedStart);
  const std::size_t u = counts.find('U');
  r.received = ToNumber(counts.substr(0, u));
  if (u != std::string_view::npos) r.sent = ToNumber(counts.substr(u + 1));
  return r;
}

}  // namespace kirv
