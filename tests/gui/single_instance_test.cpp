#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QDir>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/temp_folder.h"

namespace kirv {
namespace {

class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_ / "config/KIRV");
    std::filesystem::create_directories(dir_ / "run");
    std::filesystem::create_directory_symlink(dir_ / "config", dir_ / "link");
    if (const char* old = std::getenv("XDG_RUNTIME_DIR")) previous_ = old;
  }
  void TearDown() override {
    if (previous_) {
      setenv("XDG_RUNTIME_DIR", previous_->c_str(), 1);
    } else {
      unsetenv("XDG_RUNTIME_DIR");
    }
  }
  QString Path(const std::string& relative) const {
    return QString::fromStdString((dir_ / relative).string());
  }
  QString BaseOf(const std::string& configFolder) const {
    return SingleInstance(Path(configFolder), Path("run")).BasePath();
  }

  testing::TempFolder folder_{"kirv-one"};
  std::filesystem::path dir_ = folder_.Path();
  std::optional<std::string> previous_;
};

TEST_F(SingleInstanceTest, EverySpellingOfOneConfigurationFolderGivesOneLock) {
  const QString base = BaseOf("config/KIRV");
  EXPECT_TRUE(base.startsWith(Path("run") + QStringLiteral("/kirv-")));
  EXPECT_EQ(base.size(), Path("run").size() + 6 + 16);
  for (const char* spelling : {"config/KIRV/", "config/../config/KIRV", "link/KIRV"}) {
    EXPECT_EQ(BaseOf(spelling), base) << spelling;
  }
}

TEST_F(SingleInstanceTest, AnotherConfigurationFolderGivesAnotherLock) {
  std::filesystem::create_directories(dir_ / "other/KIRV");
  EXPECT_NE(BaseOf("other/KIRV"), BaseOf("config/KIRV"));
  EXPECT_NE(BaseOf("not/made/yet"), BaseOf("config/KIRV"));
}

struct RuntimeCase {
  const char* name;
  std::optional<std::string> value;  // "{dir}" stands for the test's folder
  const char* expected;              // below the test's folder
};

class RuntimeFolderTest : public SingleInstanceTest,
                          public ::testing::WithParamInterface<RuntimeCase> {};

TEST_P(RuntimeFolderTest, IsXdgRuntimeDirWhenUsableElseTheConfigurationFolder) {
  if (GetParam().value) {
    std::string value = *GetParam().value;
    if (value.starts_with("{dir}")) value.replace(0, 5, dir_.string());
    setenv("XDG_RUNTIME_DIR", value.c_str(), 1);
  } else {
    unsetenv("XDG_RUNTIME_DIR");
  }
  EXPECT_EQ(SingleInstance::RuntimeFolder(Path("config/KIRV")), Path(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Environment, RuntimeFolderTest,
                         ::testing::Values(RuntimeCase{"Set", "{dir}/run", "run"},
                                           RuntimeCase{"Unset", std::nullopt, "config/KIRV"},
                                           RuntimeCase{"Empty", "", "config/KIRV"},
                                           RuntimeCase{"Relative", "run", "config/KIRV"},
                                           RuntimeCase{"Missing", "{dir}/gone", "config/KIRV"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kirv
