#pragma once

#include "common/canvas.h"
#include "graph/display_unit.h"
#include "graph/trace_inputs.h"

namespace kirv {

// The axis layer covers the graph area, (W + 100) × (H + 40); the curve layer lies inside it at
// (kCurveLayerLeft, kCurveLayerTop).
inline constexpr int kCurveLayerLeft = 90;  // ax
inline constexpr int kCurveLayerTop = 12;   // ay
inline constexpr int kAxisLayerExtraWidth = 100;
inline constexpr int kAxisLayerExtraHeight = 40;
inline constexpr Colour kAccentColour = 255;  // red: midnight, Monday, January

inline constexpr const char* kDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
inline constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The black frame of the curve layer, a canvas of W × H: through (1, 0), (W − 1, 0),
// (W − 1, H − 1), (1, H − 1) and back.
void DrawFrame(Canvas& curveLayer, int width, int height);

// Fills the axis layer with white, its transparent colour, and draws in black the time marks of
// the period along the bottom edge, each with a tick, a dotted grid line, its label and red accent
// line, and the horizontal graduations with their speed labels. Labels are placed with the
// canvas's text metrics at their top-left corner. in.fullScale is the trace's full scale; s and
// the unit are the trace's; the inputs must be Bounded.
void DrawAxes(Canvas& axisLayer, const TraceInputs& in, float s, const DisplayUnit& unit);

}  // namespace kirv
