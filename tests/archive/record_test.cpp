#include "archive/record.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "case_name.h"

namespace kirv {
namespace {

struct FormatCase {
  DateTime time;
  std::uint64_t received;
  std::uint64_t sent;
  std::string line;
};

class RecordFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(RecordFormatTest, WritesTheLineByteForByte) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatRecord(c.time, c.received, c.sent), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordFormatTest,
    ::testing::Values(FormatCase{{2026, 12, 7, 3, 10, 0},
                                 1843200,
                                 204800,
                                 "F07/12/2026 03:10:00D1843200U204800\r\n"},
                      // the first second after midnight keeps its zero time of day
                      FormatCase{{2026, 1, 1, 0, 0, 1}, 1, 1, "F01/01/2026 00:00:01D1U1\r\n"},
                      FormatCase{{2026, 1, 1, 0, 0, 0}, 5, 7, "F01/01/2026 00:00:00D5U7\r\n"},
                      FormatCase{{2026, 6, 30, 23, 59, 59},
                                 2147483647,
                                 2147483647,
                                 "F30/06/2026 23:59:59D2147483647U2147483647\r\n"},
                      // growth beyond 32 bits is written in full
                      FormatCase{{2026, 6, 30, 23, 59, 59},
                                 2147483648,
                                 10000000000,
                                 "F30/06/2026 23:59:59D2147483648U10000000000\r\n"},
                      FormatCase{{2026, 6, 30, 23, 59, 59},
                                 9223372036854775807ULL,
                                 1,
                                 "F30/06/2026 23:59:59D9223372036854775807U1\r\n"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) {
      return ::kirv::testing::CaseName({info.param.line});
    });

TEST(ArchiveRecord, LinesOfThe32BitRangeAre26To44BytesLong) {
  EXPECT_EQ(FormatRecord({2026, 1, 1, 0, 0, 0}, 1, 1).size(), 26u);
  EXPECT_EQ(FormatRecord({2026, 1, 1, 0, 0, 0}, 2147483647, 2147483647).size(), 44u);
  EXPECT_EQ(FormatRecord({2026, 12, 7, 3, 10, 0}, 1843200, 204800).size(), 37u);
}

TEST(ArchiveRecord, IgnoresTheMillisecondsOfTheClock) {
  EXPECT_EQ(FormatRecord({2026, 3, 4, 5, 6, 7, 999}, 1, 2), "F04/03/2026 05:06:07D1U2\r\n");
}

struct ParseCase {
  const char* what;
  std::string text;
  DateTime time;
  std::uint64_t received;
  std::uint64_t sent;
};

// "a count of 10 bytes" becomes "ACountOf10Bytes".
std::string TestName(const std::string& what) {
  std::string name;
  bool upper = true;
  for (char c : what) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
      upper = false;
    } else {
      upper = true;
    }
  }
  return name;
}

class RecordParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(RecordParseTest, ReadsTheFieldsAtTheirPositions) {
  const ParseCase& c = GetParam();
  const ArchiveRecord r = ParseRecord(c.text);
  EXPECT_EQ(r.time, c.time) << c.what;
  EXPECT_EQ(r.received, c.received) << c.what;
  EXPECT_EQ(r.sent, c.sent) << c.what;
}

