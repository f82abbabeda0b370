#include "archive/record.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace kirv {

namespace {

constexpr std::size_t kReceivedStart = 20;  // 0-based offset of position 21
constexpr std::size_t kDateLength = 19;     // "dd/mm/yyyy hh:nn:ss"
constexpr std::size_t kDayLength = 10;      // "dd/mm/yyyy"
constexpr std::size_t kTimeStart = 11;      // 0-based offset of "hh"
// Up to this many digits a count is below 10^18 and cannot reach 2^63.
constexpr std::ptrdiff_t kSafeDigits = 18;

// The value of a decimal digit; above 9 for any other byte.
unsigned Digit(char c) { return static_cast<unsigned char>(c) - unsigned{'0'}; }

// A run of decimal digits as a number; 0 when it is empty, holds anything else or reaches 2^63
// (no count of a real period comes near it; larger texts are damage).
std::uint64_t ToNumber(std::string_view digits) {
  if (digits.empty()) return 0;
  std::int64_t value = 0;
  for (char c : digits) {
    const unsigned digit = Digit(c);
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

// Two and four digits at p, or 0 when one of them is not a digit.
int TwoDigits(const char* p) {
  const unsigned a = Digit(p[0]);
  const unsigned b = Digit(p[1]);
  return a < 10 && b < 10 ? static_cast<int>(a * 10 + b) : 0;
}

int FourDigits(const char* p) {
  const unsigned a = Digit(p[0]);
  const unsigned b = Digit(p[1]);
  const unsigned c = Digit(p[2]);
  const unsigned d = Digit(p[3]);
  return a < 10 && b < 10 && c < 10 && d < 10 ? static_cast<int>(((a * 10 + b) * 10 + c) * 10 + d)
                                              : 0;
}

// The digits from p on, up to the first other byte before end: where they stop and their value
// as ToNumber reads them.
const char* DigitRun(const char* p, const char* end, std::uint64_t& value) {
  const char* start = p;
  std::uint64_t v = 0;
  for (unsigned d; p < end && (d = Digit(*p)) < 10; ++p) v = v * 10 + d;
  value = p - start > kSafeDigits ? ToNumber({start, static_cast<std::size_t>(p - start)}) : v;
  return p;
}

// A count that must run to end: 0 when anything but digits is in it.
std::uint64_t WholeCount(const char* p, const char* end) {
  std::uint64_t value = 0;
  return DigitRun(p, end, value) == end ? value : 0;
}

// Counts of up to eight digits, read eight bytes at a time (least significant byte first).
constexpr std::uint64_t kBytes = 0x0101010101010101ULL;
constexpr bool kWordReads = std::endian::native == std::endian::little;

std::uint64_t Load(const char* p) {
  std::uint64_t word = 0;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// 0x80 in each byte of word that is 0, and nothing elsewhere.
std::uint64_t ZeroBytes(std::uint64_t word) {
  constexpr std::uint64_t kLow7 = 0x7F * kBytes;
  return ~(((word & kLow7) + kLow7) | word | kLow7);
}

// The k digits (1 to 8) before end as a number, the 8 bytes before end being readable; false
// when one of the k is not a digit. The bytes before the k are taken as "0".
[[gnu::always_inline]] inline bool ShortCount(const char* end, std::size_t k,
                                              std::uint64_t& value) {
  const std::uint64_t keep = ~0ULL << (8 * (8 - k));
  std::uint64_t x = ((Load(end - 8) & keep) | ('0' * kBytes & ~keep)) - '0' * kBytes;
  // A byte below "0" sets its own top bit (and borrows from the next one), one above "9" too.
  if (((x + 0x76 * kBytes) | x) & 0x80 * kBytes) return false;
  x = x * 10 + (x >> 8);
  constexpr std::uint64_t kPairs = 0x000000FF000000FFULL;
  value = (((x & kPairs) * (100 + (1000000ULL << 32))) +
           (((x >> 16) & kPairs) * (1 + (10000ULL << 32)))) >>
          32;
  return true;
}

// Three two-digit fields at bytes 0, 3 and 6 of the eight at p ("dd/mm/yy", "hh:nn:ss"); false
// when one of their bytes is not a digit.
bool ThreePairs(const char* p, int& first, int& second, int& third) {
  constexpr std::uint64_t kSeparators = 0x0000FF0000FF0000ULL;  // bytes 2 and 5
  const std::uint64_t x = ((Load(p) & ~kSeparators) | ('0' * kBytes & kSeparators)) - '0' * kBytes;
  if (((x + 0x76 * kBytes) | x) & 0x80 * kBytes) return false;
  const std::uint64_t pairs = x * 10 + (x >> 8);  // byte i: 10 times digit i plus digit i + 1
  first = static_cast<int>(pairs & 0xFF);
  second = static_cast<int>(pairs >> 24 & 0xFF);
  third = static_cast<int>(pairs >> 48 & 0xFF);
  return true;
}

// The date of the ten bytes at p, "dd/mm/yyyy"; a field with a byte that is not a digit is 0.
void ReadDate(const char* p, DateTime& t) {
  int century = 0;
  if (kWordReads && ThreePairs(p, t.day, t.month, century) && Digit(p[8]) < 10 &&
      Digit(p[9]) < 10) {
    t.year = century * 100 + TwoDigits(p + 8);
  } else {
    t.year = FourDigits(p + 6);
    t.month = TwoDigits(p + 3);
    t.day = TwoDigits(p);
  }
}

// The time of day of the eight bytes at p, "hh:nn:ss", read as ReadDate reads a date.
void ReadTime(const char* p, DateTime& t) {
  if (kWordReads && ThreePairs(p, t.hour, t.minute, t.second)) return;
  t.hour = TwoDigits(p);
  t.minute = TwoDigits(p + 3);
  t.second = TwoDigits(p + 6);
}

// The k digits before end as ToNumber reads them, the 8 bytes before end being readable.
std::uint64_t CountBefore(const char* end, std::size_t k) {
  std::uint64_t low = 0;
  std::uint64_t high = 0;
  if (k == 0) return 0;
  if (k <= 8) return ShortCount(end, k, low) ? low : 0;
  if (k <= 16)
    return ShortCount(end, 8, low) && ShortCount(end - 8, k - 8, high) ? high * 100000000 + low : 0;
  return ToNumber({end - k, k});
}

}  // namespace

std::string FormatRecord(const DateTime& time, std::uint64_t received, std::uint64_t sent) {
  std::string line = "F";
  line += FormatDateTime(time, "dd/mm/yyyy hh:nn:ss");
  line += 'D';
  line += std::to_string(received);
  line += 'U';
  line += std::to_string(sent);
  line += "\r\n";
  return line;
}

ArchiveRecord ParseRecord(std::string_view text) {
  bool hasSentCount = false;
  return ParseRecord(text, hasSentCount);
}

ArchiveRecord ParseRecord(std::string_view text, bool& hasSentCount) {
  ArchiveRecord r;
  if (text.size() >= kDateLength) {
    ReadDate(text.data(), r.time);
    ReadTime(text.data() + kTimeStart, r.time);
  } else {
    r.time = DateTime{Field(text, 7, 4),  Field(text, 4, 2),  Field(text, 1, 2),
                      Field(text, 12, 2), Field(text, 15, 2), Field(text, 18, 2)};
  }
  hasSentCount = ParseCounts(text, r.received, r.sent);
  return r;
}

bool ParseCounts(std::string_view text, std::uint64_t& received, std::uint64_t& sent) {
  received = sent = 0;
  if (text.size() <= kReceivedStart) return false;
  const char* end = text.data() + text.size();
  const char* counts = text.data() + kReceivedStart;
  if (kWordReads && end - counts >= 8) {
    // The usual record: a "U" among the sixteen bytes after the "D", or among the last eight when
    // fewer are left: the first "U" among them is the first after the D all the same.
    const char* second = std::min(counts + 8, end - 8);
    const std::uint64_t u = ZeroBytes(Load(counts) ^ ('U' * kBytes));
    const std::uint64_t v = ZeroBytes(Load(second) ^ ('U' * kBytes));
    if ((u | v) != 0) {
      const char* mark =
          u != 0 ? counts + std::countr_zero(u) / 8 : second + std::countr_zero(v) / 8;
      received = CountBefore(mark, static_cast<std::size_t>(mark - counts));
      sent = CountBefore(end, static_cast<std::size_t>(end - mark - 1));
      return true;
    }
  }
  std::uint64_t digits = 0;
  const char* stop = DigitRun(counts, end, digits);
  if (stop == end) {
    received = digits;
    return false;
  }
  // The received count runs up to the first "U"; anything else in it makes it 0.
  const char* u =
      *stop == 'U'
          ? stop
          : static_cast<const char*>(std::memchr(stop, 'U', static_cast<std::size_t>(end - stop)));
  if (u == stop) received = digits;
  if (u == nullptr) return false;
  sent = WholeCount(u + 1, end);
  return true;
}

bool ParseDatedRecord(std::string_view text, ArchiveRecord& record) {
  return DatedRecordParser().Parse(text, record);
}

bool DatedRecordParser::Parse(std::string_view text, ArchiveRecord& record) {
  if (text.size() < kDateLength) {
    record = ParseRecord(text);
    return false;  // too short for a sent count
  }
  if (!known_ || std::memcmp(text.data(), day_.data(), kDayLength) != 0) {
    std::memcpy(day_.data(), text.data(), kDayLength);
    ReadDate(text.data(), date_);
    validDate_ = IsValidDate(date_.year, date_.month, date_.day);
    known_ = true;
  }
  DateTime& t = record.time;
  t = date_;
  ReadTime(text.data() + kTimeStart, t);
  return ParseCounts(text, record.received, record.sent) && validDate_ &&
         IsValidTime(t.hour, t.minute, t.second);
}

}  // namespace kirv
