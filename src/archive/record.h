#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/calendar.h"

namespace kirv {

// One archive line: "F", the timestamp "dd/mm/yyyy hh:nn:ss", "D", the octets received, "U", the
// octets sent, CR LF. The counts are the growth of the interface's counters over the period.
struct ArchiveRecord {
  DateTime time;               // the end of the period, to the second (millisecond stays 0)
  std::uint64_t received = 0;  // below 2^63
  std::uint64_t sent = 0;      // below 2^63
};

// Octets added up from records, held to the range of a count, 0 to 2^63 - 1: sums of columns,
// days and months stop at 2^63 - 1 rather than wrap, stay valid signed 64-bit numbers, and two
// of them still add up in 64 unsigned bits.
inline constexpr std::uint64_t kLargestCount = 9223372036854775807ULL;
constexpr std::uint64_t SaturatingSum(std::uint64_t a, std::uint64_t b) {
  std::uint64_t sum = 0;
  return __builtin_add_overflow(a, b, &sum) || sum > kLargestCount ? kLargestCount : sum;
}

// The whole line, CR LF included. The counts are written in full, however many digits they take.
std::string FormatRecord(const DateTime& time, std::uint64_t received, std::uint64_t sent);

// A record from the text between its "F" and its CR LF. Positions counted from 1: day 1-2, month
// 4-5, year 7-10, hour 12-13, minute 15-16, second 18-19; the received count runs from 21 up to
// the first "U" at or after 21 (to the end when there is none), the sent count is everything after
// that "U". A field that is not a plain decimal number below 2^63 reads as 0, so every count is
// at most kLargestCount; a short text gives the part of each field it holds.
ArchiveRecord ParseRecord(std::string_view text);
// The same, and whether the text has a "U" at or after position 21, the mark of a sent count.
ArchiveRecord ParseRecord(std::string_view text, bool& hasSentCount);
// The record of a text that has its sent count and a valid date and time; false for another.
bool ParseDatedRecord(std::string_view text, ArchiveRecord& record);
// ParseDatedRecord for the records of one scan, which come in runs of one date: the date of a text
// whose first ten bytes are those of the text before is not read again.
class DatedRecordParser {
 public:
  bool Parse(std::string_view text, ArchiveRecord& record);

 private:
  bool known_ = false;          // whether day_ holds the date bytes of a text read before
  std::array<char, 10> day_{};  // "dd/mm/yyyy"
  DateTime date_;               // as those bytes read
  bool validDate_ = false;
};
// The counts alone, as ParseRecord reads them; true when the text has that "U".
bool ParseCounts(std::string_view text, std::uint64_t& received, std::uint64_t& sent);

}  // namespace kirv
