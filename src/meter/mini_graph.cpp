#include "meter/mini_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "meter/clipped_pen.h"

namespace kirv {

namespace {

// Rows further off the canvas than this all draw alike; it keeps every row within 64 bits.
constexpr long double kFar = 1e15L;

MiniGraphInput Bounded(MiniGraphInput in) {
  in.fullScale = std::clamp(in.fullScale, 1025, 2147483647);
  in.graduations = std::clamp(in.graduations, 0, 999);
  in.verticalSpacing = std::clamp(in.verticalSpacing, 1, 3600);
  in.width = std::max(in.width, 0);
  in.height = std::max(in.height, 0);
  // As the full scale's bounds allow: 0 to H ÷ 1025.
  const float most = static_cast<float>(static_cast<long double>(in.height) / 1025);
  if (!(in.pixelsPerOctet >= 0)) in.pixelsPerOctet = 0;
  in.pixelsPerOctet = std::min(in.pixelsPerOctet, most);
  return in;
}

long double Multiplier(const MiniGraphInput& in) { return in.bits ? 8.0L : 1.0L; }

// A y computed in extended precision, truncated towards zero.
std::int64_t Row(long double y) {
  if (!(y > -kFar)) return static_cast<std::int64_t>(-kFar);  // NaN too
  if (y > kFar) return static_cast<std::int64_t>(kFar);
  return static_cast<std::int64_t>(y);
}

// The little mark left of the graph area at row y.
void Tick(Canvas& canvas, int y) {
  canvas.MoveTo(kGraphAreaLeft - 1, y);
  canvas.LineTo(kGraphAreaLeft + 3, y);
}

// Its bottom side lies on row H, just below the overlay.
void DrawFrame(Canvas& canvas, int w, int h) {
  const int left = kGraphAreaLeft + 1;
  const int right = kGraphAreaLeft + w - 1;
  canvas.MoveTo(left, 0);
  canvas.LineTo(right, 0);
  canvas.LineTo(right, h);
  canvas.LineTo(left, h);
  canvas.LineTo(left, 0);
}

void DrawHorizontalGraduations(Canvas& canvas, const MiniGraphInput& in,
                               const OverlayLayout& layout) {
  int sinceLabel = 0;
  for (int i = 0; i < in.graduations; ++i) {
    const int y = i * layout.step;
    Tick(canvas, y);
    for (int c = 1; c < in.width; c += 2) canvas.SetPixel(kGraphAreaLeft + c + 1, y, kBlack);
    if (++sinceLabel != layout.labelSpacing) continue;
    sinceLabel = 0;
    const std::string label = GraduationLabel(in, layout, i);
    canvas.TextOut(kGraphAreaLeft - canvas.TextWidth(label) - 1, y + canvas.TextHeight(label) / 2,
                   label);
  }
}

// One dotted line every verticalSpacing columns back from the newest column.
void DrawVerticalGraduations(Canvas& canvas, const MiniGraphInput& in) {
  for (int back = in.verticalSpacing; back < in.width; back += in.verticalSpacing) {
    const int x = kGraphAreaLeft + in.width - back;
    for (int r = 1; r < in.height; r += 2) canvas.SetPixel(x, r, kBlack);
  }
}

// trunc(base - speed × s), exact as extended precision gives it, in integers: a float s is
// mantissa ÷ 2^shift with a 24-bit mantissa, so speed × mantissa fits 55 bits.
class RowScale {
 public:
  explicit RowScale(float s) {
    int exponent = 0;
    const float fraction = std::frexp(s, &exponent);
    mantissa_ = static_cast<std::int64_t>(std::ldexp(fraction, 24));
    // s ≤ 2^21 keeps the shift positive; beyond 55 bits any shift divides alike.
    shift_ = std::min(24 - exponent, 62);
  }

  std::int64_t Row(std::int64_t base, std::int32_t speed) const {
    const std::int64_t product = speed * mantissa_;
    const std::int64_t whole = product >> shift_;  // floor
    const bool fraction = (product & ((std::int64_t{1} << shift_) - 1)) != 0;
    const std::int64_t row = base - whole;
    return fraction && row >= 1 ? row - 1 : row;  // towards zero
  }

 private:
  std::int64_t mantissa_;
  int shift_;
};

struct GraphGeometry {
  const SpeedHistory& history;
  int records;  // drawn, from record 0
  int width;
  int height;
  float s;  // pixels per octet
  RowScale scale{s};

