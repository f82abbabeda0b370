#pragma once

#include <cstdint>
#include <string>

#include "common/calendar.h"
#include "common/colour.h"
#include "common/number_format.h"
#include "graph/period_table.h"

namespace kirv {

// The curve colours, as the configuration dialog's colour texts give them (ColourFromText); the
// defaults are the dialog's own.
struct GraphColours {
  Colour received = 0x00CC00;      // "lrec": received average
  Colour sent = 0xFF0000;          // "lenv": sent average
  Colour receivedPeak = 0x006600;  // "lrep"
  Colour sentPeak = 0xFF00FF;      // "lenp"
};

// Everything a trace reads, filled by the graph window from its controls when the trace starts.
struct TraceInputs {
  std::string archivePath;         // OpenDialog1's file name; empty: the trace does nothing
  int period = kDay;               // cbG item index
  int columnSpan = 300;            // seconds per column, set from the period by cbGChange only
  DateTime referenceDate;          // datep; only its date is used
  DateTime now;                    // the clock when the trace starts
  bool leftToRight = true;         // cbgd "Gauche à Droite", else cbdg "Droite à Gauche"
  bool octets = false;             // rb1 "Octets", else rb2 "Bits"
  bool automaticScale = false;     // cb on "Automatique"
  std::int64_t fullScale = 65536;  // spdspin, octets per second
  bool drawPeaks = true;           // cbmx "Dessiner pics"
  int graduations = 8;             // gradspin
  int width = 600;                 // W of the curve layer im2
  int height = 200;                // H of the curve layer
  GraphColours colours;
  NumberFormat format;

  // Multiplies octets into the displayed unit: 1 for "Octets", 8 for "Bits".
  int UnitFactor() const { return octets ? 1 : 8; }
};

inline constexpr std::int64_t kMinFullScale = 1;  // spdspin's bounds
inline constexpr std::int64_t kMaxFullScale = 2147483647;

// The inputs brought within the bounds of their controls: W 1 to 1023, H 0 to 65535, 1 to 999
// graduations, full scale 1 to 2147483647, a listed period, a span of at least one slot, a valid
// reference date (fields clamped) and a valid time of day.
TraceInputs Bounded(TraceInputs in);

}  // namespace kirv