// After a record of the same ten date bytes, whose date it keeps, and after one of another date.
TEST_P(RecordParseTest, ReadsTheSameAfterARecordOfItsDateOrOfAnother) {
  const ParseCase& c = GetParam();
  const bool dated = c.text.find('U', 20) != std::string::npos &&
                     IsValidDate(c.time.year, c.time.month, c.time.day) &&
                     IsValidTime(c.time.hour, c.time.minute, c.time.second);
  for (const std::string& before :
       {c.text.substr(0, 10) + " 23:59:59D7U7", std::string("01/01/1999 00:00:00D7U7")}) {
    DatedRecordParser parser;
    ArchiveRecord r;
    parser.Parse(before, r);
    EXPECT_EQ(parser.Parse(c.text, r), dated) << before;
    EXPECT_EQ(r.time, c.time) << before;
    EXPECT_EQ(r.received, c.received) << before;
    EXPECT_EQ(r.sent, c.sent) << before;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RecordParseTest,
    ::testing::Values(
        ParseCase{"the example",
                  "07/12/2026 03:10:00D1843200U204800",
                  {2026, 12, 7, 3, 10, 0},
                  1843200,
                  204800},
        ParseCase{
            "first second after midnight", "01/01/2026 00:00:01D1U1", {2026, 1, 1, 0, 0, 1}, 1, 1},
        ParseCase{"ten-digit counts",
                  "30/06/2026 23:59:59D2147483647U2147483647",
                  {2026, 6, 30, 23, 59, 59},
                  2147483647,
                  2147483647},
        ParseCase{"counts beyond 32 bits",
                  "30/06/2026 23:59:59D2147483648U10000000000",
                  {2026, 6, 30, 23, 59, 59},
                  2147483648,
                  10000000000},
        ParseCase{"nineteen-digit counts",
                  "30/06/2026 23:59:59D1234567890123456789U999999999999999999",
                  {2026, 6, 30, 23, 59, 59},
                  1234567890123456789ULL,
                  999999999999999999ULL},
        ParseCase{"the largest count 9223372036854775807",
                  "30/06/2026 23:59:59D9223372036854775807U9223372036854775807",
                  {2026, 6, 30, 23, 59, 59},
                  9223372036854775807ULL,
                  9223372036854775807ULL},
        ParseCase{"a count of 9223372036854775808 is not a number",
                  "30/06/2026 23:59:59D9223372036854775808U9223372036854775806",
                  {2026, 6, 30, 23, 59, 59},
                  0,
                  9223372036854775806ULL},
        ParseCase{"counts below 2 to the 64 are not numbers either",
                  "30/06/2026 23:59:59D9999999999999999999U18446744073709551615",
                  {2026, 6, 30, 23, 59, 59},
                  0,
                  0},
        ParseCase{"counts past 64 bits are not numbers",
                  "30/06/2026 23:59:59D18446744073709551616U92233720368547758070",
                  {2026, 6, 30, 23, 59, 59},
                  0,
                  0},
        ParseCase{"leading zeros before the largest count",
                  "30/06/2026 23:59:59D0009223372036854775807U00",
                  {2026, 6, 30, 23, 59, 59},
                  9223372036854775807ULL,
                  0},
        ParseCase{"one-digit received",
                  "01/02/2026 10:00:00D7U123456",
                  {2026, 2, 1, 10, 0, 0},
                  7,
                  123456},
        ParseCase{"two-digit received", "01/02/2026 10:00:00D42U9", {2026, 2, 1, 10, 0, 0}, 42, 9},
        ParseCase{"three-digit received",
                  "01/02/2026 10:00:00D999U1000000",
                  {2026, 2, 1, 10, 0, 0},
                  999,
                  1000000},
        ParseCase{"no U: all received, nothing sent",
                  "01/02/2026 10:00:00D12345",
                  {2026, 2, 1, 10, 0, 0},
                  12345,
                  0},
        ParseCase{"a U right after the D", "01/02/2026 10:00:00DU5", {2026, 2, 1, 10, 0, 0}, 0, 5},
        ParseCase{"a second U belongs to the sent count",
                  "01/02/2026 10:00:00D1U2U3",
                  {2026, 2, 1, 10, 0, 0},
                  1,
                  0},
        ParseCase{"letters inside the counts",
                  "01/02/2026 10:00:00D12a4U5x",
                  {2026, 2, 1, 10, 0, 0},
                  0,
                  0},
        ParseCase{"a sign is not part of a count",
                  "01/02/2026 10:00:00D-5U+6",
                  {2026, 2, 1, 10, 0, 0},
                  0,
                  0},
        ParseCase{"letters in the date", "ab/02/2026 1x:00:00D1U2", {2026, 2, 0, 0, 0, 0}, 1, 2},
        ParseCase{"a line cut in the year", "01/02/20", {20, 2, 1, 0, 0, 0}, 0, 0},
        ParseCase{"a line cut after the D", "01/02/2026 10:00:00D", {2026, 2, 1, 10, 0, 0}, 0, 0},
        ParseCase{"eight-digit counts",
                  "01/02/2026 10:00:00D12345678U87654321",
                  {2026, 2, 1, 10, 0, 0},
                  12345678,
                  87654321},
        ParseCase{"nine and sixteen digits",
                  "01/02/2026 10:00:00D123456789U1234567890123456",
                  {2026, 2, 1, 10, 0, 0},
                  123456789,
                  1234567890123456ULL},
        ParseCase{"a U after seventeen digits",
                  "01/02/2026 10:00:00D12345678901234567U00000000000000000042",
                  {2026, 2, 1, 10, 0, 0},
                  12345678901234567ULL,
                  42},
        ParseCase{"a space in a short count",
                  "01/02/2026 10:00:00D12 4U5 ",
                  {2026, 2, 1, 10, 0, 0},
                  0,
                  0},
        ParseCase{"a colon, just above 9, in each count",
                  "01/02/2026 10:00:00D1:U:1",
                  {2026, 2, 1, 10, 0, 0},
                  0,
                  0},
        ParseCase{"a slash, just below 0, before a good digit",
                  "01/02/2026 10:00:00D/9U9/0000009",
                  {2026, 2, 1, 10, 0, 0},
                  0,
                  0},
        ParseCase{"a bad digit in the upper half of a long count",
                  "01/02/2026 10:00:00D1x345678901U123456789x12345678",
                  {2026, 2, 1, 10, 0, 0},
                  0,
                  0},
        ParseCase{"a U late in a long received count",
                  "01/02/2026 10:00:00D0000000000000000000007U8",
                  {2026, 2, 1, 10, 0, 0},
                  7,
                  8},
        ParseCase{"every date field with a bad digit",
                  "0:/1//2 26 x1:2;:5aD1U2",
                  {0, 0, 0, 0, 0, 0},
                  1,
                  2},
        ParseCase{"a year of 0000", "31/12/0000 00:00:00D1U2", {0, 12, 31, 0, 0, 0}, 1, 2},
        ParseCase{"a text of exactly the timestamp",
                  "28/02/2026 13:14:15",
                  {2026, 2, 28, 13, 14, 15},
                  0,
                  0},
        ParseCase{
            "a text cut in the seconds", "28/02/2026 13:14:1", {2026, 2, 28, 13, 14, 1}, 0, 0},
        ParseCase{"an empty text", "", {0, 0, 0, 0, 0, 0}, 0, 0},
        ParseCase{"binary junk", std::string("\0\xff\x80U\r", 5), {0, 0, 0, 0, 0, 0}, 0, 0}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return TestName(info.param.what); });

TEST_P(RecordParseTest, SaysWhetherASentCountIsMarked) {
  const ParseCase& c = GetParam();
  bool hasSentCount = true;
  const ArchiveRecord r = ParseRecord(c.text, hasSentCount);
  EXPECT_EQ(hasSentCount, c.text.find('U', 20) != std::string::npos) << c.what;
  EXPECT_EQ(r.received, c.received) << c.what;
  EXPECT_EQ(r.sent, c.sent) << c.what;
}

// A count text read the plain way, one character at a time: what the parser must give.
std::uint64_t PlainCount(const std::string& text) {
  if (text.empty()) return 0;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (kLargestCount - digit) / 10) return 0;
    value = value * 10 + digit;
  }
  return value;
}

