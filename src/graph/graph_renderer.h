#pragma once

#include <cstdint>

#include "common/canvas.h"
#include "common/colour.h"
#include "graph/column_table.h"
#include "graph/trace_inputs.h"

namespace kirv {

// The graph area's background (shape). The curve layer starts in it, so the pixels no curve
// touches show the background whether the layer is laid under the axis layer as it is or over it
// with this colour made transparent.
inline constexpr Colour kGraphBackground = 16119285;  // 0xF5F5F5

// s = H ÷ V: pixels per octet per second, in single precision as the curves and graduations are
// placed with it.
float VerticalScale(int height, std::int64_t fullScale);

// Draws the curves on the curve layer, a canvas of W × H, after filling it with the background.
// In this order: the received peaks as bars (not in "Journée", and only with "Dessiner pics"),
// the received average as bars, the sent peaks as a line (as the received peaks), the sent
// average as a line; then the pen is black again. y = H − rate × s, the bars floored, the lines
// truncated; rows above the layer are clipped. The inputs must be Bounded.
void DrawCurves(Canvas& canvas, const ColumnTable& table, const TraceInputs& in, float s);

}  // namespace kirv
