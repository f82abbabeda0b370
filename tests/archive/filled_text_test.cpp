#include "archive/filled_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kirv {
namespace {

struct FillCase {
  const char* name;
  const char* text;
  std::string filled;
};

class FilledTextTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(FilledTextTest, PutsEachValueAtItsMarker) {
  EXPECT_EQ(FilledText(GetParam().text, {"eth0", "42"}), GetParam().filled);
}

INSTANTIATE_TEST_SUITE_P(
    Markers, FilledTextTest,
    ::testing::Values(FillCase{"InOrder", "%1 : %2 octets", "eth0 : 42 octets"},
                      FillCase{"Reordered", "%2 bytes on %1", "42 bytes on eth0"},
                      FillCase{"Repeated", "%1/%1", "eth0/eth0"},
                      FillCase{"WithoutValue", "%1 %3", "eth0 %3"},
                      FillCase{"PercentSign", "%1 à 80 %", "eth0 à 80 %"},
                      FillCase{"PercentLast", "100%", "100%"}, FillCase{"Zero", "%0%1", "%0eth0"}),
    [](const ::testing::TestParamInfo<FillCase>& info) { return info.param.name; });

TEST(FilledText, LeavesTheMarkersThatAValueHolds) {
  EXPECT_EQ(FilledText("%1 (%2)", {"%2", "x"}), "%2 (x)");
}

}  // namespace
}  // namespace kirv