// Every count of 0 to 21 characters, all digits or with one bad byte at each place, on both sides
// of the "U", against the plain reading: the word-at-a-time reading must agree at every length.
TEST(ArchiveRecord, ReadsCountsOfEveryLengthLikeThePlainReading) {
  const std::string digits = "9081726354453627189012";
  for (const char bad : {'/', ':', ' ', 'x', 'U', '\0', '\xff'}) {
    for (std::size_t length = 0; length <= 21; ++length) {
      for (std::size_t at = 0; at <= length; ++at) {  // at == length: no bad byte
        std::string count = digits.substr(0, length);
        if (at < length) count[at] = bad;
        for (const std::string& other : {std::string(), std::string("42"), digits.substr(0, 9)}) {
          const std::string asReceived = "01/02/2026 10:00:00D" + count + "U" + other;
          const std::string asSent = "01/02/2026 10:00:00D" + other + "U" + count;
          const std::size_t u = count.find('U');
          const ArchiveRecord r = ParseRecord(asReceived);
          EXPECT_EQ(r.received, PlainCount(count.substr(0, u))) << asReceived;
          EXPECT_EQ(r.sent,
                    PlainCount(u == std::string::npos ? other : count.substr(u + 1) + "U" + other))
              << asReceived;
          const ArchiveRecord s = ParseRecord(asSent);
          EXPECT_EQ(s.received, PlainCount(other)) << asSent;
          EXPECT_EQ(s.sent, PlainCount(count)) << asSent;
        }
      }
    }
  }
}

