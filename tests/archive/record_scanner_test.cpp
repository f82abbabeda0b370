#include "archive/record_scanner.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "temp_directory.h"

namespace kirv {
namespace {

using Records = std::vector<std::string>;

Records ScanAll(const std::string& path, std::size_t blockSize, std::uint64_t* skipped = nullptr) {
  RecordScanner scanner(path, blockSize);
  Records records;
  std::string_view record;
  while (scanner.Next(record)) records.emplace_back(record);
  EXPECT_FALSE(scanner.Next(record));  // stays at the start once passed
  if (skipped) *skipped = scanner.SkippedLines();
  return records;
}

struct FramingCase {
  const char* what;
  std::string bytes;
  Records newestFirst;
  std::uint64_t skipped = 0;  // lines that held something but gave no record
};

const std::string kA = "07/12/2026 03:10:00D1843200U204800";
const std::string kB = "07/12/2026 03:15:00D5U6";
const std::string kC = "07/12/2026 03:20:00D2147483647U2147483647";

std::vector<FramingCase> FramingCases() {
  return {
      {"empty file", "", {}},
      {"one record at byte 0", "F" + kA + "\r\n", {kA}},
      {"three records", "F" + kA + "\r\nF" + kB + "\r\nF" + kC + "\r\n", {kC, kB, kA}},
      {"torn last line without CR LF", "F" + kA + "\r\nF" + kB, {kA}, 1},
      {"torn last line ending in CR", "F" + kA + "\r\nF" + kB + "\r", {kA}, 1},
      {"only a torn line", "F" + kA, {}, 1},
      {"lone LF line ends", "F" + kA + "\nF" + kB + "\n", {kB, kA}},
      {"mixed line ends", "F" + kA + "\nF" + kB + "\r\n", {kB, kA}},
      {"a line without F",
       "F" + kA + "\r\n07/12/2026 03:15:00D5U6\r\nF" + kC + "\r\n",
       {kC, kA},
       1},
      {"empty lines", "\r\n\r\nF" + kA + "\r\n\r\n\n\nF" + kB + "\r\n\r\n", {kB, kA}},
      {"only line ends", "\r\n\n\r\n\r", {}},
      {"a torn record glued to the next", "F07/12/2026 03:1F" + kB + "\r\n", {kB}},
      {"an F alone", "F\r\nF" + kA + "\r\n", {kA, ""}},
      {"binary junk between records",
       "F" + kA + "\r\n" + std::string("\0\xff\x01\x80junk\0", 10) + "\r\nF" + kB + "\r\n",
       {kB, kA},
       1},
      {"junk with an F in it",
       std::string("\0\x7f", 2) + "Fx\xfe\r\nF" + kA + "\r\n",
       {kA, "x\xfe"}},
      {"a line too long for a record",
       "F" + std::string(300, '7') + "\r\nF" + kA + "\r\n",
       {kA},
       1},
      {"a record of the longest length",
       "F" + std::string(RecordScanner::kMaxRecordLength, '7') + "\r\n",
       {std::string(RecordScanner::kMaxRecordLength, '7')}},
      {"a long junk run without line ends before a record",
       std::string(5000, 'x') + "\r\nF" + kA + "\r\n",
       {kA},
       1},
      {"a long run of CRs is a blank line", std::string(600, '\r') + "\nF" + kA + "\r\n", {kA}},
      {"a too long line after its F and a torn line",
       "F" + kA + "\r\n" + std::string(2, '\r') + "F" + std::string(400, 'x') + "\r\nF" + kB +
           "\r\nx",
       {kB, kA},
       2},
  };
}

// Every framing case is read the same whatever the block size, down to one byte per block, so a
// record split across blocks is never lost or changed.
class RecordScannerFile : public kirv::testing::TempDirectoryTest {};

TEST_F(RecordScannerFile, FramesRecordsTheSameAcrossBlockBoundaries) {
  for (std::size_t blockSize :
       {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, std::size_t{16},
        std::size_t{37}, std::size_t{64}, RecordScanner::kDefaultBlockSize}) {
    for (const FramingCase& c : FramingCases()) {
      WriteFile("a.mdf", c.bytes);
      std::uint64_t skipped = 0;
      EXPECT_EQ(ScanAll("a.mdf", blockSize, &skipped), c.newestFirst)
          << c.what << ", block size " << blockSize;
      EXPECT_EQ(skipped, c.skipped) << c.what << ", block size " << blockSize;
    }
  }
}

std::string ManyRecords(int count, Records& newestFirst) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    const std::string text = "01/01/2026 00:00:00D" + std::to_string(i + 1) + "U" +
                             std::to_string(1000000007LL * (i + 1) % 2147483647);
    bytes += "F" + text + "\r\n";
    newestFirst.insert(newestFirst.begin(), text);
  }
  return bytes;
}

