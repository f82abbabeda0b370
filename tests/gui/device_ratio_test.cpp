// The graphs drawn at a device pixel ratio: at 1 the very bytes they had before ratios counted.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QImage>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "case_name.h"
#include "graph/column_table.h"
#include "graph/graph_axes.h"
#include "graph/graph_renderer.h"
#include "graph/period_table.h"
#include "meter/mini_graph.h"
#include "widgets/qt_canvas.h"

namespace kirv {
namespace {

// A deterministic jagged series, some of it beyond any full scale or negative.
class Noise {
 public:
  std::int32_t Next() {
    seed_ = seed_ * 1664525u + 1013904223u;
    return static_cast<std::int32_t>(seed_ >> 12) % 200000 - 20000;
  }

 private:
  std::uint32_t seed_ = 11;
};

SpeedHistory Jagged() {
  SpeedHistory h;
  Noise noise;
  for (int i = 0; i < SpeedHistory::kSize; ++i) {
    h.Shift();
    h.Newest() = {noise.Next(), noise.Next(), noise.Next(), noise.Next()};
  }
  return h;
}

MiniGraphInput MiniInput(const SpeedHistory& history) {
  MiniGraphInput in;
  in.history = &history;
  in.width = 180;
  in.height = 70;
  in.fullScale = 131072;
  in.pixelsPerOctet = 70.0f / 131072.0f;
  in.graduations = 0;  // labels are glyphs of whatever font the machine has
  in.verticalSpacing = 25;
  in.average = AverageSeries::Out1;
  return in;
}

void DrawMiniGraph(Canvas& canvas) {
  const SpeedHistory history = Jagged();
  DrawGraph(canvas, MiniInput(history));
}

void DrawMiniOverlay(Canvas& canvas) { DrawOverlay(canvas, MiniInput(SpeedHistory())); }

// The curve layer and its frame, as a trace leaves it.
void DrawHistoryCurves(Canvas& canvas, int period, bool leftToRight) {
  TraceInputs in;
  in.period = period;
  in.columnSpan = ColumnSpanOf(period);
  in.leftToRight = leftToRight;
  in.width = 240;
  in.height = 90;
  in = Bounded(in);
  ColumnTable table;
  Noise noise;
  const auto span = static_cast<std::uint64_t>(in.columnSpan);
  for (int c = 0; c < in.width; ++c) {
    const auto octets = [&] { return static_cast<std::uint64_t>(noise.Next() + 20000) / 2; };
    table[c] = {octets() * span, octets() * span / 4, octets() * 300, octets() * 75};
  }
  DrawCurves(canvas, table, in, VerticalScale(in.height, in.fullScale));
  DrawFrame(canvas, in.width, in.height);
}

struct Picture {
  const char* name;
  int width;  // logical pixels
  int height;
  std::function<void(Canvas&)> draw;
};

const Picture kPictures[] = {
    {"MiniGraph", 180, 70, DrawMiniGraph},
    {"MiniOverlay", 180 + kOverlayExtraWidth, 70, DrawMiniOverlay},
    {"DayCurves", 240, 90, [](Canvas& c) { DrawHistoryCurves(c, kDay, true); }},
    {"WeekCurvesRightToLeft", 240, 90, [](Canvas& c) { DrawHistoryCurves(c, kWeek, false); }},
};

QImage Drawn(const Picture& picture, qreal ratio = 1) {
  QImage image = QtCanvas::MakeImage(QSize(picture.width, picture.height), ratio);
  image.fill(Qt::red);
  QtCanvas canvas(image);
  picture.draw(canvas);
  return image;
}

std::string Digest(const QImage& image) {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  for (int y = 0; y < image.height(); ++y) {
    hash.addData(QByteArrayView(image.constScanLine(y), image.width() * 4));
  }
  return hash.result().toHex().toStdString();
}

struct PinnedCase {
  Picture picture;
  const char* digest;  // of the pixels drawn before the ratio counted
};

class RatioOne : public ::testing::TestWithParam<PinnedCase> {};

TEST_P(RatioOne, DrawsTheBytesDrawnBeforeRatiosCounted) {
  EXPECT_EQ(Digest(Drawn(GetParam().picture)), GetParam().digest);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, RatioOne,
    ::testing::Values(PinnedCase{kPictures[0], "ed9de053d27c45a584298a73f630a10266354f9d"},
                      PinnedCase{kPictures[1], "5a72cca1d06481f1195f28c03c0d8e9eabc09747"},
                      PinnedCase{kPictures[2], "a5cdab8819a693b9fc1872b1a0454b5691b00590"},
                      PinnedCase{kPictures[3], "46718fee0eefa5d9fcc9607d12580fda010eea14"}),
    [](const ::testing::TestParamInfo<PinnedCase>& info) {
      return std::string(info.param.picture.name);
    });

// The logical pixel that covers device pixel d at the ratio: the last whose edge ⌊x·r + ½⌋ ≤ d.
int Logical(int d, qreal ratio) {
  int x = static_cast<int>(d / ratio);
  while (std::floor((x + 1) * ratio + 0.5) <= d) ++x;
  while (std::floor(x * ratio + 0.5) > d) --x;
  return x;
}

struct RatioCase {
  Picture picture;
  qreal ratio;
};

class LargerRatio : public ::testing::TestWithParam<RatioCase> {};

TEST_P(LargerRatio, MakesEveryLogicalPixelABlockOfItsColour) {
  const qreal ratio = GetParam().ratio;
  const QImage one = Drawn(GetParam().picture);
  const QImage large = Drawn(GetParam().picture, ratio);
  ASSERT_EQ(large.width(), static_cast<int>(std::floor(one.width() * ratio + 0.5)));
  ASSERT_EQ(large.height(), static_cast<int>(std::floor(one.height() * ratio + 0.5)));
  for (int y = 0; y < large.height(); ++y) {
    for (int x = 0; x < large.width(); ++x) {
      ASSERT_EQ(large.pixel(x, y), one.pixel(Logical(x, ratio), Logical(y, ratio)))
          << "at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, LargerRatio,
                         ::testing::Values(RatioCase{kPictures[0], 2}, RatioCase{kPictures[0], 1.5},
                                           RatioCase{kPictures[1], 2}, RatioCase{kPictures[1], 1.5},
                                           RatioCase{kPictures[2], 2},
                                           RatioCase{kPictures[3], 1.5}),
                         [](const ::testing::TestParamInfo<RatioCase>& info) {
                           return ::kirv::testing::CaseName(
                               {info.param.picture.name, "Ratio",
                                std::to_string(static_cast<int>(info.param.ratio * 10))});
                         });

// The device rows that a logical line at row 5 covers.
struct LineCase {
  qreal ratio;
  int firstRow;
  int rows;
};

class OnePixelLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(OnePixelLine, CoversWholeDeviceRowsInThePenColourAlone) {
  QImage image = QtCanvas::MakeImage(QSize(20, 10), GetParam().ratio);
  image.fill(Qt::white);
  QtCanvas canvas(image);
  canvas.MoveTo(2, 5);
  canvas.LineTo(18, 5);
  for (int y = 0; y < image.height(); ++y) {
    const bool inLine = y >= GetParam().firstRow && y < GetParam().firstRow + GetParam().rows;
    for (int x = 0; x < image.width(); ++x) {
      const QRgb expected = inLine && x >= std::floor(2 * GetParam().ratio + 0.5) &&
                                    x < std::floor(18 * GetParam().ratio + 0.5)
                                ? qRgb(0, 0, 0)
                                : qRgb(255, 255, 255);
      ASSERT_EQ(image.pixel(x, y), expected) << "at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Ratios, OnePixelLine,
                         ::testing::Values(LineCase{1, 5, 1}, LineCase{2, 10, 2},
                                           LineCase{1.5, 8, 1}, LineCase{3, 15, 3}),
                         [](const ::testing::TestParamInfo<LineCase>& info) {
                           return ::kirv::testing::CaseName(
                               {"Ratio", std::to_string(static_cast<int>(info.param.ratio * 10))});
                         });

}  // namespace
}  // namespace kirv