// Each date field read the plain way: the digits at its place, 0 when one of them is not a digit.
int PlainField(const std::string& text, std::size_t from, std::size_t length) {
  if (from >= text.size()) return 0;
  return static_cast<int>(PlainCount(text.substr(from, length)));
}

// A bad byte at every place of the timestamp, in full texts and in texts cut at every length: only
// the field holding it reads 0, as the plain reading says.
TEST(ArchiveRecord, ReadsEveryDateFieldLikeThePlainReading) {
  const std::string good = "28/02/2026 13:14:15D1U2";
  for (const char bad : {'/', ':', ' ', 'a', '\0', '\xff'}) {
    for (std::size_t at = 0; at <= 19; ++at) {  // at == 19: the D, outside every field
      for (std::size_t length = 0; length <= good.size(); ++length) {
        std::string text = good;
        text[at] = bad;
        text.resize(length);
        const DateTime expected{PlainField(text, 6, 4),  PlainField(text, 3, 2),
                                PlainField(text, 0, 2),  PlainField(text, 11, 2),
                                PlainField(text, 14, 2), PlainField(text, 17, 2)};
        EXPECT_EQ(ParseRecord(text).time, expected) << text;
      }
    }
  }
}

TEST(ArchiveRecord, SentCountRunsToTheEndOfTheLine) {
  EXPECT_EQ(ParseRecord("01/02/2026 10:00:00D1U123456789012").sent, 123456789012u);
}

TEST(ArchiveRecord, SearchesTheUFromPosition21On) {
  // A "U" in the timestamp part is not the marker of the sent count.
  const ArchiveRecord r = ParseRecord("01/02/2026 10:00:0UD15U16");
  EXPECT_EQ(r.received, 15u);
  EXPECT_EQ(r.sent, 16u);
}

TEST(ArchiveRecord, ReadsBackWhatItWrites) {
  for (std::uint64_t count :
       {1ULL, 999ULL, 2147483647ULL, 2147483648ULL, 4294967296ULL, 1000000000000000000ULL}) {
    const DateTime time{2024, 2, 29, 23, 55, 0};
    const std::string line = FormatRecord(time, count, count + 1);
    const ArchiveRecord r = ParseRecord(std::string_view(line).substr(1, line.size() - 3));
    EXPECT_EQ(r.time, time);
    EXPECT_EQ(r.received, count);
    EXPECT_EQ(r.sent, count + 1);
  }
}

}  // namespace
}  // namespace kirv
