#include "config/settings_schema.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <utility>

#include "archive/filled_text.h"
#include "archive/record.h"
#include "config/speed_scale_table.h"

namespace kirv {

namespace {

// One open-use-close of the key. The key is closed also when a read or write throws; that close
// may not throw over the error already on its way.
class KeyPass {
 public:
  KeyPass(SettingsStore& store, std::string_view path, bool create) : store_(store) {
    store_.OpenKey(std::string(path), create);
  }
  ~KeyPass() {
    if (closed_) return;
    try {
      store_.CloseKey();
    } catch (const SettingsError&) {
    }
  }
  KeyPass(const KeyPass&) = delete;
  KeyPass& operator=(const KeyPass&) = delete;

  void Close() {
    closed_ = true;
    store_.CloseKey();
  }

 private:
  SettingsStore& store_;
  bool closed_ = false;
};

// Value names are compared without regard to ASCII case, whatever the locale.
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = AsciiLower(c);
  return folded;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// A text as part of one line of a message: control bytes as "\xHH", cut after length bytes.
std::string OneLine(std::string_view text, std::size_t length) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string line;
  for (char c : text.substr(0, length)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      line += "\\x";
      line += kHex[byte >> 4];
      line += kHex[byte & 0xF];
    } else {
      line += c;
    }
  }
  if (text.size() > length) line += "…";
  return line;
}

