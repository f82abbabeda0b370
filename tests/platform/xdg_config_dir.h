#pragma once

// A fresh directory under /tmp made $XDG_CONFIG_HOME for one test; the variable and the
// directory are put back afterwards.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/temp_folder.h"

namespace kirv::testing {

class XdgConfigHomeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) previous_ = old;
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  }
  void TearDown() override {
    if (previous_) {
      setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
  }

  static void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    WriteWholeFile(path, bytes);
  }
  static std::string ReadFile(const std::filesystem::path& path) { return ReadWholeFile(path); }

 private:
  TempFolder folder_{"kirv-config"};

 protected:
  std::filesystem::path dir_ = folder_.Path();

 private:
  std::optional<std::string> previous_;
};

}  // namespace kirv::testing
