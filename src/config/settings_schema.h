#pragma once

// What the settings key holds and how the windows read and write it: the value names, types,
// defaults, gates and orders, and the reading and writing passes over plain mirrors of the
// windows' controls.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/auto_start_entry.h"
#include "common/calendar.h"
#include "common/settings_store.h"
#include "common/standard_error.h"

namespace kirv {

// The one key that holds every setting. The configuration dialog's creation spells it in
// capitals; key paths are compared without regard to case.
inline constexpr std::string_view kSettingsKey = "\\software\\KIRV";
inline constexpr std::string_view kSettingsKeyCapitals = "\\SOFTWARE\\KIRV";

enum class SettingType { kString, kInteger, kBool };

// What a string must look like to be read.
enum class TextForm {
  kAny,
  kColour,  // one to eight hexadecimal digits, as the colour fields take them
  kPath,    // a file path: no NUL byte, at most kMaxPathLength bytes
  kOctets,  // a whole number of octets, 1 to 2^63 - 1, in plain decimal digits
  kDay,     // a date "dd/mm/yyyy", or the empty text for none
};

// The window whose creation reads a value.
enum class SettingReader { kNone, kForm1, kForm2, kForm3 };

// Geometry that a screen can show. A size beyond kMaxWindowSize is larger than any desktop of
// today's screens side by side, and the largest surface most graphics drivers accept; positions
// stay within the X protocol's signed 16-bit coordinates. A stored meter height of 2147483647
// would otherwise make every start lay out and draw millions of rows.
inline constexpr std::int32_t kMaxWindowSize = 16384;  // px
inline constexpr std::int32_t kMinScreenPosition = -32768;
inline constexpr std::int32_t kMaxScreenPosition = 32767;
// The meter window's smallest size: compact, without its graph.
inline constexpr std::int32_t kMinMeterWidth = 60;
inline constexpr std::int32_t kMinMeterHeight = 19;
// The longest file path the system opens (PATH_MAX), bytes.
inline constexpr std::size_t kMaxPathLength = 4096;
// The longest interface value name kept by a save besides the ones it writes, bytes.
inline constexpr std::size_t kMaxInterfaceValueName = 256;

// How a read integer outside its control's bounds is taken.
enum class OutOfRange {
  kHeld,          // held to the nearer bound, as the control would hold it
  kKeepsDefault,  // an item index: the control keeps what it holds
};

struct IntegerBounds {
  std::int32_t minimum = INT32_MIN;
  std::int32_t maximum = INT32_MAX;
  OutOfRange outside = OutOfRange::kHeld;
};

struct SettingDefinition {
  std::string_view name;
  SettingType type;
  SettingReader readBy;
  // Values whose presence the reading needs, an empty slot unused. A gate lists itself: it is read
  // only when present.
  std::array<std::string_view, 2> gates;
  std::string_view defaultText;  // for a string
  std::int32_t defaultNumber;    // for an integer; a bool's 1 or 0
  IntegerBounds bounds{};        // for an integer: its control's
  TextForm form = TextForm::kAny;
};

inline constexpr IntegerBounds kItemIndex{-1, 8, OutOfRange::kKeepsDefault};  // the scale lists

// The global values in the order of the save.
inline constexpr std::array<SettingDefinition, 39> kGlobalSettings{{
    {"Graphfile",
     SettingType::kString,
     SettingReader::kForm2,
     {"Graphfile"},
     "",
     0,
     {},
     TextForm::kPath},
    {"Autorec", SettingType::kBool, SettingReader::kForm2, {"Graphfile", "Legende"}, "", 0},
    {"Legende", SettingType::kBool, SettingReader::kForm2, {"Graphfile", "Legende"}, "", 0},
    {"Tous", SettingType::kBool, SettingReader::kForm2, {"Graphfile", "Legende"}, "", 0},
    {"Vmax", SettingType::kBool, SettingReader::kForm2, {"Graphfile"}, "", 1},
    {"aot", SettingType::kBool, SettingReader::kForm3, {"lrec"}, "", 1},
    {"Unite", SettingType::kBool, SettingReader::kForm2, {"Graphfile"}, "", 0},
    {"Unite2", SettingType::kBool, SettingReader::kForm3, {"lrec"}, "", 0},
    {"tracegraph", SettingType::kBool, SettingReader::kForm3, {"lrec"}, "", 1},
    {"micro", SettingType::kBool, SettingReader::kForm3, {"lrec"}, "", 0},
    {"Gradu", SettingType::kInteger, SettingReader::kForm2, {"Graphfile"}, "", 8, {1, 999}},
    {"Echelle", SettingType::kInteger, SettingReader::kForm2, {"Graphfile"}, "", 2, kItemIndex},
    {"Vitesse",
     SettingType::kInteger,
     SettingReader::kForm2,
     {"Graphfile"},
     "",
     65536,
     {1, INT32_MAX}},
    {"Gradu2", SettingType::kInteger, SettingReader::kForm3, {"lrec"}, "", 4, {0, 999}},
    {"Gradu3", SettingType::kInteger, SettingReader::kForm3, {"lrec"}, "", 30, {1, 3600}},
    {"Echelle2", SettingType::kInteger, SettingReader::kForm3, {"lrec"}, "", -1, kItemIndex},
    {"Vitesse2",
     SettingType::kInteger,
     SettingReader::kForm3,
     {"lrec"},
     "",
     65536,
     {1025, INT32_MAX}},
    {"Type", SettingType::kInteger, SettingReader::kNone, {}, "", 0},
    {"width",
     SettingType::kInteger,
     SettingReader::kForm3,
     {"lrec"},
     "",
     403,
     {kMinMeterWidth, kMaxWindowSize}},
    {"height",
     SettingType::kInteger,
     SettingReader::kForm3,
     {"lrec"},
     "",
     189,
     {kMinMeterHeight, kMaxWindowSize}},
    {"top",
     SettingType::kInteger,
     SettingReader::kForm3,
     {"lrec"},
     "",
     123,
     {kMinScreenPosition, kMaxScreenPosition}},
    {"left",
     SettingType::kInteger,
     SettingReader::kForm3,
     {"lrec"},
     "",
     197,
     {kMinScreenPosition, kMaxScreenPosition}},
    {"lrec",
     SettingType::kString,
     SettingReader::kForm1,
     {"lrec"},
     "00CC00",
     0,
     {},
     TextForm::kColour},
    {"lenv",
     SettingType::kString,
     SettingReader::kForm1,
     {"lrec"},
     "FF0000",
     0,
     {},
     TextForm::kColour},
    {"lrep",
     SettingType::kString,
     SettingReader::kForm1,
     {"lrec"},
     "006600",
     0,
     {},
     TextForm::kColour},
    {"lenp",
     SettingType::kString,
     SettingReader::kForm1,
     {"lrec"},
     "FF00FF",
     0,
     {},
     TextForm::kColour},
    {"lint",
     SettingType::kString,
     SettingReader::kForm1,
     {"lrec"},
     "01E5DD",
     0,
     {},
     TextForm::kColour},
    // Presence only: written false by every save, so the dialog opens at one start only.
    {"firstlaunch", SettingType::kBool, SettingReader::kForm3, {"lrec"}, "", 0},
    // Any value outside 0 to 2 checks no menu item: the meter keeps "Aucun".
    {"Type moyenne", SettingType::kInteger, SettingReader::kForm3, {"lrec", "Type moyenne"}, "", 0},
    // The data plan ("Forfait"): read by the configuration dialog and by "kirv plan".
    {"planOn", SettingType::kBool, SettingReader::kForm1, {}, "", 0},
    {"planLimit",
     SettingType::kString,
     SettingReader::kForm1,
     {},
     "10737418240",  // 10 Go
     0,
     {},
     TextForm::kOctets},
    // 0 monthly from planDay, 1 daily, 2 every planEvery days from planFrom.
    {"planPeriod",
     SettingType::kInteger,
     SettingReader::kForm1,
     {},
     "",
     0,
     {0, 2, OutOfRange::kKeepsDefault}},
    {"planDay", SettingType::kInteger, SettingReader::kForm1, {}, "", 1, {1, 31}},
    {"planEvery", SettingType::kInteger, SettingReader::kForm1, {}, "", 30, {1, 366}},
    {"planFrom", SettingType::kString, SettingReader::kForm1, {}, "", 0, {}, TextForm::kDay},
    // 0 received and sent, 1 received, 2 sent.
    {"planCount",
     SettingType::kInteger,
     SettingReader::kForm1,
     {},
     "",
     0,
     {0, 2, OutOfRange::kKeepsDefault}},
    {"planWarning", SettingType::kInteger, SettingReader::kForm1, {}, "", 80, {1, 99}},
    // Interface names separated by spaces (no name holds one); empty: every archive.
    {"planInterfaces", SettingType::kString, SettingReader::kForm1, {}, "", 0},
    // The folder of kirv.prom for node_exporter's textfile collector; empty: none is written.
    // Set by hand: no control holds it, so a save writes back what was read.
    {"metricsDir", SettingType::kString, SettingReader::kForm1, {}, "", 0},
}};

consteval const SettingDefinition& GlobalSetting(std::string_view name) {
  for (const SettingDefinition& d : kGlobalSettings) {
    if (d.name == name) return d;
  }
  throw "no such setting";
}
consteval std::string_view DefaultText(std::string_view name) {
  return GlobalSetting(name).defaultText;
}
consteval std::int32_t DefaultNumber(std::string_view name) {
  return GlobalSetting(name).defaultNumber;
}
consteval bool DefaultBool(std::string_view name) { return GlobalSetting(name).defaultNumber != 0; }

// The three values of an interface named n: monitored (lb), first graph (lb1), second graph (lb2).
// Two interfaces of the same name share them, and "eth" + "1" is also the interface "eth1".
std::string MonitorValueName(const std::string& n);
std::string Graph1ValueName(const std::string& n);
std::string Graph2ValueName(const std::string& n);

// One position of the configuration dialog's three interface lists, which hold the same names in
// the same order.
struct InterfaceChecks {
  std::string name;
  bool lb = false;
  bool lb1 = false;
  bool lb2 = false;
  friend bool operator==(const InterfaceChecks&, const InterfaceChecks&) = default;
};

// The texts of the plan's limit and first day: plain decimal octets, 1 to 2^63 - 1, and a valid
// date "dd/mm/yyyy" (two-digit day and month).
std::optional<std::uint64_t> OctetsOfText(std::string_view text);
std::optional<DateTime> DayOfText(std::string_view text);

// The data plan's values, as the configuration dialog's page "Forfait" holds them. plan/ turns
// them into a DataPlan.
struct PlanControls {
  bool on = DefaultBool("planOn");
  std::string limit{DefaultText("planLimit")};  // octets
  std::int32_t period = DefaultNumber("planPeriod");
  std::int32_t startDay = DefaultNumber("planDay");
  std::int32_t everyDays = DefaultNumber("planEvery");
  std::string firstDay{DefaultText("planFrom")};  // "dd/mm/yyyy", empty when none was chosen
  std::int32_t count = DefaultNumber("planCount");
  std::int32_t warning = DefaultNumber("planWarning");  // percent
  std::string interfaces{DefaultText("planInterfaces")};
  friend bool operator==(const PlanControls&, const PlanControls&) = default;
};

// The configuration dialog's controls that hold settings (TForm1).
struct ConfigControls {
  bool cbWin = false;  // the auto-start entry exists
  std::vector<InterfaceChecks> interfaces;
  std::string Edit1{DefaultText("lrec")};
  std::string Edit2{DefaultText("lenv")};
  std::string Edit3{DefaultText("lrep")};
  std::string Edit4{DefaultText("lenp")};
  std::string Edit5{DefaultText("lint")};
  bool aot = DefaultBool("aot");
  bool rb1 = DefaultBool("Unite2");  // "Octets"; rb2 "Bits" is its opposite
  bool cbGr = DefaultBool("tracegraph");
  bool micro = DefaultBool("micro");
  std::int32_t gradspin = DefaultNumber("Gradu2");
  std::int32_t hspin = DefaultNumber("Gradu3");
  std::int32_t cb = DefaultNumber("Echelle2");  // item index, -1 for none
  std::int32_t spdspin = DefaultNumber("Vitesse2");
  bool spdspinEnabled = false;
  PlanControls plan;
  std::string metricsDir{DefaultText("metricsDir")};
  friend bool operator==(const ConfigControls&, const ConfigControls&) = default;
};

// The history graph window's controls that hold settings (TForm2).
struct GraphControls {
  std::string Graphfile;  // OpenDialog1's file name
  bool autorec = DefaultBool("Autorec");
  bool legd = DefaultBool("Legende");
  bool tous = DefaultBool("Tous");
  bool cbmx = DefaultBool("Vmax");
  bool rb1 = DefaultBool("Unite");  // "Octets"; rb2 "Bits" is its opposite
  std::int32_t gradspin = DefaultNumber("Gradu");
  std::int32_t cb = DefaultNumber("Echelle");
  std::int32_t spdspin = DefaultNumber("Vitesse");
  std::int32_t cbG = DefaultNumber("Type");
  bool spdspinEnabled = false;
  friend bool operator==(const GraphControls&, const GraphControls&) = default;
};

// The meter window's bounds and its "Vitesse Moyenne" radio items (TForm3).
struct MeterControls {
  std::int32_t width = DefaultNumber("width");
  std::int32_t height = DefaultNumber("height");
  std::int32_t top = DefaultNumber("top");
  std::int32_t left = DefaultNumber("left");
  bool Aucun1 = true;
  bool Reception1 = false;
  bool Envoi1 = false;
  friend bool operator==(const MeterControls&, const MeterControls&) = default;
};

// A click handler of the configuration dialog that a restored check box runs because its state
// changed. A window whose handlers are bound to the boxes' toggled signals gets them, in this
// order, by copying cbGr, aot and micro in that order.
enum class ConfigHandler { kCbGrClick, kAotClick, kMicroClick };

// Where a reading pass says which values it could not take as they were, one line each.
using SettingsWarningSink = std::function<void(std::string_view line)>;

// A reading pass says at most this many lines about single values, then one line that says how
// many more it left out: a key full of bad values says a few dozen lines at start, not thousands.
inline constexpr std::size_t kMaxWarningsPerPass = 10;

// What a reading pass leaves for its window besides the controls.
struct SettingsReading {
  // Positions of lb that the pass checked: their baselines are taken from the current counters.
  std::vector<std::size_t> monitored;
  std::vector<ConfigHandler> handlers;  // in the order they run
  bool showConfiguration = false;       // "lrec" without "firstlaunch"
  // The lines said to the sink: one per value that was missing, of the wrong type or outside its
  // control's bounds, then the count of those left out.
  std::vector<std::string> warnings;
};

// The configuration dialog's creation, after its lists are filled: the auto-start entry, the
// monitored interfaces, behind "lrec" the colour texts, then the data plan.
SettingsReading ReadForm1Settings(SettingsStore& store, const AutoStartEntry& autoStart,
                                  ConfigControls& controls,
                                  const SettingsWarningSink& warn = WriteToStandardError);

// The data plan's values alone, for the commands that need nothing else.
SettingsReading ReadPlanSettings(SettingsStore& store, PlanControls& plan,
                                 const SettingsWarningSink& warn = WriteToStandardError);

// The history graph window's creation: its group behind "Graphfile" (and "Legende").
SettingsReading ReadForm2Settings(SettingsStore& store, GraphControls& controls,
                                  const SettingsWarningSink& warn = WriteToStandardError);

// The meter window's creation: the three interface lists, then behind "lrec" the meter group
// into the configuration dialog's controls and the meter's own bounds and average line.
SettingsReading ReadForm3Settings(SettingsStore& store, ConfigControls& config,
                                  MeterControls& meter,
                                  const SettingsWarningSink& warn = WriteToStandardError);

// The configuration dialog's close query: the auto-start entry, then every value in one pass.
// Values that nothing reads (neither a global value nor a bool whose name could be an interface's)
// are removed first, so that a key filled with junk becomes a sound one. Integers are written
// within their controls' bounds. Throws SettingsError when a value cannot be stored; the caller
// shows it and stays open.
void SaveSettings(SettingsStore& store, AutoStartEntry& autoStart,
                  const std::string& executablePath, const ConfigControls& config,
                  const GraphControls& graph, const MeterControls& meter);

// The meter window's close query: its bounds. Throws SettingsError like SaveSettings.
void SaveMeterGeometry(SettingsStore& store, const MeterControls& meter);

// "Type moyenne" of the meter's radio items, the last checked of Aucun, Reception, Envoi winning.
std::int32_t AverageLineValue(const MeterControls& meter);

}  // namespace kirv
