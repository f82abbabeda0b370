#include "graph/graph_renderer.h"

#include <cmath>

#include "graph/period_table.h"
#include "graph/trace_direction.h"

namespace kirv {

namespace {

// Rows of one curve. A rate far above the full scale gives a row far above the layer; rows are
// clamped to [-(2H + 4), H + 1], which leaves every pixel on the layer as it was (the lines move
// at most one column, so a far end only shifts the point where they change column, which stays
// above the layer) and keeps each line short.
class Rows {
 public:
  Rows(int height, float s) : h_(height), s_(s) {}

  int Bar(std::uint64_t rate) const { return Clamped(std::floor(Exact(rate))); }
  int Line(std::uint64_t rate) const { return Clamped(std::trunc(Exact(rate))); }

 private:
  long double Exact(std::uint64_t rate) const {
    return static_cast<long double>(h_) - static_cast<long double>(rate) * s_;
  }
  int Clamped(long double y) const {
    const long double top = -2.0L * h_ - 4;
    if (!(y > top)) return static_cast<int>(top);
    return y > h_ + 1 ? h_ + 1 : static_cast<int>(y);
  }

  int h_;
  long double s_;
};

void Bar(Canvas& canvas, int x, int h, int y) {
  canvas.MoveTo(x, h);
  canvas.LineTo(x, y);
}

// Two pixels thick: to the point, then one row down.
void LinePoint(Canvas& canvas, int x, int y) {
  canvas.LineTo(x, y);
  canvas.LineTo(x, y + 1);
}

}  // namespace

float VerticalScale(int height, std::int64_t fullScale) {
  return static_cast<float>(static_cast<long double>(height) / fullScale);
}

void DrawCurves(Canvas& canvas, const ColumnTable& table, const TraceInputs& in, float s) {
  const int w = in.width;
  const int h = in.height;
  const auto span = static_cast<std::uint64_t>(in.columnSpan);
  const TraceDirection dir = DirectionOf(in.leftToRight, w);
  const bool peaks = in.period != kDay && in.drawPeaks;
  const Rows rows(h, s);

  canvas.SetBrushColour(kGraphBackground);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  if (peaks) {
    canvas.SetPenColour(in.colours.receivedPeak);
    for (int j = 0; j < w; ++j) {
      Bar(canvas, j + dir.step, h, rows.Bar(table[j].receivedPeak / kSlotSeconds));
    }
  }
  canvas.SetPenColour(in.colours.received);
  for (int c = dir.firstColumn; c + dir.step < w; ++c) {
    Bar(canvas, c + dir.step, h, rows.Bar(table[c].received / span));
  }
  if (peaks) {
    canvas.SetPenColour(in.colours.sentPeak);
    canvas.MoveTo(dir.step, h);
    for (int j = 0; j < w; ++j) {
      LinePoint(canvas, j + dir.step, rows.Line(table[j].sentPeak / kSlotSeconds));
    }
  }
  canvas.SetPenColour(in.colours.sent);
  canvas.MoveTo(1, h);
  for (int c = 1; c + dir.step < w; ++c) {
    LinePoint(canvas, c + dir.step, rows.Line(table[c].sent / span));
  }
  canvas.SetPenColour(kBlack);
}

}  // namespace kirv