bool IsGlobalName(const std::string& name) {
  return std::any_of(kGlobalSettings.begin(), kGlobalSettings.end(),
                     [&](const SettingDefinition& d) { return SameName(d.name, name); });
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Why a text read for d cannot be taken, or the empty text when it can.
std::string TextProblem(const SettingDefinition& d, const std::string& text,
                        const TextCatalogue* texts) {
  switch (d.form) {
    case TextForm::kAny:
      return "";
    case TextForm::kColour:
      if (text.empty() || text.size() > 8 || !std::all_of(text.begin(), text.end(), IsHexDigit)) {
        return Translated(texts, KIRV_TEXT("kirv", "pas une couleur (six chiffres hexadécimaux)"));
      }
      return "";
    case TextForm::kOctets:
      return OctetsOfText(text)
                 ? ""
                 : Translated(texts, KIRV_TEXT("kirv",
                                               "pas un nombre d'octets (1 à 9223372036854775807)"));
    case TextForm::kDay:
      return text.empty() || DayOfText(text)
                 ? ""
                 : Translated(texts, KIRV_TEXT("kirv", "pas une date (jj/mm/aaaa)"));
    case TextForm::kPath:
      if (text.size() > kMaxPathLength) {
        return FilledText(Translated(texts, KIRV_TEXT("kirv", "chemin de plus de %1 octets")),
                          {std::to_string(kMaxPathLength)});
      }
      if (text.find('\0') != std::string::npos) {
        return Translated(texts, KIRV_TEXT("kirv", "chemin contenant un octet nul"));
      }
      return "";
  }
  return "";
}

std::string Shown(bool value) { return value ? "true" : "false"; }
std::string Shown(std::int32_t value) { return std::to_string(value); }
std::string Shown(const std::string& value) { return '"' + value + '"'; }

// Reads values into controls. A value behind an absent gate is not read, nor is a missing one; a
// value that is read but of the wrong type or not in its control's form leaves its control as it is
// and says so; an integer outside its control's bounds is held to them or leaves the control too.
class Reader {
 public:
  Reader(SettingsStore& store, SettingsReading& reading, const SettingsWarningSink& warn)
      : store_(store), reading_(reading), warn_(warn) {}

  bool Exists(const std::string& name) const { return store_.ValueExists(name); }

  // Whether the value was read into the control.
  template <typename T>
  bool Read(const SettingDefinition& d, T& control) {
    for (std::string_view gate : d.gates) {
      if (!gate.empty() && !store_.ValueExists(std::string(gate))) return false;
    }
    // A file written by hand may leave out any value: it keeps its default without a word.
    if (!store_.ValueExists(std::string(d.name))) return false;
    return Take(d, control);
  }

  bool Read(const std::string& name, bool& control) {
    return Guarded(name, Shown(control), [&] { control = store_.ReadBool(name); });
  }

  // Checks the box when the value reads true; never unchecks it. An interface value named like a
  // global value ("Gradu" followed by "2") is that global value's, and is not read. A value that
  // an earlier pass has read already is not said again.
  bool CheckWhenTrue(const std::string& name, bool& control, bool readBefore = false) {
    if (IsGlobalName(name) || !store_.ValueExists(name)) return false;
    bool value = false;
    if (readBefore) {
      try {
        value = store_.ReadBool(name);
      } catch (const SettingsError&) {
        return false;
      }
    } else if (!Read(name, value)) {
      return false;
    }
    if (value) control = true;
    return value;
  }

  // Two interfaces of the same name share their values: a bad one is said once.
  void Warn(const std::string& name, const std::string& why) {
    if (!warned_.insert(Folded(name)).second) return;
    ++warnings_;
    if (warnings_ > kMaxWarningsPerPass) return;
    Say(FilledText(Text(KIRV_TEXT("kirv", "réglage \"%1\" : %2")),
                   {OneLine(name, 64), OneLine(why, 240)}));
  }

  // Says how many lines were left out.
  void Finish() {
    if (warnings_ <= kMaxWarningsPerPass) return;
    Say(FilledText(Text(KIRV_TEXT("kirv", "et %1 autres réglages invalides")),
                   {std::to_string(warnings_ - kMaxWarningsPerPass)}));
  }

 private:
  std::string Text(const char* source) const { return Translated(store_.Texts(), source); }

  bool Take(const SettingDefinition& d, bool& control) {
    return Read(std::string(d.name), control);
  }

  bool Take(const SettingDefinition& d, std::int32_t& control) {
    const std::string name(d.name);
    std::int32_t value = 0;
    if (!Guarded(name, Shown(control), [&] { value = store_.ReadInteger(name); })) return false;
    const IntegerBounds& b = d.bounds;
    if (value >= b.minimum && value <= b.maximum) {
      control = value;
      return true;
    }
    const std::string outside = FilledText(Text(KIRV_TEXT("kirv", "%1 hors de %2 à %3")),
                                           {Shown(value), Shown(b.minimum), Shown(b.maximum)});
    if (b.outside == OutOfRange::kKeepsDefault) {
      Warn(name, Kept(outside, Shown(control)));
      return false;
    }
    control = std::clamp(value, b.minimum, b.maximum);
    Warn(name, FilledText(Text(KIRV_TEXT("kirv", "%1 ; ramené à %2")), {outside, Shown(control)}));
    return true;
  }

  bool Take(const SettingDefinition& d, std::string& control) {
    const std::string name(d.name);
    std::string value;
    const bool read = Guarded(name, Shown(control), [&] { value = store_.ReadString(name); });
    if (!read) return false;
    if (const std::string problem = TextProblem(d, value, store_.Texts()); !problem.empty()) {
      Warn(name, Kept(problem, Shown(control)));
      return false;
    }
    control = std::move(value);
    return true;
  }

  template <typename F>
  bool Guarded(const std::string& name, const std::string& kept, F read) {
    try {
      read();
      return true;
    } catch (const SettingsError& e) {
      Warn(name, Kept(e.what(), kept));
      return false;
    }
  }

  std::string Kept(std::string_view why, std::string_view kept) const {
    return FilledText(Text(KIRV_TEXT("kirv", "%1 ; valeur gardée : %2")), {why, kept});
  }

  void Say(std::string line) {
    if (warn_) warn_(line);
    reading_.warnings.push_back(std::move(line));
  }

  SettingsStore& store_;
  SettingsReading& reading_;
  const SettingsWarningSink& warn_;
  std::size_t warnings_ = 0;
  std::set<std::string> warned_;
};

// Closes a reading pass; a key that cannot be stored is reported, start-up goes on.
void CloseReading(KeyPass& pass, Reader& reader, std::string_view path) {
  try {
    pass.Close();
  } catch (const SettingsError& e) {
    reader.Warn(std::string(path), e.what());
  }
  reader.Finish();
}

void Write(SettingsStore& store, const SettingDefinition& d, bool value) {
  store.WriteBool(std::string(d.name), value);
}
void Write(SettingsStore& store, const SettingDefinition& d, std::int32_t value) {
  if (d.bounds.outside == OutOfRange::kHeld) {
    value = std::clamp(value, d.bounds.minimum, d.bounds.maximum);
  }
  store.WriteInteger(std::string(d.name), value);
}
void Write(SettingsStore& store, const SettingDefinition& d, const std::string& value) {
  store.WriteString(std::string(d.name), value);
}

// An interface's value, of an interface not in today's lists, is kept for the day it comes back.
bool CouldBeInterfaceValue(const SettingsStore& store, const std::string& name) {
  if (name.size() > kMaxInterfaceValueName) return false;
  try {
    store.ReadBool(name);
    return true;
  } catch (const SettingsError&) {
    return false;
  }
}

void RemoveUnknownValues(SettingsStore& store) {
  for (const std::string& name : store.ValueNames()) {
    if (!IsGlobalName(name) && !CouldBeInterfaceValue(store, name)) store.DeleteValue(name);
  }
}

// A global value of the same name is written later and is the one that stays.
void WriteInterfaceValue(SettingsStore& store, const std::string& name, bool value) {
  if (!IsGlobalName(name)) store.WriteBool(name, value);
}

void WriteInterfaces(SettingsStore& store, const std::vector<InterfaceChecks>& interfaces) {
  for (const InterfaceChecks& i : interfaces) {
    WriteInterfaceValue(store, MonitorValueName(i.name), i.lb);
    WriteInterfaceValue(store, Graph1ValueName(i.name), i.lb1);
    WriteInterfaceValue(store, Graph2ValueName(i.name), i.lb2);
  }
}

void WriteGeometry(SettingsStore& store, const MeterControls& m) {
  Write(store, GlobalSetting("width"), m.width);
  Write(store, GlobalSetting("height"), m.height);
  Write(store, GlobalSetting("top"), m.top);
  Write(store, GlobalSetting("left"), m.left);
}

// The global values, in the order of kGlobalSettings.
void WriteGlobals(SettingsStore& store, const ConfigControls& c, const GraphControls& g,
                  const MeterControls& m) {
  Write(store, GlobalSetting("Graphfile"), g.Graphfile);
  Write(store, GlobalSetting("Autorec"), g.autorec);
  Write(store, GlobalSetting("Legende"), g.legd);
  Write(store, GlobalSetting("Tous"), g.tous);
  Write(store, GlobalSetting("Vmax"), g.cbmx);
  Write(store, GlobalSetting("aot"), c.aot);
  Write(store, GlobalSetting("Unite"), g.rb1);
  Write(store, GlobalSetting("Unite2"), c.rb1);
  Write(store, GlobalSetting("tracegraph"), c.cbGr);
  Write(store, GlobalSetting("micro"), c.micro);
  Write(store, GlobalSetting("Gradu"), g.gradspin);
  Write(store, GlobalSetting("Echelle"), g.cb);
  Write(store, GlobalSetting("Vitesse"), g.spdspin);
  Write(store, GlobalSetting("Gradu2"), c.gradspin);
  Write(store, GlobalSetting("Gradu3"), c.hspin);
  Write(store, GlobalSetting("Echelle2"), c.cb);
  Write(store, GlobalSetting("Vitesse2"), c.spdspin);
  Write(store, GlobalSetting("Type"), g.cbG);
  WriteGeometry(store, m);
  Write(store, GlobalSetting("lrec"), c.Edit1);
  Write(store, GlobalSetting("lenv"), c.Edit2);
  Write(store, GlobalSetting("lrep"), c.Edit3);
  Write(store, GlobalSetting("lenp"), c.Edit4);
  Write(store, GlobalSetting("lint"), c.Edit5);
  Write(store, GlobalSetting("firstlaunch"), false);
  Write(store, GlobalSetting("Type moyenne"), AverageLineValue(m));
  const PlanControls& p = c.plan;
  Write(store, GlobalSetting("planOn"), p.on);
  Write(store, GlobalSetting("planLimit"), p.limit);
  Write(store, GlobalSetting("planPeriod"), p.period);
  Write(store, GlobalSetting("planDay"), p.startDay);
  Write(store, GlobalSetting("planEvery"), p.everyDays);
  Write(store, GlobalSetting("planFrom"), p.firstDay);
  Write(store, GlobalSetting("planCount"), p.count);
  Write(store, GlobalSetting("planWarning"), p.warning);
  Write(store, GlobalSetting("planInterfaces"), p.interfaces);
  Write(store, GlobalSetting("metricsDir"), c.metricsDir);
}

void ReadPlanGroup(Reader& reader, PlanControls& p) {
  reader.Read(GlobalSetting("planOn"), p.on);
  reader.Read(GlobalSetting("planLimit"), p.limit);
  reader.Read(GlobalSetting("planPeriod"), p.period);
  reader.Read(GlobalSetting("planDay"), p.startDay);
  reader.Read(GlobalSetting("planEvery"), p.everyDays);
  reader.Read(GlobalSetting("planFrom"), p.firstDay);
  reader.Read(GlobalSetting("planCount"), p.count);
  reader.Read(GlobalSetting("planWarning"), p.warning);
  reader.Read(GlobalSetting("planInterfaces"), p.interfaces);
}

// Checks a box from its value; the box's click handler runs when its state changes.
void RestoreBox(Reader& reader, const SettingDefinition& d, bool& box, ConfigHandler handler,
                SettingsReading& reading) {
  bool value = box;
  if (reader.Read(d, value) && value != box) {
    box = value;
    reading.handlers.push_back(handler);
  }
}

void RestoreAverageLine(Reader& reader, MeterControls& m) {
  std::int32_t value = -1;
  if (!reader.Read(GlobalSetting("Type moyenne"), value) || value < 0 || value > 2) return;
  m.Aucun1 = value == 0;
  m.Reception1 = value == 1;
  m.Envoi1 = value == 2;
}

void ReadMeterGroup(Reader& reader, ConfigControls& c, MeterControls& m, SettingsReading& reading) {
  reader.Read(GlobalSetting("Unite2"), c.rb1);
  reader.Read(GlobalSetting("Gradu2"), c.gradspin);
  reader.Read(GlobalSetting("Gradu3"), c.hspin);
  reader.Read(GlobalSetting("Echelle2"), c.cb);
  reader.Read(GlobalSetting("Vitesse2"), c.spdspin);
  reader.Read(GlobalSetting("width"), m.width);
  reader.Read(GlobalSetting("top"), m.top);
  reader.Read(GlobalSetting("left"), m.left);
  reader.Read(GlobalSetting("height"), m.height);
  RestoreBox(reader, GlobalSetting("tracegraph"), c.cbGr, ConfigHandler::kCbGrClick, reading);
  RestoreBox(reader, GlobalSetting("aot"), c.aot, ConfigHandler::kAotClick, reading);
  bool micro = false;
  if (reader.Read(GlobalSetting("micro"), micro) && micro && !c.micro) {
    c.micro = true;
    reading.handlers.push_back(ConfigHandler::kMicroClick);
  }
  if (c.cb == kManualScaleItem) c.spdspinEnabled = true;
  reading.showConfiguration = !reader.Exists("firstlaunch");
  RestoreAverageLine(reader, m);
}

}  // namespace

