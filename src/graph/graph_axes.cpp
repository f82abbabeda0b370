#include "graph/graph_axes.h"

#include <cmath>
#include <string>

#include "common/calendar.h"
#include "common/number_format.h"
#include "graph/period_table.h"
#include "graph/trace_direction.h"

namespace kirv {

namespace {

constexpr int kLabelGap = 10;  // pixels between a speed label and the curve layer

// Axis layer coordinates of the curve layer, and where time starts: xRef is the column where
// column age 0 would stand, and time runs away from it by step per column.
struct AxisGeometry {
  int ax;
  int ay;
  int w;
  int h;
  int step;
  int xRef;

  int Bottom() const { return ay + h; }
  // Marks of "Journée" stand strictly inside (ax, ax + W), the others inside (ax, ax + W + 2).
  bool MarkInside(int x, int slack) const { return ax < x && x < ax + w + slack; }
  bool LabelInside(int x) const { return ax < x && x < ax + w; }
};

// A tick across the bottom edge and a dotted grid line on the odd rows of the curve layer.
void Mark(Canvas& c, const AxisGeometry& g, int x) {
  c.MoveTo(x, g.Bottom() - 2);
  c.LineTo(x, g.Bottom() + 2);
  for (int y = g.ay | 1; y < g.Bottom(); y += 2) c.SetPixel(x, y, kBlack);
}

void Accent(Canvas& c, const AxisGeometry& g, int x) {
  c.SetPenColour(kAccentColour);
  c.MoveTo(x, g.Bottom());
  c.LineTo(x, g.ay);
  c.SetPenColour(kBlack);
}

void TimeLabel(Canvas& c, const AxisGeometry& g, int left, const std::string& text) {
  c.TextOut(left, g.Bottom() + 2, text);
}

int HalfWidth(const Canvas& c, const std::string& text) { return c.TextWidth(text) / 2; }

// One mark an hour from the start of the current hour; even hours labelled, midnight red.
void DayMarks(Canvas& c, const AxisGeometry& g, const DateTime& now) {
  int hour = now.hour;
  for (int x = g.xRef + (now.minute / 5 + 2) * g.step; g.MarkInside(x, 0); x += 12 * g.step) {
    Mark(c, g, x);
    if (hour % 2 == 0) {
      const std::string label = std::to_string(hour);
      TimeLabel(c, g, x - HalfWidth(c, label), label);
    }
    if (hour == 0) Accent(c, g, x);
    hour = hour == 0 ? 23 : hour - 1;
  }
}

// One mark a day from the start of the reference day, its name half a day towards the newer side;
// the start of Monday red.
void WeekMarks(Canvas& c, const AxisGeometry& g, const DateTime& now, const DateTime& date) {
  int day = DayOfWeek(date);
  const int first = now.minute / 30 + 2 * now.hour + 2;
  for (int x = g.xRef + first * g.step; g.MarkInside(x, 2); x += 48 * g.step) {
    Mark(c, g, x);
    const std::string label = kDayNames[day - 1];
    const int left = x - 24 * g.step - HalfWidth(c, label);
    if (g.LabelInside(left)) TimeLabel(c, g, left, label);
    if (day == 2) Accent(c, g, x);
    day = day == 1 ? 7 : day - 1;
  }
}

// One mark a week from the start of the last Sunday; red where a counter started at the current
// hour and lowered by one a mark reaches 0.
void MonthMarks(Canvas& c, const AxisGeometry& g, const DateTime& now, const DateTime& date) {
  int hour = now.hour;
  const int first = (DayOfWeek(date) - 1) * 12 + now.hour / 2 + 2;
  for (int x = g.xRef + first * g.step; g.MarkInside(x, 2); x += 84 * g.step) {
    Mark(c, g, x);
    if (hour == 0) Accent(c, g, x);
    hour = hour == 0 ? 23 : hour - 1;
  }
}

// One mark a month from the start of the reference month, its name half a month towards the
// newer side; January red.
void YearMarks(Canvas& c, const AxisGeometry& g, const DateTime& date) {
  int month = date.month;
  int year = date.year;
  for (int x = g.xRef + date.day * g.step; g.MarkInside(x, 2);) {
    Mark(c, g, x);
    const std::string label = kMonthNames[month - 1];
    const int left = x - g.step * (DaysInMonth(year, month) / 2) - HalfWidth(c, label);
    if (g.LabelInside(left)) TimeLabel(c, g, left, label);
    if (month == 1) Accent(c, g, x);
    year = month == 1 ? year - 1 : year;
    month = month == 1 ? 12 : month - 1;
    x += DaysInMonth(year, month) * g.step;
  }
}

void Tick(Canvas& c, const AxisGeometry& g, int y) {
  c.MoveTo(g.ax - 1, y);
  c.LineTo(g.ax + 3, y);
}

// The speed of graduation i, counting down from the full scale by V ÷ G, each cut to one decimal.
std::string GraduationLabel(const TraceInputs& in, const DisplayUnit& unit, int i) {
  const auto v = static_cast<long double>(in.fullScale);
  const long double f = in.UnitFactor();
  const long double d = unit.divisor;
  const long double top = std::floor(v / d * f * 10) * 0.1L;
  const long double down = std::floor(v / in.graduations * i * f / d * 10) * 0.1L;
  return FormatGeneral(static_cast<double>(top - down), in.format) + unit.prefix;
}

void SpeedLabel(Canvas& c, const AxisGeometry& g, long double y, const std::string& text) {
  c.TextOut(g.ax - c.TextWidth(text) - kLabelGap,
            static_cast<int>(y - static_cast<long double>(c.TextHeight(text) / 2)), text);
}

// G lines from the top edge down, (V div G) × s apart, then "0" at the bottom of the scale. Lines
// closer than a line of text are labelled one in n; when H < G every line is.
void Graduations(Canvas& c, const AxisGeometry& g, const TraceInputs& in, float s,
                 const DisplayUnit& unit) {
  const int count = in.graduations;
  const long double q = static_cast<long double>(in.fullScale / count) * s;
  const int spacing = g.h / count;
  const int n = spacing == 0 ? 0 : c.TextHeight(unit.prefix) / spacing;
  int sinceLabel = 0;
  for (int i = 0; i < count; ++i) {
    const long double top = g.ay + i * q;
    const int y = static_cast<int>(top);
    Tick(c, g, y);
    for (int j = 1; j < g.w; j += 2) c.SetPixel(g.ax + j + 1, y, kBlack);
    if (++sinceLabel < n) continue;
    sinceLabel = 0;
    SpeedLabel(c, g, top, GraduationLabel(in, unit, i));
  }
  const long double bottom = count * q + g.ay;
  SpeedLabel(c, g, bottom, "0" + unit.prefix);
  Tick(c, g, static_cast<int>(bottom - 1));
}

}  // namespace

void DrawFrame(Canvas& curveLayer, int width, int height) {
  curveLayer.SetPenColour(kBlack);
  curveLayer.MoveTo(1, 0);
  curveLayer.LineTo(width - 1, 0);
  curveLayer.LineTo(width - 1, height - 1);
  curveLayer.LineTo(1, height - 1);
  curveLayer.LineTo(1, 0);
}

void DrawAxes(Canvas& c, const TraceInputs& in, float s, const DisplayUnit& unit) {
  c.SetBrushColour(kWhite);
  c.FillRect(0, 0, c.Width(), c.Height());
  c.SetBrushClear(true);
  c.SetPenColour(kBlack);
  c.SetFontColour(kBlack);
  const TraceDirection dir = DirectionOf(in.leftToRight, in.width);
  const AxisGeometry g{kCurveLayerLeft, kCurveLayerTop, in.width,
                       in.height,       dir.step,       kCurveLayerLeft + in.width - dir.origin};
  switch (in.period) {
    case kDay:
      DayMarks(c, g, in.now);
      break;
    case kWeek:
      WeekMarks(c, g, in.now, in.referenceDate);
      break;
    case kMonth:
      MonthMarks(c, g, in.now, in.referenceDate);
      break;
    default:
      YearMarks(c, g, in.referenceDate);
      break;
  }
  Graduations(c, g, in, s, unit);
}

}  // namespace kirv
