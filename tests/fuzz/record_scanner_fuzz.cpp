// The backward record scanner over any file and any block size hands out the records of a plain
// forward reading of the same framing, newest first: lines end at LF with a CR before it dropped,
// the record is the text after the line's last "F", records longer than the limit and a last line
// without its LF are skipped.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "archive/record_scanner.h"
#include "fuzz_input.h"

KIRV_FUZZ_HARNESS_BEGIN

namespace {

std::vector<std::string> ForwardRecords(std::string_view file) {
  std::vector<std::string> records;
  for (std::size_t lf = file.find('\n'); lf != std::string_view::npos; lf = file.find('\n')) {
    std::string_view line = file.substr(0, lf);
    file.remove_prefix(lf + 1);
    const std::size_t f = line.rfind('F');
    if (f == std::string_view::npos) continue;
    std::string_view record = line.substr(f + 1);
    if (!record.empty() && record.back() == '\r') record.remove_suffix(1);
    if (record.size() <= kirv::RecordScanner::kMaxRecordLength) records.emplace_back(record);
  }
  std::reverse(records.begin(), records.end());
  return records;
}

std::string Shown(const std::vector<std::string>& records) {
  std::string s;
  for (const std::string& r : records) s += "[" + r + "]\n";
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kirv::fuzz::MemoryFile file;
  kirv::fuzz::FuzzInput in(data, size);
  const std::size_t blockSize = in.Take<std::uint16_t>();
  const std::string_view content = in.Rest();
  const std::string& path = file.Write(content);

  kirv::RecordScanner scanner(path, blockSize);
  KIRV_FUZZ_CHECK(scanner.IsOpen() && scanner.FileSize() == content.size(), path);
  std::vector<std::string> backward;
  std::string_view record;
  while (scanner.Next(record)) {
    KIRV_FUZZ_CHECK(record.size() <= kirv::RecordScanner::kMaxRecordLength, std::string(record));
    backward.emplace_back(record);
  }
  const std::vector<std::string> forward = ForwardRecords(content);
  KIRV_FUZZ_CHECK(backward == forward, "block size " + std::to_string(blockSize) + "\nbackward:\n" +
                                           Shown(backward) + "forward:\n" + Shown(forward));
  return 0;
}

KIRV_FUZZ_HARNESS_END