std::optional<std::uint64_t> OctetsOfText(std::string_view text) {
  std::uint64_t octets = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, octets);
  if (error != std::errc() || stop != end || octets == 0 || octets > kLargestCount) {
    return std::nullopt;
  }
  return octets;
}

std::optional<DateTime> DayOfText(std::string_view text) {
  // The date part of a record's timestamp, read as records are.
  const DateTime t = ParseRecord(text).time;
  if (text.size() != 10 || text[2] != '/' || text[5] != '/' ||
      !IsValidDate(t.year, t.month, t.day)) {
    return std::nullopt;
  }
  return DateTime{t.year, t.month, t.day};
}

std::string MonitorValueName(const std::string& n) { return n; }
std::string Graph1ValueName(const std::string& n) { return n + "1"; }
std::string Graph2ValueName(const std::string& n) { return n + "2"; }

std::int32_t AverageLineValue(const MeterControls& meter) {
  if (meter.Envoi1) return 2;
  if (meter.Reception1) return 1;
  return 0;
}

SettingsReading ReadForm1Settings(SettingsStore& store, const AutoStartEntry& autoStart,
                                  ConfigControls& c, const SettingsWarningSink& warn) {
  SettingsReading reading;
  if (autoStart.Exists()) c.cbWin = true;
  KeyPass pass(store, kSettingsKeyCapitals, true);
  Reader reader(store, reading, warn);
  for (std::size_t i = 0; i < c.interfaces.size(); ++i) {
    if (reader.CheckWhenTrue(MonitorValueName(c.interfaces[i].name), c.interfaces[i].lb)) {
      reading.monitored.push_back(i);
    }
  }
  reader.Read(GlobalSetting("lrec"), c.Edit1);
  reader.Read(GlobalSetting("lenv"), c.Edit2);
  reader.Read(GlobalSetting("lrep"), c.Edit3);
  reader.Read(GlobalSetting("lenp"), c.Edit4);
  reader.Read(GlobalSetting("lint"), c.Edit5);
  ReadPlanGroup(reader, c.plan);
  reader.Read(GlobalSetting("metricsDir"), c.metricsDir);
  CloseReading(pass, reader, kSettingsKeyCapitals);
  return reading;
}

