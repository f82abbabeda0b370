#include "graph/qt_graph_snapshot.h"

#include <QPainter>

#include "common/colour.h"
#include "graph/graph_axes.h"
#include "graph/graph_renderer.h"
#include "widgets/qt_canvas.h"

namespace kirv {

namespace {

constexpr int kAreaLeft = 8;   // the graph area in the window, and its margin on the right
constexpr int kAreaTop = 1;    // the graph area's top while the window takes a snapshot
constexpr int kLegendGap = 4;  // the graph area to the statistics group

// The layer with the pixels of one colour made fully transparent, as the window shows it.
QImage Transparent(const QImage& layer, Colour transparent) {
  QImage image = layer.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = QtCanvas::ToQColor(transparent).rgb();
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] | 0xFF000000u) == key) line[x] = 0;
    }
  }
  return image;
}

}  // namespace

QFont GraphWindowFont() {
  QFont font(QStringLiteral("Tahoma"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

QImage GraphSnapshot(const QSize& areaSize, const QImage& axisLayer, const QImage& curveLayer,
                     const QColor& window, QtStatisticsBox* legend) {
  const QRect area(QPoint(kAreaLeft, kAreaTop), areaSize);
  const int legendWidth = legend != nullptr ? legend->width() : 0;
  QImage picture(area.right() + 1 + kAreaLeft + legendWidth, area.bottom() + 1,
                 QImage::Format_RGB32);
  picture.fill(window);
  QPainter painter(&picture);
  painter.fillRect(area, QtCanvas::ToQColor(kGraphBackground));
  painter.setPen(Qt::black);
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  painter.setClipRect(area);
  painter.drawImage(area.topLeft(), Transparent(axisLayer, kWhite));
  const QRect curve(area.topLeft() + QPoint(kCurveLayerLeft, kCurveLayerTop),
                    area.size() - QSize(kAxisLayerExtraWidth, kAxisLayerExtraHeight));
  painter.setClipRect(curve);
  painter.drawImage(curve.topLeft(), Transparent(curveLayer, kGraphBackground));
  painter.setClipping(false);
  if (legend != nullptr) {
    // Over the window's colour, as the group stands in the window.
    legend->render(&painter, QPoint(area.right() + 1 + kLegendGap, kAreaTop), QRegion(),
                   QWidget::DrawChildren);
  }
  return picture;
}

}  // namespace kirv
