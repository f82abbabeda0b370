#include "app/artwork.h"

#include <gtest/gtest.h>

#include <QColor>

#include "case_name.h"

namespace kirv {
namespace {

bool Holds(const QImage& image, QRgb colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
    }
  }
  return false;
}

struct TrayCase {
  int index;
  bool blueU;
  bool redD;
};

class TrayPictureTest : public ::testing::TestWithParam<TrayCase> {};

TEST_P(TrayPictureTest, IsAGreenGraphWithTheLettersOfItsActivity) {
  const QImage picture = TrayPicture(GetParam().index);
  EXPECT_EQ(picture.size(), QSize(16, 16));
  EXPECT_TRUE(Holds(picture, qRgb(0, 0xA0, 0)));        // the graph
  EXPECT_TRUE(Holds(picture, qRgb(0xC0, 0xC0, 0xC0)));  // the grey ground
  EXPECT_EQ(Holds(picture, qRgb(0, 0, 0xFF)), GetParam().blueU);
  EXPECT_EQ(Holds(picture, qRgb(0xFF, 0, 0)), GetParam().redD);
}

INSTANTIATE_TEST_SUITE_P(
    Activities, TrayPictureTest,
    ::testing::Values(TrayCase{0, false, false}, TrayCase{1, true, false}, TrayCase{2, false, true},
                      TrayCase{3, true, true}),
    [](const ::testing::TestParamInfo<TrayCase>& info) {
      return ::kirv::testing::CaseName({"Picture", std::to_string(info.param.index)});
    });

TEST(TrayPicture, TheLettersStandWhereTheyAreRead) {
  const QImage both = TrayPicture(3);
  EXPECT_EQ(both.pixel(1, 1), qRgb(0, 0, 0xFF));   // top left of the U
  EXPECT_EQ(both.pixel(10, 1), qRgb(0xFF, 0, 0));  // top left of the D
}

TEST(SplashPicture, TheSplashAndAboutPicturesAre286By169AndDiffer) {
  const QImage splash = SplashPicture();
  const QImage about = AboutPicture();
  EXPECT_EQ(splash.size(), QSize(286, 169));
  EXPECT_EQ(about.size(), QSize(286, 169));
  EXPECT_NE(splash, about);
}

}  // namespace
}  // namespace kirv
