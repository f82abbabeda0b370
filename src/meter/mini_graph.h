#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/canvas.h"
#include "common/colour.h"
#include "common/number_format.h"
#include "sampling/speed_history.h"

namespace kirv {

// The meter's mini graph: the graph area, W × H, one column per sampling tick with the newest on
// the right, and the overlay laid over it, (W + 64) × H, starting 48 pixels further left, which
// holds the frame, the graduations and the scale labels.
//
// What the caller decides:
// - The overlay is laid out at every change of its inputs (full scale, unit, graduations, size),
//   which also gives PixelsPerOctet, but drawn only while the graph is shown: with the graph
//   hidden, call LayOutOverlay alone and keep the old overlay picture. A hidden meter window
//   draws it when it shows.
// - The graph area is drawn at every tick, sampling or not, but only while the meter window is
//   visible with its graph shown, and once when the window shows; otherwise it keeps its last
//   picture.
// - White is the overlay's transparent colour: the window lets the graph show through the
//   overlay's white pixels.

inline constexpr int kGraphAreaLeft = 48;      // pixels from the overlay's left edge
inline constexpr int kOverlayExtraWidth = 64;  // overlay width = graph area width + this
inline constexpr Colour kColumnBackground = 0xF5F5F5;

// The series whose mean the average line shows ("Aucun", "Reception", "Envoi").
enum class AverageSeries { None, In1, Out1 };

// As the five colour texts give them (ColourFromText), the dialog's defaults as created.
struct MiniGraphColours {
  Colour receive1 = 0x00CC00;  // "lrec"; white minus its three bytes draws the average line
  Colour send1 = 0xFF0000;     // "lenv"
  Colour receive2 = 0x006600;  // "lrep"
  Colour send2 = 0xFF00FF;     // "lenp"
  Colour overlap = 0x01E5DD;   // "lint": where both receive columns overlap

  bool operator==(const MiniGraphColours&) const = default;
};

// Everything the mini graph reads, filled by the meter window from the configuration dialog's
// controls and the rate sampler. Values outside the controls' bounds are brought within them.
struct MiniGraphInput {
  const SpeedHistory* history = nullptr;  // null draws as a history without traffic
  float pixelsPerOctet = 0;               // s, from the latest overlay layout; 0 to H ÷ 1025
  int fullScale = 65536;                  // V, octets per second (spdspin), 1025 to 2147483647
  bool bits = true;                       // unit "Bits" (rb2), else "Octets" (rb1)
  MiniGraphColours colours;
  int graduations = 4;  // G, horizontal graduations (gradspin), 0 to 999
  // Columns between vertical graduations (hspin, "secondes"), 1 to 3600: one column per tick,
  // so seconds at the default period of 1000 ms.
  int verticalSpacing = 30;
  AverageSeries average = AverageSeries::None;
  int width = 0;   // W, graph area
  int height = 0;  // H, graph area and overlay
  NumberFormat format;
};

// The overlay's figures, recomputed at every layout.
struct OverlayLayout {
  float pixelsPerOctet = 0;  // H ÷ V
  std::string unitText;      // " K" or " M", after each label
  double divisor = 1;        // of the label values: 1024 or 1048576
  int step = 0;              // pixels between horizontal graduations
  int labelSpacing = 1;      // N: one label every N graduations
};

// The overlay's figures; the canvas gives the text metrics only.
OverlayLayout LayOutOverlay(const Canvas& canvas, const MiniGraphInput& in);

// The value of horizontal graduation i, counting down from the full scale in steps of V ÷ G,
// each cut to one decimal, then its unit text: "48 K".
std::string GraduationLabel(const MiniGraphInput& in, const OverlayLayout& layout, int i);

// Draws the overlay on a canvas of its size and returns its layout.
OverlayLayout DrawOverlay(Canvas& canvas, const MiniGraphInput& in);

// Draws the graph area on a canvas of its size: receive columns, the two send lines and the
// average line, from record 0 in column W − 2 leftwards to column 1, or to the oldest record
// when the area is wider than the history; the columns left of it stay white.
void DrawGraph(Canvas& canvas, const MiniGraphInput& in);

// The graph area drawn tick after tick on a canvas that keeps its picture, with DrawGraph's
// pixels: when the records have only aged by one, the picture moves one column left and only
// the columns at both ends are drawn again, and the average line's old and new rows when it
// moves; when nothing changed, nothing is drawn; any other change (size, colours, scale, average
// series, history) draws the whole picture.
class ScrollingGraph {
 public:
  // The canvas holds what the previous Draw left on it, or Forget was called. False when the
  // picture stayed as it was.
  bool Draw(Canvas& canvas, const MiniGraphInput& in);
  // The canvas's pixels are not those of the previous Draw any more (a new image).
  void Forget() { drawn_ = false; }

 private:
  // What the picture depends on besides the records.
  struct Look {
    MiniGraphColours colours;
    float pixelsPerOctet;
    int width;
    int height;
    AverageSeries average;
    int canvasWidth;
    int canvasHeight;

    bool operator==(const Look&) const = default;
  };

  bool drawn_ = false;
  Look look_{};
  std::vector<SpeedRecord> records_;  // drawn, record 0 first
  std::vector<SpeedRecord> next_;     // reused from tick to tick
  std::optional<int> averageRow_;
};

}  // namespace kirv
