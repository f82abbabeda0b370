#include "app/artwork.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QCryptographicHash>
#include <QIcon>
#include <QSet>

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

// At every side the icon offers, drawn at that side in the picture's own colours alone.
TEST_P(TrayPictureTest, IsAGreenGraphWithTheLettersOfItsActivityAtEverySide) {
  const QIcon icon = TrayIcon(GetParam().index);
  QList<QSize> sides;
  for (int side : kTrayIconSides) sides << QSize(side, side);
  EXPECT_EQ(icon.availableSizes(), sides);
  const QSet<QRgb> palette = {qRgb(0xC0, 0xC0, 0xC0), qRgb(0x8C, 0x8C, 0x8C), qRgb(0, 0xA0, 0),
                              qRgb(0, 0, 0xFF), qRgb(0xFF, 0, 0)};
  for (int side : kTrayIconSides) {
    const QImage picture = icon.pixmap(QSize(side, side)).toImage();
    ASSERT_EQ(picture.size(), QSize(side, side));
    EXPECT_TRUE(Holds(picture, qRgb(0, 0xA0, 0))) << side;        // the graph
    EXPECT_TRUE(Holds(picture, qRgb(0xC0, 0xC0, 0xC0))) << side;  // the grey ground
    EXPECT_EQ(Holds(picture, qRgb(0, 0, 0xFF)), GetParam().blueU) << side;
    EXPECT_EQ(Holds(picture, qRgb(0xFF, 0, 0)), GetParam().redD) << side;
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        ASSERT_TRUE(palette.contains(picture.pixel(x, y))) << side << " at " << x << "," << y;
      }
    }
  }
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

// Of the 16 pixel pictures drawn before the larger sizes came.
constexpr const char* kSixteenDigests[] = {
    "58081796876c6b9d9e176fe9b11fa3e91c7ebb70", "296ca4125afe7be6b757be71317cc54774f04872",
    "6d4f6216495a5b1bdbf5615682529f85a2377bb6", "13617efc95a50440a8d2ce0b707fc39d3e3856bd"};

TEST(TrayPicture, TheSixteenPixelPicturesKeepTheirBytes) {
  for (int index = 0; index < 4; ++index) {
    const QImage picture = TrayPicture(index);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < picture.height(); ++y) {
      hash.addData(QByteArrayView(picture.constScanLine(y), picture.width() * 4));
    }
    EXPECT_EQ(hash.result().toHex().toStdString(), kSixteenDigests[index]) << "picture " << index;
  }
}

TEST(SplashPicture, TheSplashAndAboutPicturesAre286By169AndDiffer) {
  const QImage splash = SplashPicture();
  const QImage about = AboutPicture();
  EXPECT_EQ(splash.size(), QSize(286, 169));
  EXPECT_EQ(about.size(), QSize(286, 169));
  EXPECT_NE(splash, about);
}

// The plan's mark fills the bottom right quarter-side square and nothing else; the letter D and the
// graph beside it stay.
TEST(TrayPicture, APlanLevelMarksTheBottomRightCornerAtEverySide) {
  const struct {
    PlanLevel level;
    QRgb mark;
  } cases[] = {{PlanLevel::kWarning, qRgb(0xFF, 0x8C, 0)}, {PlanLevel::kReached, qRgb(0xFF, 0, 0)}};
  for (const auto& c : cases) {
    const QIcon marked = TrayIcon(2, c.level);
    for (int side : kTrayIconSides) {
      const QImage picture = marked.pixmap(QSize(side, side)).toImage();
      const QImage plain = TrayPicture(2, side);
      const int edge = (24 * side + 16) / 32;
      for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
          const bool inMark = x >= edge && y >= edge;
          ASSERT_EQ(picture.pixel(x, y), inMark ? c.mark : plain.pixel(x, y))
              << side << " at " << x << "," << y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kirv
