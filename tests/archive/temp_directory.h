#pragma once

// A fresh directory under /tmp for one test, made the working directory while the test runs (the
// archive files live in the working directory) and removed with its files afterwards.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "archive/record.h"
#include "common/calendar.h"

namespace kirv::testing {

// One archive record as a test writes it.
struct ArchiveLine {
  DateTime time;
  std::uint64_t received;
  std::uint64_t sent;
};

class TempDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "kirv-archive-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    std::filesystem::current_path(dir_);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  static void WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
  }
  // The records, oldest first, as the logger appends them.
  static void WriteArchive(const std::string& name, const std::vector<ArchiveLine>& oldestFirst) {
    std::string bytes;
    for (const ArchiveLine& r : oldestFirst) bytes += FormatRecord(r.time, r.received, r.sent);
    WriteFile(name, bytes);
  }
  static std::string ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::filesystem::path dir_;

 private:
  std::filesystem::path previous_;
};

}  // namespace kirv::testing