  int Column(int k) const { return width - k - 2; }
  std::int64_t SpeedRow(std::int32_t speed, int lift = 0) const {
    return scale.Row(height - lift, speed);
  }
};

GraphGeometry Geometry(const MiniGraphInput& in) {
  static const SpeedHistory kNoTraffic;
  return {in.history ? *in.history : kNoTraffic, std::clamp(in.width - 2, 0, SpeedHistory::kSize),
          in.width, in.height, in.pixelsPerOctet};
}

// The whole picture: the graph area, and the canvas where it is larger.
PixelBox Whole(const Canvas& canvas, const GraphGeometry& g) {
  return {0, 0, std::max(g.width, canvas.Width()), std::max(g.height, canvas.Height())};
}

void FillWithin(Canvas& canvas, const PixelBox& box, int left, int top, int right, int bottom) {
  left = std::max(left, box.left);
  top = std::max(top, box.top);
  right = std::min(right, box.right);
  bottom = std::min(bottom, box.bottom);
  if (left < right && top < bottom) canvas.FillRect(left, top, right, bottom);
}

// The picture starts white. A column runs from row H to row 0, its end point left out, so it
// covers rows 1 to H - 1 whatever its speeds: only the rest needs painting white first.
void FillWhiteAroundTheColumns(Canvas& canvas, const GraphGeometry& g, const PixelBox& box) {
  const int w = canvas.Width();
  const int h = canvas.Height();
  const int left = g.records > 0 ? g.Column(g.records - 1) : w;
  const int right = g.records > 0 ? g.Column(0) + 1 : w;
  canvas.SetBrushColour(kWhite);
  FillWithin(canvas, box, 0, 0, w, 1);
  FillWithin(canvas, box, 0, 1, left, h);
  FillWithin(canvas, box, right, 1, w, h);
  FillWithin(canvas, box, left, g.height, right, h);
}

// Records first to last, both included; record 0 is the newest.
struct RecordSpan {
  int first;
  int last;
};

// From the bottom up: the overlap colour to the lower receive speed, the colour of the higher one
// to its height, the background to the top.
void DrawReceiveColumns(Canvas& canvas, ClippedPen& pen, const GraphGeometry& g,
                        const MiniGraphColours& colours, RecordSpan span) {
  for (int k = span.first; k <= span.last; ++k) {
    const SpeedRecord& r = g.history[k];
    const int x = g.Column(k);
    const bool firstHigher = r.In1 > r.In2;
    pen.MoveTo(x, g.height);
    canvas.SetPenColour(colours.overlap);
    pen.LineTo(x, g.SpeedRow(firstHigher ? r.In2 : r.In1));
    canvas.SetPenColour(firstHigher ? colours.receive1 : colours.receive2);
    pen.LineTo(x, g.SpeedRow(firstHigher ? r.In1 : r.In2));
    canvas.SetPenColour(kColumnBackground);
    pen.LineTo(x, 0);
  }
}

// Two pixels thick, rising from the bottom-right corner to the newest point.
void DrawSendLine(Canvas& canvas, ClippedPen& pen, const GraphGeometry& g,
                  std::int32_t SpeedRecord::*series, Colour colour, RecordSpan span) {
  canvas.SetPenColour(colour);
  if (span.first == 0) {
    pen.MoveTo(g.width - 2, g.height);
  } else {
    pen.MoveTo(g.Column(span.first - 1), g.SpeedRow(g.history[span.first - 1].*series));
  }
  for (int k = span.first; k <= span.last; ++k) {
    const std::int32_t speed = g.history[k].*series;
    const int x = g.Column(k);
    pen.LineTo(x, g.SpeedRow(speed, 1));
    pen.LineTo(x, g.SpeedRow(speed));
  }
}

// At the mean of the chosen series over the drawn records; none off the graph area.
std::optional<int> AverageRow(const GraphGeometry& g, AverageSeries average) {
  if (average == AverageSeries::None || g.records == 0) return std::nullopt;
  const auto series = average == AverageSeries::In1 ? &SpeedRecord::In1 : &SpeedRecord::Out1;
  std::int64_t sum = 0;
  for (int k = 0; k < g.records; ++k) sum += g.history[k].*series;
  const long double mean = static_cast<long double>(sum) / g.records;
  const std::int64_t y = Row(static_cast<long double>(g.height) - mean * g.s);
  if (y < 0 || y >= g.height) return std::nullopt;
  return static_cast<int>(y);
}

// In the complement of the graph 1 receive colour.
void DrawAverageLine(Canvas& canvas, const GraphGeometry& g, std::optional<int> row,
                     Colour receive1, const PixelBox& box) {
  const int left = std::max(2, box.left);
  const int right = std::min(g.width - 1, box.right);
  if (!row || *row < box.top || *row >= box.bottom || left >= right) return;
  canvas.SetPenColour(kWhite - (receive1 & kWhite));
  canvas.MoveTo(left, *row);
  canvas.LineTo(right, *row);
}

// Exactly the pixels of the whole drawing within the box, the others left as they are. Record
// k's send lines run from column W - k - 1 to its own column W - k - 2.
void DrawGraphWithin(Canvas& canvas, const MiniGraphInput& in, const GraphGeometry& g,
                     std::optional<int> averageRow, const PixelBox& box) {
  FillWhiteAroundTheColumns(canvas, g, box);
  ClippedPen pen(canvas,
                 {box.left, std::max(box.top, 0), box.right, std::min(box.bottom, g.height)});
  const RecordSpan span{std::max(g.width - 1 - box.right, 0),
                        std::min(g.width - 1 - box.left, g.records - 1)};
  DrawReceiveColumns(canvas, pen, g, in.colours, span);
  DrawSendLine(canvas, pen, g, &SpeedRecord::Out1, in.colours.send1, span);
  DrawSendLine(canvas, pen, g, &SpeedRecord::Out2, in.colours.send2, span);
  DrawAverageLine(canvas, g, averageRow, in.colours.receive1, box);
}

}  // namespace

OverlayLayout LayOutOverlay(const Canvas& canvas, const MiniGraphInput& raw) {
  const MiniGraphInput in = Bounded(raw);
  OverlayLayout layout;
  layout.unitText = " B";
  layout.pixelsPerOctet = static_cast<float>(static_cast<long double>(in.height) / in.fullScale);
  if (in.graduations != 0) {
    layout.step = static_cast<int>(static_cast<long double>(in.fullScale / in.graduations) *
                                   layout.pixelsPerOctet);
  }
  if (in.height != 0 && in.graduations != 0) {
    const int textHeight = canvas.TextHeight(layout.unitText);
    layout.labelSpacing = std::max((textHeight + in.height - 1) / in.height, 1);
  }
  const std::int64_t scaled = static_cast<std::int64_t>(in.fullScale) * (in.bits ? 8 : 1);
  if (scaled > 1024) {
    layout.divisor = 1024;
    layout.unitText = " K";
  }
  if (scaled > 1048576) {
    layout.divisor = 1048576;
    layout.unitText = " M";
  }
  return layout;
}

std::string GraduationLabel(const MiniGraphInput& raw, const OverlayLayout& layout, int i) {
  const MiniGraphInput in = Bounded(raw);
  const long double v = in.fullScale;
  const long double m = Multiplier(in);
  const long double d = layout.divisor;
  const long double top = std::floor(v / d * m * 10) * 0.1L;
  const long double down =
      in.graduations == 0 ? 0 : std::floor(v / in.graduations * i * m / d * 10) * 0.1L;
  return FormatGeneral(static_cast<double>(top - down), in.format) + layout.unitText;
}

OverlayLayout DrawOverlay(Canvas& canvas, const MiniGraphInput& raw) {
  const MiniGraphInput in = Bounded(raw);
  const OverlayLayout layout = LayOutOverlay(canvas, in);
  canvas.SetBrushColour(kWhite);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  canvas.SetBrushClear(true);
  canvas.SetPenColour(kBlack);
  canvas.SetFontColour(kBlack);
  DrawFrame(canvas, in.width, in.height);
  DrawHorizontalGraduations(canvas, in, layout);
  Tick(canvas, in.height - 1);
  DrawVerticalGraduations(canvas, in);
  return layout;
}

void DrawGraph(Canvas& canvas, const MiniGraphInput& raw) {
  const MiniGraphInput in = Bounded(raw);
  const GraphGeometry g = Geometry(in);
  DrawGraphWithin(canvas, in, g, AverageRow(g, in.average), Whole(canvas, g));
}

// Aged by one tick, record k + 1 is the previous record k. The columns that then differ from the
// previous picture's next column to the right: 0 and 1, left of the average line; the oldest
// record's, which has no older one to draw its send lines to, and the one left of it, which was
// the oldest; the three at the right end, where the newest record's send lines start from the
// bottom.
bool ScrollingGraph::Draw(Canvas& canvas, const MiniGraphInput& raw) {
  const MiniGraphInput in = Bounded(raw);
  const GraphGeometry g = Geometry(in);
  const Look look{in.colours, in.pixelsPerOctet, in.width,       in.height,
                  in.average, canvas.Width(),    canvas.Height()};
  next_.resize(static_cast<std::size_t>(g.records));
  for (int k = 0; k < g.records; ++k) next_[static_cast<std::size_t>(k)] = g.history[k];
  const std::optional<int> averageRow = AverageRow(g, in.average);
  const bool sameLook = drawn_ && look == look_;
  const bool aged = sameLook && next_.size() == records_.size() && !next_.empty() &&
                    std::equal(next_.begin() + 1, next_.end(), records_.begin());
  const bool changed = !sameLook || next_ != records_;
  const PixelBox whole = Whole(canvas, g);
  if (!changed) {
    // Nothing to draw: the canvas holds this very picture.
  } else if (aged && canvas.ScrollLeft(1)) {
    const int oldest = g.Column(g.records - 1);
    for (const PixelBox& ends :
         {PixelBox{0, 0, 2, whole.bottom}, PixelBox{oldest - 1, 0, oldest + 1, whole.bottom},
          PixelBox{g.width - 3, 0, whole.right, whole.bottom}}) {
      DrawGraphWithin(canvas, in, g, averageRow, ends);
    }
    if (averageRow != averageRow_) {
      if (averageRow_) {
        DrawGraphWithin(canvas, in, g, averageRow,
                        {0, *averageRow_, whole.right, *averageRow_ + 1});
      }
      DrawAverageLine(canvas, g, averageRow, in.colours.receive1, whole);
    }
  } else {
    DrawGraphWithin(canvas, in, g, averageRow, whole);
  }
  drawn_ = true;
  look_ = look;
  records_.swap(next_);
  averageRow_ = averageRow;
  return changed;
}

}  // namespace kirv
