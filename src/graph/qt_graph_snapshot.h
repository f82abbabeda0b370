#pragma once

// The picture that the history graph window's "Enregistrer" saves, made from the layers of a
// trace: the window and "kirv graph" both draw it here, so they give the same pixels.

#include <QColor>
#include <QFont>
#include <QImage>

#include "graph/qt_statistics_box.h"

namespace kirv {

// "tahoma" at 11 pixels, or the sans font that stands in for it: the window's controls are placed
// for it, and the axis labels are measured and written in it.
QFont GraphWindowFont();

// The window laid out for the picture: a one-pixel band of the window's colour above the graph
// area, the area's background and frame, the axis layer over it (its white lets the background
// through) and the curve layer over that (its background colour lets what lies under it
// through), with a margin of the window's colour at either side. The graph area is `area` large;
// the layers are the ones the last trace drew, (W + 100) × (H + 40) and W × H, cut to the area
// and to the curve layer's place in it when the window has been resized since. With a legend,
// the picture is wider by the statistics group, which stands at the graph area's right.
QImage GraphSnapshot(const QSize& area, const QImage& axisLayer, const QImage& curveLayer,
                     const QColor& window, QtStatisticsBox* legend);

}  // namespace kirv
