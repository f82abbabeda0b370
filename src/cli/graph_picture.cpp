#include "cli/graph_picture.h"

#include <QPainter>

#include "common/colour.h"
#include "graph/graph_axes.h"
#include "graph/graph_renderer.h"
#include "widgets/qt_canvas.h"

namespace kirv {

namespace {

constexpr int kAreaLeft = 8;  // the graph area in the window, and its margin on the right
constexpr int kAreaTop = 1;   // the graph area's top while the window takes a snapshot

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

QImage GraphPicture(const QImage& axisLayer, const QImage& curveLayer, const QColor& window) {
  const QRect area(kAreaLeft, kAreaTop, axisLayer.width(), axisLayer.height());
  QImage picture(area.right() + 1 + kAreaLeft, area.bottom() + 1, QImage::Format_RGB32);
  picture.fill(window);
  QPainter painter(&picture);
  painter.fillRect(area, QtCanvas::ToQColor(kGraphBackground));
  painter.setPen(Qt::black);
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  painter.drawImage(area.topLeft(), Transparent(axisLayer, kWhite));
  painter.drawImage(area.topLeft() + QPoint(kCurveLayerLeft, kCurveLayerTop),
                    Transparent(curveLayer, kGraphBackground));
  return picture;
}

}  // namespace kirv
