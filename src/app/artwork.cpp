#include "app/artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>

namespace kirv {

namespace {

constexpr QRgb kTrayGrey = 0xFFC0C0C0;
constexpr QRgb kTrayGrid = 0xFF8C8C8C;
constexpr QRgb kTrayGreen = 0xFF00A000;
constexpr QRgb kSendBlue = 0xFF0000FF;
constexpr QRgb kReceiveRed = 0xFFFF0000;

// 5 x 7 letters, one row per string.
using Glyph = std::array<const char*, 7>;
constexpr Glyph kLetterU = {"X...X", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."};
constexpr Glyph kLetterD = {"XXXX.", "X...X", "X...X", "X...X", "X...X", "X...X", "XXXX."};

// The tray pictures are laid out on 16 × 16 units. At a side of S pixels, unit edge u falls on
// pixel ⌊u·S ÷ 16 + ½⌋: every part is drawn at the size in solid colours (no blending), and at 16
// pixels the picture is the first design pixel for pixel.
int UnitEdge(int u, int side) { return (2 * u * side + kTrayPictureSide) / (2 * kTrayPictureSide); }

void FillBlock(QImage& image, int left, int top, int right, int bottom, QRgb colour) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) image.setPixel(x, y, colour);
  }
}

// Each unit of the letter a block, laid out from the letter's own corner so that both letters
// get the same strokes.
void DrawGlyph(QImage& image, const Glyph& glyph, int left, int top, QRgb colour) {
  const int side = image.width();
  const int x0 = UnitEdge(left, side);
  const int y0 = UnitEdge(top, side);
  for (int row = 0; row < 7; ++row) {
    for (int column = 0; column < 5; ++column) {
      if (glyph[row][column] != 'X') continue;
      FillBlock(image, x0 + UnitEdge(column, side), y0 + UnitEdge(row, side),
                x0 + UnitEdge(column + 1, side), y0 + UnitEdge(row + 1, side), colour);
    }
  }
}

// The curve through the unit columns' centres, two units thick, drawn one pixel column at a time.
void DrawGraph(QImage& image, QRgb colour) {
  static constexpr int kGraph[kTrayPictureSide] = {13, 12, 11, 12, 12, 10, 8, 9,
                                                   9,  7,  5,  6,  7,  5,  3, 4};
  const int side = image.width();
  const double unit = static_cast<double>(side) / kTrayPictureSide;
  const int thickness = UnitEdge(2, side);
  for (int x = 0; x < side; ++x) {
    const double at = std::clamp((x + 0.5) / unit - 0.5, 0.0, kTrayPictureSide - 1.0);
    const int left = std::min(static_cast<int>(at), kTrayPictureSide - 2);
    const double top = kGraph[left] + (kGraph[left + 1] - kGraph[left]) * (at - left);
    const int y = static_cast<int>(std::floor(top * unit + 0.5));
    FillBlock(image, x, y, x + 1, std::min(y + thickness, side), colour);
  }
}

// A bumpy traffic curve across a width, deterministic for a given phase.
double Traffic(double x, double phase) {
  return 0.45 + 0.22 * std::sin(x * 0.031 + phase) + 0.12 * std::sin(x * 0.083 + 2 * phase) +
         0.06 * std::sin(x * 0.21 + 3 * phase);
}

QPainterPath Curve(const QRectF& area, double phase) {
  QPainterPath path;
  for (int x = 0; x <= area.width(); x += 2) {
    const QPointF point(area.left() + x, area.bottom() - Traffic(x, phase) * area.height());
    if (x == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  return path;
}

// A dark scene with a grid and three curves, the name in large letters and a subtitle.
QImage Scene(const QString& subtitle, double phase) {
  QImage image(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient sky(0, 0, 0, kSplashHeight);
  sky.setColorAt(0, QColor(16, 24, 48));
  sky.setColorAt(1, QColor(0, 0, 0));
  painter.fillRect(image.rect(), sky);

  const QRectF graph(12, 64, kSplashWidth - 24, 84);
  painter.setPen(QPen(QColor(60, 70, 90), 1));
  for (int x = 0; x <= graph.width(); x += 22) {
    painter.drawLine(QPointF(graph.left() + x, graph.top()),
                     QPointF(graph.left() + x, graph.bottom()));
  }
  for (int y = 0; y <= graph.height(); y += 21) {
    painter.drawLine(QPointF(graph.left(), graph.top() + y),
                     QPointF(graph.right(), graph.top() + y));
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 110, 255), 1.5));
  painter.drawPath(Curve(graph, phase + 1.7));
  painter.setPen(QPen(QColor(230, 40, 40), 1.5));
  painter.drawPath(Curve(graph, phase + 3.1));
  painter.setPen(QPen(QColor(40, 220, 60), 2.5));
  painter.drawPath(Curve(graph, phase));

  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(40);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(235, 240, 255));
  painter.drawText(QRect(14, 6, 200, 46), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KIRV"));
  QFont small(QStringLiteral("DejaVu Sans"));
  small.setPixelSize(12);
  painter.setFont(small);
  painter.setPen(QColor(150, 200, 160));
  painter.drawText(QRect(16, 44, 260, 16), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
  return image;
}

}  // namespace

QImage TrayPicture(int index, int side) {
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(kTrayGrey);
  // Lines of half a unit, at least one pixel, ending on every fourth unit.
  const int line = std::max((side + kTrayPictureSide) / (2 * kTrayPictureSide), 1);
  for (int u = 4; u <= kTrayPictureSide; u += 4) {
    const int end = UnitEdge(u, side);
    FillBlock(image, end - line, 0, end, side, kTrayGrid);
    FillBlock(image, 0, end - line, side, end, kTrayGrid);
  }
  DrawGraph(image, kTrayGreen);
  if (index == 1 || index == 3) DrawGlyph(image, kLetterU, 1, 1, kSendBlue);
  if (index == 2 || index == 3) DrawGlyph(image, kLetterD, 10, 1, kReceiveRed);
  return image;
}

QIcon TrayIcon(int index, PlanLevel level) {
  constexpr QRgb kWarningOrange = 0xFFFF8C00;
  QIcon icon;
  for (int side : kTrayIconSides) {
    QImage image = TrayPicture(index, side);
    if (level != PlanLevel::kOk) {
      const int edge = UnitEdge(12, side);
      FillBlock(image, edge, edge, side, side,
                level == PlanLevel::kReached ? kReceiveRed : kWarningOrange);
    }
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

QImage SplashPicture() {
  return Scene(QCoreApplication::translate("kirv::Artwork", "Compteur de trafic"), 0.0);
}

QImage AboutPicture() {
  return Scene(QCoreApplication::translate("kirv::Artwork", "Trafic, historique, totaux"), 2.3);
}

}  // namespace kirv
