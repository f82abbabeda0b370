#include "common/colour.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace kirv {
namespace {

struct ColourCase {
  const char* text;
  Colour value;
};

class ColourFromTextTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourFromTextTest, ReadsHexInBlueGreenRedOrder) {
  EXPECT_EQ(ColourFromText(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ColourFromTextTest,
                         ::testing::Values(ColourCase{"FF0000", 0xFF0000},
                                           ColourCase{"00CC00", 0x00CC00},
                                           ColourCase{"01e5dd", 0x01E5DD}, ColourCase{"", kBlack},
                                           ColourCase{"GG0000", kBlack}, ColourCase{"0x12", kBlack},
                                           ColourCase{" FF", kBlack}, ColourCase{"-1", kBlack},
                                           ColourCase{"1FFFFFFFF", kBlack},
                                           ColourCase{"FFFFFFFF", 0xFFFFFFFF}),
                         [](const ::testing::TestParamInfo<ColourCase>& info) {
                           return ::kirv::testing::CaseName({"Text", info.param.text});
                         });

TEST(Colour, FFZeroZeroIsBlue) {
  const Colour c = ColourFromText("FF0000");
  EXPECT_EQ(BlueOf(c), 0xFF);
  EXPECT_EQ(RedOf(c), 0);
  EXPECT_EQ(GreenOf(c), 0);
}

TEST(Colour, WritesAtLeastSixUpperCaseDigits) {
  EXPECT_EQ(ColourToText(0x1E5DD), "01E5DD");
  EXPECT_EQ(ColourToText(0), "000000");
  EXPECT_EQ(ColourToText(0x1FF0000), "1FF0000");
  EXPECT_EQ(ColourToText(MakeColour(0x33, 0xFF, 0x33)), "33FF33");
}

}  // namespace
}  // namespace kirv