// Cut into parts that are read one by one, newest part first, any file gives what one scanner
// gives: the same records in the same order and the same count of skipped lines.
TEST_F(RecordScannerFile, PartsReadTogetherGiveWhatTheWholeFileGives) {
  Records many;
  std::vector<FramingCase> cases = FramingCases();
  cases.push_back({"many records", ManyRecords(300, many), many});
  for (const FramingCase& c : cases) {
    for (std::size_t blockSize : {std::size_t{7}, RecordScanner::kDefaultBlockSize}) {
      for (std::size_t parts : {2, 3, 4, 9}) {
        WriteFile("a.mdf", c.bytes);
        const RecordScanner whole("a.mdf", blockSize);
        const std::vector<std::uint64_t> ends = whole.PartEnds(parts, 1);
        const std::string what = std::string(c.what) + ", block size " + std::to_string(blockSize) +
                                 ", " + std::to_string(parts) + " parts";
        ASSERT_FALSE(ends.empty()) << what;
        ASSERT_LE(ends.size(), parts) << what;
        EXPECT_EQ(ends.back(), c.bytes.size()) << what;
        Records records;
        std::uint64_t skipped = 0;
        for (std::size_t i = ends.size(); i-- > 0;) {
          const std::uint64_t begin = i == 0 ? 0 : ends[i - 1];
          if (i > 0) {
            EXPECT_EQ(c.bytes[begin - 1], '\n') << what << ": a cut after no LF";
          }
          RecordScanner part(whole, begin, ends[i]);
          std::string_view record;
          while (part.Next(record)) records.emplace_back(record);
          skipped += part.SkippedLines();
        }
        EXPECT_EQ(records, c.newestFirst) << what;
        EXPECT_EQ(skipped, c.skipped) << what;
      }
    }
  }
}

TEST_F(RecordScannerFile, CutsOnlyFilesLargeEnoughAndOnlyAtLineEnds) {
  Records unused;
  WriteFile("a.mdf", ManyRecords(1000, unused));  // 1000 lines of 28 to 40 bytes
  const RecordScanner whole("a.mdf");
  EXPECT_EQ(whole.PartEnds(4, 1 << 20).size(), 1U) << "a file smaller than one part";
  EXPECT_EQ(whole.PartEnds(4, 10000).size(), 3U) << "three parts of 10000 bytes fit";
  EXPECT_EQ(whole.PartEnds(4, 1).size(), 4U);
  WriteFile("b.mdf", std::string(300000, 'x') + "\r\n");  // one line: no cut inside it
  EXPECT_EQ(RecordScanner("b.mdf").PartEnds(4, 1), (std::vector<std::uint64_t>{300002}));
  EXPECT_TRUE(RecordScanner("missing.mdf").PartEnds(4, 1).empty());
}

TEST_F(RecordScannerFile, ReadsFilesOfOneAndOfManyBlocks) {
  struct SizeCase {
    int records;
    std::size_t blockSize;
  };
  for (SizeCase c : {SizeCase{1, 64}, SizeCase{2, 64}, SizeCase{3, 1024}, SizeCase{1000, 64},
                     SizeCase{1000, 1000}, SizeCase{5000, RecordScanner::kDefaultBlockSize}}) {
    Records expected;
    WriteFile("a.mdf", ManyRecords(c.records, expected));
    EXPECT_EQ(ScanAll("a.mdf", c.blockSize), expected)
        << c.records << " records, block size " << c.blockSize;
  }
}

TEST_F(RecordScannerFile, SeesARecordSplitExactlyAtABlockBoundary) {
  // Blocks are cut from the end: with 10-byte blocks the 20-byte tail is two whole blocks, so the
  // older record's CR LF and text fall on both sides of a cut.
  const std::string older = "F01/01/2026 00:00:00D1U2\r\n";
  WriteFile("a.mdf", older + "F3U4" + std::string(14, 'x') + "\r\n");
  EXPECT_EQ(ScanAll("a.mdf", 10),
            (Records{"3U4" + std::string(14, 'x'), "01/01/2026 00:00:00D1U2"}));
}

TEST_F(RecordScannerFile, TakesTheSizeOnceAtOpening) {
  WriteFile("a.mdf", "F" + kA + "\r\n");
  RecordScanner scanner("a.mdf");
  std::ofstream("a.mdf", std::ios::binary | std::ios::app) << "F" << kB << "\r\n";
  EXPECT_EQ(scanner.FileSize(), kA.size() + 3);
  std::string_view record;
  ASSERT_TRUE(scanner.Next(record));
  EXPECT_EQ(record, kA);
  EXPECT_FALSE(scanner.Next(record));
}

TEST_F(RecordScannerFile, LetsTheCallerStopEarly) {
  Records expected;
  WriteFile("a.mdf", ManyRecords(100, expected));
  RecordScanner scanner("a.mdf", 64);
  std::string_view record;
  ASSERT_TRUE(scanner.Next(record));
  EXPECT_EQ(record, expected[0]);
  ASSERT_TRUE(scanner.Next(record));
  EXPECT_EQ(record, expected[1]);
}

TEST_F(RecordScannerFile, ReadsAMissingFileAsEmpty) {
  RecordScanner scanner("missing.mdf");
  EXPECT_FALSE(scanner.IsOpen());
  EXPECT_EQ(scanner.FileSize(), 0u);
  std::string_view record;
  EXPECT_FALSE(scanner.Next(record));
}

TEST_F(RecordScannerFile, ReadsAnEmptyFileAsOpenAndEmpty) {
  WriteFile("a.mdf", "");
  RecordScanner scanner("a.mdf");
  EXPECT_TRUE(scanner.IsOpen());
  EXPECT_EQ(scanner.FileSize(), 0u);
  std::string_view record;
  EXPECT_FALSE(scanner.Next(record));
}

TEST_F(RecordScannerFile, RefusesADirectoryAndANamedPipe) {
  ASSERT_EQ(mkdir("dir.mdf", 0700), 0);
  ASSERT_EQ(mkfifo("pipe.mdf", 0600), 0);
  for (const char* path : {"dir.mdf", "pipe.mdf"}) {
    RecordScanner scanner(path);
    EXPECT_FALSE(scanner.IsOpen()) << path;
    std::string_view record;
    EXPECT_FALSE(scanner.Next(record)) << path;
  }
}

}  // namespace
}  // namespace kirv