SettingsReading ReadPlanSettings(SettingsStore& store, PlanControls& plan,
                                 const SettingsWarningSink& warn) {
  SettingsReading reading;
  KeyPass pass(store, kSettingsKey, false);
  Reader reader(store, reading, warn);
  ReadPlanGroup(reader, plan);
  CloseReading(pass, reader, kSettingsKey);
  return reading;
}

SettingsReading ReadForm2Settings(SettingsStore& store, GraphControls& g,
                                  const SettingsWarningSink& warn) {
  SettingsReading reading;
  g.cb = DefaultNumber("Echelle");
  g.spdspin = DefaultNumber("Vitesse");
  g.cbG = DefaultNumber("Type");
  KeyPass pass(store, kSettingsKey, false);
  Reader reader(store, reading, warn);
  reader.Read(GlobalSetting("Graphfile"), g.Graphfile);
  reader.Read(GlobalSetting("Vmax"), g.cbmx);
  reader.Read(GlobalSetting("Unite"), g.rb1);
  reader.Read(GlobalSetting("Legende"), g.legd);
  reader.Read(GlobalSetting("Autorec"), g.autorec);
  reader.Read(GlobalSetting("Tous"), g.tous);
  reader.Read(GlobalSetting("Gradu"), g.gradspin);
  reader.Read(GlobalSetting("Echelle"), g.cb);
  reader.Read(GlobalSetting("Vitesse"), g.spdspin);
  if (g.cb == kManualScaleItem) g.spdspinEnabled = true;
  CloseReading(pass, reader, kSettingsKey);
  return reading;
}

