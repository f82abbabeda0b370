#pragma once

// A fresh directory under /tmp for one test, made the working directory while the test runs (the
// archive files live in the working directory) and removed with its files afterwards.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/record.h"
#include "common/calendar.h"
#include "support/temp_folder.h"

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
    std::filesystem::current_path(dir_);
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  static void WriteFile(const std::string& name, const std::string& bytes) {
    WriteWholeFile(name, bytes);
  }
  // The records, oldest first, as the logger appends them.
  static void WriteArchive(const std::string& name, const std::vector<ArchiveLine>& oldestFirst) {
    std::string bytes;
    for (const ArchiveLine& r : oldestFirst) bytes += FormatRecord(r.time, r.received, r.sent);
    WriteFile(name, bytes);
  }
  static std::string ReadFile(const std::string& name) { return ReadWholeFile(name); }

 private:
  TempFolder folder_{"kirv-archive"};

 protected:
  std::filesystem::path dir_ = folder_.Path();

 private:
  std::filesystem::path previous_;
};

}  // namespace kirv::testing
