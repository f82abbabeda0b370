// The settings schema over a key of any names and values: the three reading passes of start-up,
// a save, and the three passes again. Sizes and positions read are within what a screen shows,
// each pass says a bounded number of lines, and the second start reads back exactly what the save
// wrote, without a word.
//
// Input: flags, the interface names of the lists, then values (kind, name, value) to the end.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings_schema.h"
#include "fakes/fake_services.h"
#include "fuzz_input.h"
#include "sampling/interface_name.h"

KIRV_FUZZ_HARNESS_BEGIN

namespace {

using kirv::testing::FakeAutoStartEntry;
using kirv::testing::MemorySettingsStore;

struct Windows {
  kirv::ConfigControls config;
  kirv::GraphControls graph;
  kirv::MeterControls meter;
  std::vector<kirv::SettingsReading> readings;

  explicit Windows(const std::vector<std::string>& names) {
    for (const std::string& n : names) config.interfaces.push_back({n});
  }

  // The creations of the configuration dialog, the graph window and the meter, in this order.
  void Start(MemorySettingsStore& store, const FakeAutoStartEntry& autoStart) {
    const kirv::SettingsWarningSink quiet = [](std::string_view) {};
    readings.push_back(kirv::ReadForm1Settings(store, autoStart, config, quiet));
    readings.push_back(kirv::ReadForm2Settings(store, graph, quiet));
    readings.push_back(kirv::ReadForm3Settings(store, config, meter, quiet));
  }

  std::size_t Warnings() const {
    std::size_t n = 0;
    for (const kirv::SettingsReading& r : readings) n += r.warnings.size();
    return n;
  }
  std::string AllWarnings() const {
    std::string all;
    for (const kirv::SettingsReading& r : readings) {
      for (const std::string& line : r.warnings) all += line + "\n";
    }
    return all;
  }
};

std::string Geometry(const kirv::MeterControls& m) {
  return std::to_string(m.left) + "," + std::to_string(m.top) + " " + std::to_string(m.width) +
         "x" + std::to_string(m.height);
}

void CheckScreenLimits(const Windows& w) {
  const kirv::MeterControls& m = w.meter;
  KIRV_FUZZ_CHECK(m.width >= kirv::kMinMeterWidth && m.width <= kirv::kMaxWindowSize &&
                      m.height >= kirv::kMinMeterHeight && m.height <= kirv::kMaxWindowSize &&
                      m.left >= kirv::kMinScreenPosition && m.left <= kirv::kMaxScreenPosition &&
                      m.top >= kirv::kMinScreenPosition && m.top <= kirv::kMaxScreenPosition,
                  Geometry(m));
  for (const kirv::SettingsReading& r : w.readings) {
    KIRV_FUZZ_CHECK(r.warnings.size() <= kirv::kMaxWarningsPerPass + 1,
                    std::to_string(r.warnings.size()));
  }
}

// Whether every value a save writes has a name of its own: two interfaces of one name, or "eth"
// beside "eth1", or an interface named like a global value, share values by design.
bool NamesOfTheirOwn(const std::vector<std::string>& interfaces) {
  std::set<std::string> names;
  std::size_t count = 0;
  auto add = [&](const std::string& name) {
    names.insert(MemorySettingsStore::Key(name));
    ++count;
  };
  for (const kirv::SettingDefinition& d : kirv::kGlobalSettings) add(std::string(d.name));
  for (const std::string& n : interfaces) {
    add(kirv::MonitorValueName(n));
    add(kirv::Graph1ValueName(n));
    add(kirv::Graph2ValueName(n));
  }
  return names.size() == count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirv::fuzz::FuzzInput in(data, size);
  const auto flags = in.Take<std::uint8_t>();
  FakeAutoStartEntry autoStart;
  if ((flags & 1) != 0) autoStart.path = "/usr/bin/kirv";
  MemorySettingsStore store;
  store.exists = (flags & 2) != 0;

  std::vector<std::string> interfaces(in.Take<std::uint8_t>() % 4);
  for (std::string& name : interfaces)
    name = kirv::InterfaceName(in.TakeString(in.Take<std::uint8_t>() % 16));

  while (in.Remaining() > 0) {
    const auto kind = in.Take<std::uint8_t>();
    const std::size_t choice = kind >> 1;
    std::string name;
    if (choice < kirv::kGlobalSettings.size()) {
      name = kirv::kGlobalSettings[choice].name;
    } else if (choice - kirv::kGlobalSettings.size() < 3 * interfaces.size()) {
      const std::size_t i = choice - kirv::kGlobalSettings.size();
      const std::string& n = interfaces[i / 3];
      name = i % 3 == 0 ? kirv::MonitorValueName(n)
                        : (i % 3 == 1 ? kirv::Graph1ValueName(n) : kirv::Graph2ValueName(n));
    } else {
      name = in.TakeShortString();
    }
    MemorySettingsStore::Value value;
    if ((kind & 1) != 0) {
      value = in.TakeShortString();
    } else {
      value = in.Take<std::int32_t>();
    }
    store.values[MemorySettingsStore::Key(name)] = value;
  }

  Windows first(interfaces);
  first.Start(store, autoStart);
  CheckScreenLimits(first);
  kirv::SaveSettings(store, autoStart, "/usr/bin/kirv", first.config, first.graph, first.meter);

  Windows second(interfaces);
  second.Start(store, autoStart);
  CheckScreenLimits(second);
  if (!NamesOfTheirOwn(interfaces)) return 0;
  KIRV_FUZZ_CHECK(second.Warnings() == 0, second.AllWarnings());
  KIRV_FUZZ_CHECK(second.config == first.config, "configuration dialog");
  KIRV_FUZZ_CHECK(second.graph == first.graph, "graph window");
  KIRV_FUZZ_CHECK(second.meter == first.meter, "meter " + Geometry(second.meter));
  return 0;
}

KIRV_FUZZ_HARNESS_END