SettingsReading ReadForm3Settings(SettingsStore& store, ConfigControls& c, MeterControls& m,
                                  const SettingsWarningSink& warn) {
  SettingsReading reading;
  c.spdspin = DefaultNumber("Vitesse2");
  KeyPass pass(store, kSettingsKey, true);
  Reader reader(store, reading, warn);
  for (std::size_t i = 0; i < c.interfaces.size(); ++i) {
    InterfaceChecks& entry = c.interfaces[i];
    if (reader.CheckWhenTrue(MonitorValueName(entry.name), entry.lb, true)) {
      reading.monitored.push_back(i);
    }
    reader.CheckWhenTrue(Graph1ValueName(entry.name), entry.lb1);
    reader.CheckWhenTrue(Graph2ValueName(entry.name), entry.lb2);
  }
  if (reader.Exists("lrec")) ReadMeterGroup(reader, c, m, reading);
  CloseReading(pass, reader, kSettingsKey);
  return reading;
}

void SaveSettings(SettingsStore& store, AutoStartEntry& autoStart,
                  const std::string& executablePath, const ConfigControls& config,
                  const GraphControls& graph, const MeterControls& meter) {
  if (config.cbWin) {
    autoStart.Write(executablePath);
  } else {
    autoStart.Remove();
  }
  KeyPass pass(store, kSettingsKey, true);
  RemoveUnknownValues(store);
  WriteInterfaces(store, config.interfaces);
  WriteGlobals(store, config, graph, meter);
  pass.Close();
}

void SaveMeterGeometry(SettingsStore& store, const MeterControls& meter) {
  KeyPass pass(store, kSettingsKey, true);
  WriteGeometry(store, meter);
  pass.Close();
}

}  // namespace kirv
