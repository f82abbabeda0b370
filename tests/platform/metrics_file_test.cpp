#include "platform/metrics_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fakes/fake_services.h"
#include "support/temp_folder.h"

namespace kirv {
namespace {

namespace fs = std::filesystem;

TEST(MetricsFile, ReplacesTheFileWholeAndSaysAnUnwritableFolderOnceAndOnTheDesktop) {
  const testing::TempFolder folder("kirv-metrics");
  const std::string pattern = folder.Path().string();
  MetricsFile good(pattern);
  ASSERT_TRUE(good.Write("kirv_build_info{version=\"1\"} 1\n"));
  ASSERT_TRUE(good.Write("a 2\n"));
  std::vector<std::string> left;
  for (const auto& e : fs::directory_iterator(pattern)) left.push_back(e.path().filename());
  EXPECT_EQ(left, std::vector<std::string>{MetricsFile::kFileName});  // no temporary file stays
  EXPECT_EQ(testing::ReadWholeFile(pattern + "/" + MetricsFile::kFileName), "a 2\n");

  // A folder under a regular file can never be made or written, whoever runs the test.
  testing::FakeNotifier notifier;
  const MetricsFile::Sink desktop = MetricsProblemSink(&notifier);
  std::vector<std::string> said;
  MetricsFile bad(pattern + "/" + MetricsFile::kFileName + "/sub", [&](std::string_view line) {
    said.emplace_back(line);
    desktop(line);
  });
  EXPECT_FALSE(bad.Write("a 1\n"));
  EXPECT_FALSE(bad.Write("a 1\n"));
  ASSERT_EQ(said.size(), 1u);
  EXPECT_NE(said[0].find("/sub"), std::string::npos);
  ASSERT_EQ(notifier.sent.size(), 1u);
  EXPECT_EQ(notifier.sent[0].body, said[0]);
}

}  // namespace
}  // namespace kirv
