#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/interface_table.h"
#include "common/number_format.h"
#include "sampling/speed_history.h"
#include "sampling/speed_unit.h"

namespace kirv {

// What one sampling tick reads from the configuration dialog and the meter window.
struct TickInput {
  std::vector<bool> lb1Checked;  // per list position; positions past the end count unchecked
  std::vector<bool> lb2Checked;
  // The interface names of the entries of the lists, by position; they must outlive the tick.
  std::span<const std::string> names;
  int period = 20;  // trackbar tb position P, 1 to 40; the timer runs every P × 50 ms
  SpeedUnit unit = SpeedUnit::kBits;
  bool automaticScale = false;  // cb on "Automatique"
  int graphWidth = 0;           // graph area im2, pixels
  int graphHeight = 0;
  int cbISelectedIndex = -1;         // nothing ever selects an entry of cbI
  bool stopwatchRunning = false;     // the stopwatch's Timer2 is enabled
  std::int32_t scaleMinimum = 1025;  // spdspin's bounds; equal bounds mean no limits
  std::int32_t scaleMaximum = 2147483647;
  NumberFormat numberFormat;
};

// What the meter window hands on after a sampling tick.
struct TickResult {
  bool textSet = false;  // MeterText was rebuilt: show it and set the tray hint to it
  int iconIndex = 0;     // tray picture: 0 idle, 1 sending, 2 receiving, 3 both
  bool stopwatchSet = false;
  std::int32_t currentIn = 0;  // octets per second, for the stopwatch's CurrentIn
  std::int32_t currentOut = 0;
  std::optional<std::int32_t> fullScale;  // spdspin's new value (automatic scale only)
};

// The meter's sampling tick: counter growth of the interfaces checked in the two graph lists
// turned into speeds (octets per second), the speed text, the tray picture and the history.
//
// Counters are divided by the nominal period before they are differenced: floor(C ÷ T) with
// T = P × 50 × 0.001 s in extended precision. A counter that falls back (interface restarted)
// or grows by more than kImpossibleGrowth (a bad reading) counts 0 for that tick.
//
// A list entry is read from the snapshot's row of the same name, wherever the table put it, and
// its previous counters belong to that name. An entry whose interface is not in the snapshot
// counts 0; when an interface of that name is there again, or comes back under a new interface
// index between two ticks, its first tick only records its counters, as after a click in a list.
//
// The meter's Timer1Timer fills a TickInput, calls Tick and hands the result on: MeterText() to
// the label and the tray hint when textSet, iconIndex to the tray icon, currentIn/currentOut to
// the stopwatch when stopwatchSet, *fullScale to spdspin; then it lays out the label and draws
// the graph from History() and PixelsPerOctet(). Its non-sampling pass (after a resize) skips
// Tick.
class RateSampler {
 public:
  // The text before the first tick is in the language of `texts`.
  explicit RateSampler(InterfaceTable& table, const TextCatalogue* texts = nullptr)
      : table_(table), meterText_(Translated(texts, KIRV_TEXT("kirv", "0ko/s  UL : 0ko/s"))) {}

  // One snapshot of the table serves every list position of the tick.
  TickResult Tick(const TickInput& input);

  // The next tick records counters without measuring: a click in lb1 or lb2, a period change.
  void ClearPrimed() { primed_ = false; }
  bool Primed() const { return primed_; }

  const std::string& MeterText() const { return meterText_; }
  const SpeedHistory& History() const { return history_; }
  float PixelsPerOctet() const { return pixelsPerOctet_; }
  // The overlay recomputes it from the full scale whenever it is redrawn.
  void SetPixelsPerOctet(float value) { pixelsPerOctet_ = value; }
  int LastPeriod() const { return lastPeriod_; }
  int LastSelection() const { return lastSelection_; }

 private:
  struct Counters {
    std::uint64_t in = 0;  // scaled: floor(octets ÷ T)
    std::uint64_t out = 0;
  };
  struct Sums {
    std::uint64_t in1 = 0, out1 = 0, in2 = 0, out2 = 0;  // octets per second
  };
  // PrevIn and PrevOut of one interface name.
  struct Previous {
    std::string name;
    int index = 0;  // interface index the counters were read from; 0 when they must be taken again
    Counters counters;
  };

  Sums Sample(const InterfaceSnapshot& snapshot, const TickInput& input, bool measure);
  Previous& PreviousOf(const std::string& name);
  void WriteNewest(const Sums& sums, bool recorded);
  std::int32_t AutomaticScale(const TickInput& input);

  InterfaceTable& table_;
  std::vector<Previous> previous_;  // one per name ever sampled: a handful
  SpeedHistory history_;
  std::string meterText_;
  float pixelsPerOctet_ = 0.0f;
  bool primed_ = false;
  int lastPeriod_ = 20;
  int lastSelection_ = 0;
};

// The speed text of a receive speed r and a send speed s in octets per second.
std::string SpeedText(std::uint64_t r, std::uint64_t s, SpeedUnit unit, const NumberFormat& format);

}  // namespace kirv
