#pragma once

#include <QColor>
#include <QImage>

namespace kirv {

// The snapshot of the "Module Graphique" window without its controls: a one-pixel band of the
// window's colour above the graph area, the area's background and frame, the axis layer over it
// (its white lets the background through) and the curve layer over that (its background colour
// lets what lies under it through). The layers are the ones a trace drew, (W + 100) × (H + 40)
// and W × H.
QImage GraphPicture(const QImage& axisLayer, const QImage& curveLayer, const QColor& window);

}  // namespace kirv
