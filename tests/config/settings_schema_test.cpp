#include "config/settings_schema.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "case_name.h"
#include "config/speed_scale_table.h"
#include "fakes/fake_services.h"

namespace kirv {
namespace {

using testing::FakeAutoStartEntry;
using testing::MemorySettingsStore;

const std::vector<std::string> kSaveOrder = {
    "Graphfile",   "Autorec",        "Legende",    "Tous",        "Vmax",         "aot",
    "Unite",       "Unite2",         "tracegraph", "micro",       "Gradu",        "Echelle",
    "Vitesse",     "Gradu2",         "Gradu3",     "Echelle2",    "Vitesse2",     "Type",
    "width",       "height",         "top",        "left",        "lrec",         "lenv",
    "lrep",        "lenp",           "lint",       "firstlaunch", "Type moyenne", "planOn",
    "planLimit",   "planPeriod",     "planDay",    "planEvery",   "planFrom",     "planCount",
    "planWarning", "planInterfaces", "metricsDir"};

std::vector<InterfaceChecks> Interfaces(const std::vector<std::string>& names) {
  std::vector<InterfaceChecks> list;
  for (const std::string& n : names) list.push_back({n});
  return list;
}

// Three windows' worth of controls, read at start and saved at the end.
struct Windows {
  ConfigControls config;
  GraphControls graph;
  MeterControls meter;
  SettingsReading form1;
  SettingsReading form2;
  SettingsReading form3;

  explicit Windows(const std::vector<std::string>& names = {"lo", "eth0"}) {
    config.interfaces = Interfaces(names);
  }

  // The three creations, in the order of start-up; what they say goes to said.
  void Start(SettingsStore& store, const AutoStartEntry& autoStart) {
    const SettingsWarningSink sink = [this](std::string_view line) { said.emplace_back(line); };
    form1 = ReadForm1Settings(store, autoStart, config, sink);
    form2 = ReadForm2Settings(store, graph, sink);
    form3 = ReadForm3Settings(store, config, meter, sink);
  }
  void Save(SettingsStore& store, AutoStartEntry& autoStart) {
    SaveSettings(store, autoStart, "/opt/kirv/bin/kirv", config, graph, meter);
  }
  std::size_t WarningCount() const {
    return form1.warnings.size() + form2.warnings.size() + form3.warnings.size();
  }

  std::vector<std::string> said;
};

// Every control away from its default, as a user leaves them.
Windows CustomWindows() {
  Windows w;
  w.config.interfaces[0].lb = true;
  w.config.interfaces[1].lb1 = true;
  w.config.interfaces[0].lb2 = true;
  w.config.Edit1 = "112233";
  w.config.Edit2 = "445566";
  w.config.Edit3 = "778899";
  w.config.Edit4 = "AABBCC";
  w.config.Edit5 = "DDEEFF";
  w.config.aot = false;
  w.config.rb1 = true;
  w.config.cbGr = false;
  w.config.gradspin = 7;
  w.config.hspin = 60;
  w.config.cb = 5;
  w.config.spdspin = 13107200;
  w.graph.Graphfile = "/home/jo/eth0.mdf";
  w.graph.autorec = true;
  w.graph.legd = true;
  w.graph.tous = true;
  w.graph.cbmx = false;
  w.graph.rb1 = true;
  w.graph.gradspin = 12;
  w.graph.cb = 4;
  w.graph.spdspin = 1310720;
  w.graph.cbG = 3;
  w.meter = {500, 250, 40, 30, false, false, true};
  w.config.plan = {true, "32212254720", 2, 15, 28, "10/01/2026", 1, 90, "eth0 wlan0"};
  w.config.metricsDir = "/var/lib/kirv";
  return w;
}

class SettingsSchemaTest : public ::testing::Test {
 protected:
  // A key as a save of CustomWindows leaves it.
  void SaveCustom() {
    Windows w = CustomWindows();
    store.exists = true;
    w.Save(store, autoStart);
    store.writeOrder.clear();
  }
  void Put(const std::string& name, MemorySettingsStore::Value value) {
    store.exists = true;
    store.values[MemorySettingsStore::Key(name)] = std::move(value);
  }
  bool Has(const std::string& name) const {
    return store.values.count(MemorySettingsStore::Key(name)) > 0;
  }
  MemorySettingsStore::Value Get(const std::string& name) const {
    return store.values.at(MemorySettingsStore::Key(name));
  }

  MemorySettingsStore store;
  FakeAutoStartEntry autoStart;
};

TEST(SettingsTable, ListsTheGlobalValuesInTheOrderOfTheSave) {
  std::vector<std::string> names;
  for (const SettingDefinition& d : kGlobalSettings) names.emplace_back(d.name);
  EXPECT_EQ(names, kSaveOrder);
}

TEST(SettingsTable, ControlsStartAtTheDefaultsOfTheTable) {
  const ConfigControls c;
  EXPECT_EQ(c.Edit1, "00CC00");
  EXPECT_EQ(c.Edit2, "FF0000");
  EXPECT_EQ(c.Edit3, "006600");
  EXPECT_EQ(c.Edit4, "FF00FF");
  EXPECT_EQ(c.Edit5, "01E5DD");
  EXPECT_TRUE(c.aot);
  EXPECT_FALSE(c.rb1);
  EXPECT_TRUE(c.cbGr);
  EXPECT_FALSE(c.micro);
  EXPECT_EQ(c.gradspin, 4);
  EXPECT_EQ(c.hspin, 30);
  EXPECT_EQ(c.cb, -1);
  EXPECT_EQ(c.spdspin, 65536);
  EXPECT_FALSE(c.cbWin);
  const GraphControls g;
  EXPECT_EQ(g.Graphfile, "");
  EXPECT_FALSE(g.autorec);
  EXPECT_FALSE(g.legd);
  EXPECT_FALSE(g.tous);
  EXPECT_TRUE(g.cbmx);
  EXPECT_FALSE(g.rb1);
  EXPECT_EQ(g.gradspin, 8);
  EXPECT_EQ(g.cb, 2);
  EXPECT_EQ(g.spdspin, 65536);
  EXPECT_EQ(g.cbG, 0);
  const MeterControls m;
  EXPECT_EQ(m.width, 403);
  EXPECT_EQ(m.height, 189);
  EXPECT_EQ(m.top, 123);
  EXPECT_EQ(m.left, 197);
  EXPECT_TRUE(m.Aucun1);
  EXPECT_FALSE(m.Reception1 || m.Envoi1);
}

TEST(SettingsTable, InterfaceValuesAreTheNameAndTheNameFollowedByOneAndTwo) {
  EXPECT_EQ(MonitorValueName("Connexion au réseau local"), "Connexion au réseau local");
  EXPECT_EQ(Graph1ValueName("eth0"), "eth01");
  EXPECT_EQ(Graph2ValueName("eth0"), "eth02");
}

TEST_F(SettingsSchemaTest, FirstStartCreatesTheKeyAndKeepsEveryDefault) {
  Windows w;
  w.config.spdspin = 1025;  // the dialog's own start value, before the meter's creation
  w.Start(store, autoStart);
  EXPECT_TRUE(store.exists);
  EXPECT_TRUE(store.values.empty());
  EXPECT_EQ(store.openedPaths,
            (std::vector<std::string>{"\\SOFTWARE\\KIRV", "\\software\\KIRV", "\\software\\KIRV"}));
  EXPECT_EQ(store.closes, 3);
  Windows defaults;
  EXPECT_EQ(w.config, defaults.config);
  EXPECT_EQ(w.graph, defaults.graph);
  EXPECT_EQ(w.meter, defaults.meter);
  EXPECT_FALSE(w.form3.showConfiguration);
  EXPECT_TRUE(w.form1.monitored.empty());
  EXPECT_TRUE(w.form3.monitored.empty());
  EXPECT_TRUE(w.form3.handlers.empty());
  EXPECT_EQ(w.WarningCount(), 0u);
}

TEST_F(SettingsSchemaTest, LrecWithoutFirstlaunchOpensTheDialogOnce) {
  Put("lrec", std::string("00CC00"));
  Windows first;
  first.Start(store, autoStart);
  EXPECT_TRUE(first.form3.showConfiguration);
  first.Save(store, autoStart);
  EXPECT_EQ(Get("firstlaunch"), MemorySettingsStore::Value(0));
  Windows second;
  second.Start(store, autoStart);
  EXPECT_FALSE(second.form3.showConfiguration);
}

TEST_F(SettingsSchemaTest, SavedMicroStartsCompactAndIsSavedAgain) {
  Put("lrec", std::string("00CC00"));
  Put("micro", 1);
  Windows w;
  w.Start(store, autoStart);
  EXPECT_TRUE(w.config.micro);
  EXPECT_EQ(w.form3.handlers, std::vector<ConfigHandler>{ConfigHandler::kMicroClick});
  w.Save(store, autoStart);
  EXPECT_EQ(Get("micro"), MemorySettingsStore::Value(1));
}

TEST_F(SettingsSchemaTest, RestoredBoxesRunTheirHandlersOnlyWhenTheirStateChanges) {
  Put("lrec", std::string("00CC00"));
  Put("tracegraph", 0);
  Put("aot", 0);
  Put("micro", 1);
  Windows changed;
  changed.Start(store, autoStart);
  EXPECT_EQ(changed.form3.handlers,
            (std::vector<ConfigHandler>{ConfigHandler::kCbGrClick, ConfigHandler::kAotClick,
                                        ConfigHandler::kMicroClick}));
  Put("tracegraph", 1);
  Put("aot", 1);
  Put("micro", 0);
  Windows unchanged;
  unchanged.Start(store, autoStart);
  EXPECT_TRUE(unchanged.form3.handlers.empty());
}

struct AverageCase {
  std::int32_t stored;
  bool aucun;
  bool reception;
  bool envoi;
};

class TypeMoyenneTest : public SettingsSchemaTest,
                        public ::testing::WithParamInterface<AverageCase> {};

TEST_P(TypeMoyenneTest, ChecksTheMatchingMenuItem) {
  SaveCustom();
  Put("Type moyenne", GetParam().stored);
  Windows w;
  w.Start(store, autoStart);
  EXPECT_EQ(w.meter.Aucun1, GetParam().aucun);
  EXPECT_EQ(w.meter.Reception1, GetParam().reception);
  EXPECT_EQ(w.meter.Envoi1, GetParam().envoi);
  EXPECT_EQ(w.WarningCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TypeMoyenneTest,
    ::testing::Values(AverageCase{0, true, false, false}, AverageCase{1, false, true, false},
                      AverageCase{2, false, false, true}, AverageCase{5, true, false, false},
                      AverageCase{-1, true, false, false}),
    [](const ::testing::TestParamInfo<AverageCase>& info) {
      return ::kirv::testing::CaseName({"Stored", std::to_string(info.param.stored)});
    });

TEST_F(SettingsSchemaTest, TypeMoyenneIsNotReadWithoutLrec) {
  Put("Type moyenne", 2);
  Windows w;
  w.Start(store, autoStart);
  EXPECT_TRUE(w.meter.Aucun1);
  EXPECT_FALSE(w.meter.Envoi1);
}

TEST(AverageLine, LastCheckedOfAucunReceptionEnvoiWins) {
  EXPECT_EQ(AverageLineValue({403, 189, 123, 197, true, false, false}), 0);
  EXPECT_EQ(AverageLineValue({403, 189, 123, 197, false, true, false}), 1);
  EXPECT_EQ(AverageLineValue({403, 189, 123, 197, false, false, true}), 2);
  EXPECT_EQ(AverageLineValue({403, 189, 123, 197, false, true, true}), 2);
  EXPECT_EQ(AverageLineValue({403, 189, 123, 197, false, false, false}), 0);
}

TEST_F(SettingsSchemaTest, TwoInterfacesOfTheSameNameShareTheirValues) {
  Put("eth0", 1);
  Put("eth02", 1);
  Windows w({"eth0", "lo", "eth0"});
  w.Start(store, autoStart);
  EXPECT_EQ(w.config.interfaces[0], (InterfaceChecks{"eth0", true, false, true}));
  EXPECT_EQ(w.config.interfaces[2], (InterfaceChecks{"eth0", true, false, true}));
  EXPECT_EQ(w.form1.monitored, (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(w.form3.monitored, (std::vector<std::size_t>{0, 2}));
  // The save writes both; the later position is what stays.
  w.config.interfaces[2].lb = false;
  w.Save(store, autoStart);
  EXPECT_EQ(Get("eth0"), MemorySettingsStore::Value(0));
}

TEST_F(SettingsSchemaTest, NameFollowedByOneIsAlsoTheOtherInterfacesFirstGraphValue) {
  Put("eth1", 1);
  Windows w({"eth", "eth1"});
  w.Start(store, autoStart);
  EXPECT_TRUE(w.config.interfaces[0].lb1);
  EXPECT_TRUE(w.config.interfaces[1].lb);
  // Saved in list order, the later interface's own check mark overwrites the earlier's graph one.
  w.config.interfaces[0].lb1 = true;
  w.config.interfaces[1].lb = false;
  w.Save(store, autoStart);
  EXPECT_EQ(Get("eth1"), MemorySettingsStore::Value(0));
}

TEST_F(SettingsSchemaTest, SaveWritesTheInterfacesThenTheGlobalValuesInOrder) {
  Windows w({"lo", "eth0"});
  w.Save(store, autoStart);
  std::vector<std::string> expected = {"lo", "lo1", "lo2", "eth0", "eth01", "eth02"};
  expected.insert(expected.end(), kSaveOrder.begin(), kSaveOrder.end());
  EXPECT_EQ(store.writeOrder, expected);
  EXPECT_EQ(store.openedPaths, std::vector<std::string>{"\\software\\KIRV"});
  EXPECT_EQ(store.closes, 1);
}

TEST_F(SettingsSchemaTest, SaveWritesEachValueFromItsControl) {
  Windows w = CustomWindows();
  w.Save(store, autoStart);
  using V = MemorySettingsStore::Value;
  const std::vector<std::pair<std::string, V>> expected = {
      {"lo", 1},
      {"lo1", 0},
      {"lo2", 1},
      {"eth0", 0},
      {"eth01", 1},
      {"eth02", 0},
      {"Graphfile", std::string("/home/jo/eth0.mdf")},
      {"Autorec", 1},
      {"Legende", 1},
      {"Tous", 1},
      {"Vmax", 0},
      {"aot", 0},
      {"Unite", 1},
      {"Unite2", 1},
      {"tracegraph", 0},
      {"micro", 0},
      {"Gradu", 12},
      {"Echelle", 4},
      {"Vitesse", 1310720},
      {"Gradu2", 7},
      {"Gradu3", 60},
      {"Echelle2", 5},
      {"Vitesse2", 13107200},
      {"Type", 3},
      {"width", 500},
      {"height", 250},
      {"top", 40},
      {"left", 30},
      {"lrec", std::string("112233")},
      {"lenv", std::string("445566")},
      {"lrep", std::string("778899")},
      {"lenp", std::string("AABBCC")},
      {"lint", std::string("DDEEFF")},
      {"firstlaunch", 0},
      {"Type moyenne", 2},
      {"planOn", 1},
      {"planLimit", std::string("32212254720")},
      {"planPeriod", 2},
      {"planDay", 15},
      {"planEvery", 28},
      {"planFrom", std::string("10/01/2026")},
      {"planCount", 1},
      {"planWarning", 90},
      {"planInterfaces", std::string("eth0 wlan0")},
      {"metricsDir", std::string("/var/lib/kirv")}};
  for (const auto& [name, value] : expected) EXPECT_EQ(Get(name), value) << name;
  EXPECT_EQ(store.values.size(), expected.size());
}

TEST_F(SettingsSchemaTest, SaveThenStartRestoresEveryControl) {
  SaveCustom();
  Windows w;
  w.config.spdspin = 1025;
  w.Start(store, autoStart);
  Windows expected = CustomWindows();
  expected.graph.cbG = 0;  // "Type" is written only
  EXPECT_EQ(w.config, expected.config);
  EXPECT_EQ(w.graph, expected.graph);
  EXPECT_EQ(w.meter, expected.meter);
  EXPECT_EQ(w.WarningCount(), 0u);
  EXPECT_FALSE(w.form3.showConfiguration);
}

TEST_F(SettingsSchemaTest, ManualScaleEnablesTheSpeedFields) {
  SaveCustom();
  Put("Echelle", kManualScaleItem);
  Put("Echelle2", kManualScaleItem);
  Windows w;
  w.Start(store, autoStart);
  EXPECT_TRUE(w.graph.spdspinEnabled);
  EXPECT_TRUE(w.config.spdspinEnabled);
  SaveCustom();
  Windows other;
  other.Start(store, autoStart);
  EXPECT_FALSE(other.graph.spdspinEnabled);
  EXPECT_FALSE(other.config.spdspinEnabled);
}

TEST_F(SettingsSchemaTest, AutoStartEntryFollowsTheBox) {
  Windows w;
  w.config.cbWin = true;
  w.Save(store, autoStart);
  EXPECT_EQ(autoStart.path, "/opt/kirv/bin/kirv");
  Windows restarted;
  restarted.Start(store, autoStart);
  EXPECT_TRUE(restarted.config.cbWin);
  restarted.config.cbWin = false;
  restarted.Save(store, autoStart);
  EXPECT_FALSE(autoStart.Exists());
}

TEST_F(SettingsSchemaTest, GraphGroupIsNotReadWithoutGraphfile) {
  SaveCustom();
  store.DeleteValue("Graphfile");
  Windows w;
  w.Start(store, autoStart);
  EXPECT_EQ(w.graph, GraphControls{});
  EXPECT_EQ(w.WarningCount(), 0u);
}

TEST_F(SettingsSchemaTest, LegendGroupIsNotReadWithoutLegende) {
  SaveCustom();
  store.DeleteValue("Legende");
  Windows w;
  w.Start(store, autoStart);
  EXPECT_FALSE(w.graph.legd);
  EXPECT_FALSE(w.graph.autorec);
  EXPECT_FALSE(w.graph.tous);
  EXPECT_FALSE(w.graph.cbmx);  // the rest of the group is read
  EXPECT_EQ(w.graph.gradspin, 12);
  EXPECT_EQ(w.WarningCount(), 0u);
}

TEST_F(SettingsSchemaTest, ColourAndMeterGroupsAreNotReadWithoutLrec) {
  SaveCustom();
  store.DeleteValue("lrec");
  Windows w;
  w.Start(store, autoStart);
  Windows expected = CustomWindows();
  // Only the interface lists, the plan and the metrics folder, behind no gate, are read.
  ConfigControls config;
  config.interfaces = expected.config.interfaces;
  config.plan = expected.config.plan;
  config.metricsDir = expected.config.metricsDir;
  EXPECT_EQ(w.config, config);
  EXPECT_EQ(w.meter, MeterControls{});
  EXPECT_FALSE(w.form3.showConfiguration);
  EXPECT_EQ(w.WarningCount(), 0u);
}

TEST_F(SettingsSchemaTest, InterfaceValueOfTheWrongTypeLeavesItUncheckedWithOneWarning) {
  Put("eth0", std::string("1"));
  Windows w({"lo", "eth0", "ETH0"});
  w.Start(store, autoStart);
  EXPECT_FALSE(w.config.interfaces[1].lb);
  ASSERT_EQ(w.form1.warnings.size(), 1u);
  EXPECT_NE(w.form1.warnings[0].find("\"eth0\""), std::string::npos);
  EXPECT_TRUE(w.form3.warnings.empty());
}

// A member of a present group, missing or of the wrong type, and the control it leaves at its
// default.
struct MemberCase {
  std::string name;
  std::function<void(Windows&)> toDefault;
};

class GroupMemberTest : public SettingsSchemaTest,
                        public ::testing::WithParamInterface<MemberCase> {
 protected:
  // warned: whether the member is named on standard error (a wrong type is; a missing value,
  // which a file written by hand may leave out, is not).
  void ExpectDefault(bool warned) {
    Windows w;
    w.Start(store, autoStart);
    Windows expected = CustomWindows();
    expected.graph.cbG = 0;
    GetParam().toDefault(expected);
    EXPECT_EQ(w.config, expected.config);
    EXPECT_EQ(w.graph, expected.graph);
    EXPECT_EQ(w.meter, expected.meter);
    std::vector<std::string> warnings = w.form1.warnings;
    warnings.insert(warnings.end(), w.form2.warnings.begin(), w.form2.warnings.end());
    warnings.insert(warnings.end(), w.form3.warnings.begin(), w.form3.warnings.end());
    if (!warned) {
      EXPECT_TRUE(warnings.empty()) << warnings.front();
      return;
    }
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("\"" + GetParam().name + "\""), std::string::npos) << warnings[0];
  }
};

TEST_P(GroupMemberTest, MissingKeepsTheDefaultWithoutAWarning) {
  SaveCustom();
  store.DeleteValue(GetParam().name);
  ExpectDefault(false);
}

TEST_P(GroupMemberTest, WronglyTypedKeepsTheDefaultWithOneWarning) {
  SaveCustom();
  if (std::holds_alternative<std::string>(Get(GetParam().name))) {
    Put(GetParam().name, 7);
  } else {
    Put(GetParam().name, std::string("7"));
  }
  ExpectDefault(true);
}

INSTANTIATE_TEST_SUITE_P(
    Members, GroupMemberTest,
    ::testing::Values(MemberCase{"lenv", [](Windows& w) { w.config.Edit2 = "FF0000"; }},
                      MemberCase{"lrep", [](Windows& w) { w.config.Edit3 = "006600"; }},
                      MemberCase{"lenp", [](Windows& w) { w.config.Edit4 = "FF00FF"; }},
                      MemberCase{"lint", [](Windows& w) { w.config.Edit5 = "01E5DD"; }},
                      MemberCase{"Vmax", [](Windows& w) { w.graph.cbmx = true; }},
                      MemberCase{"Unite", [](Windows& w) { w.graph.rb1 = false; }},
                      MemberCase{"Autorec", [](Windows& w) { w.graph.autorec = false; }},
                      MemberCase{"Tous", [](Windows& w) { w.graph.tous = false; }},
                      MemberCase{"Gradu", [](Windows& w) { w.graph.gradspin = 8; }},
                      MemberCase{"Echelle", [](Windows& w) { w.graph.cb = 2; }},
                      MemberCase{"Vitesse", [](Windows& w) { w.graph.spdspin = 65536; }},
                      MemberCase{"Unite2", [](Windows& w) { w.config.rb1 = false; }},
                      MemberCase{"Gradu2", [](Windows& w) { w.config.gradspin = 4; }},
                      MemberCase{"Gradu3", [](Windows& w) { w.config.hspin = 30; }},
                      MemberCase{"Echelle2", [](Windows& w) { w.config.cb = -1; }},
                      MemberCase{"Vitesse2", [](Windows& w) { w.config.spdspin = 65536; }},
                      MemberCase{"width", [](Windows& w) { w.meter.width = 403; }},
                      MemberCase{"top", [](Windows& w) { w.meter.top = 123; }},
                      MemberCase{"left", [](Windows& w) { w.meter.left = 197; }},
                      MemberCase{"height", [](Windows& w) { w.meter.height = 189; }},
                      MemberCase{"tracegraph", [](Windows& w) { w.config.cbGr = true; }},
                      MemberCase{"aot", [](Windows& w) { w.config.aot = true; }}),
    [](const ::testing::TestParamInfo<MemberCase>& info) { return info.param.name; });

TEST_F(SettingsSchemaTest, WronglyTypedTypeMoyenneKeepsAucunWithOneWarning) {
  SaveCustom();
  Put("Type moyenne", std::string("2"));
  Windows w;
  w.Start(store, autoStart);
  EXPECT_TRUE(w.meter.Aucun1);
  EXPECT_FALSE(w.meter.Envoi1);
  ASSERT_EQ(w.form3.warnings.size(), 1u);
  EXPECT_NE(w.form3.warnings[0].find("\"Type moyenne\""), std::string::npos);
}

TEST_F(SettingsSchemaTest, SaveThatCannotWriteThrowsAndClosesTheKey) {
  store.failWrites = true;
  Windows w;
  EXPECT_THROW(w.Save(store, autoStart), SettingsError);
  EXPECT_EQ(store.closes, 1);
  EXPECT_FALSE(store.open);
  EXPECT_THROW(SaveMeterGeometry(store, w.meter), SettingsError);
  EXPECT_EQ(store.closes, 2);
}

TEST_F(SettingsSchemaTest, MeterGeometryIsSavedAloneInItsOrder) {
  MeterControls meter{640, 480, 10, 20, true, false, false};
  SaveMeterGeometry(store, meter);
  EXPECT_EQ(store.writeOrder, (std::vector<std::string>{"width", "height", "top", "left"}));
  EXPECT_EQ(store.openedPaths, std::vector<std::string>{"\\software\\KIRV"});
  EXPECT_TRUE(store.exists);
  EXPECT_EQ(Get("height"), MemorySettingsStore::Value(480));
  EXPECT_EQ(Get("left"), MemorySettingsStore::Value(20));
}

TEST_F(SettingsSchemaTest, GraphWindowDoesNotCreateTheKey) {
  GraphControls graph;
  graph.cb = 8;
  graph.spdspin = 1;
  ReadForm2Settings(store, graph);
  EXPECT_FALSE(store.exists);
  EXPECT_EQ(graph, GraphControls{});
}

// An integer stored outside its control's bounds, and what the control holds after the start.
struct BoundsCase {
  std::string label;
  std::string name;
  std::int32_t stored;
  std::function<std::int32_t(const Windows&)> control;
  std::int32_t expected;
  std::string said;  // the line said, or empty when the value is taken as it is
};

class StoredIntegerTest : public SettingsSchemaTest,
                          public ::testing::WithParamInterface<BoundsCase> {};

TEST_P(StoredIntegerTest, IsHeldToItsControlsBoundsOrKeepsTheDefault) {
  const BoundsCase& c = GetParam();
  Put("lrec", std::string("00CC00"));
  Put("Graphfile", std::string(""));
  Put(c.name, c.stored);
  Windows w;
  w.Start(store, autoStart);
  EXPECT_EQ(c.control(w), c.expected);
  std::vector<std::string> about;
  for (const std::string& line : w.said) {
    if (line.find('"' + c.name + '"') != std::string::npos) about.push_back(line);
  }
  if (c.said.empty()) {
    EXPECT_TRUE(about.empty()) << about.front();
  } else {
    EXPECT_EQ(about, std::vector<std::string>{c.said});
  }
}

std::int32_t Width(const Windows& w) { return w.meter.width; }
std::int32_t Height(const Windows& w) { return w.meter.height; }
std::int32_t Top(const Windows& w) { return w.meter.top; }
std::int32_t Left(const Windows& w) { return w.meter.left; }
std::int32_t MeterGraduations(const Windows& w) { return w.config.gradspin; }
std::int32_t MeterSeconds(const Windows& w) { return w.config.hspin; }
std::int32_t MeterScale(const Windows& w) { return w.config.cb; }
std::int32_t MeterSpeed(const Windows& w) { return w.config.spdspin; }
std::int32_t GraphGraduations(const Windows& w) { return w.graph.gradspin; }
std::int32_t GraphScale(const Windows& w) { return w.graph.cb; }
std::int32_t GraphSpeed(const Windows& w) { return w.graph.spdspin; }

INSTANTIATE_TEST_SUITE_P(
    Values, StoredIntegerTest,
    ::testing::Values(
        BoundsCase{"HeightOfTheLargestInteger", "height", INT_MAX, Height, 16384,
                   "réglage \"height\" : 2147483647 hors de 19 à 16384 ; ramené à 16384"},
        BoundsCase{"HeightZero", "height", 0, Height, 19,
                   "réglage \"height\" : 0 hors de 19 à 16384 ; ramené à 19"},
        BoundsCase{"HeightAtTheLimit", "height", 16384, Height, 16384, ""},
        BoundsCase{"WidthNegative", "width", -5, Width, 60,
                   "réglage \"width\" : -5 hors de 60 à 16384 ; ramené à 60"},
        BoundsCase{"WidthAtTheMeterMinimum", "width", 60, Width, 60, ""},
        BoundsCase{"TopOfTheSmallestInteger", "top", INT_MIN, Top, -32768,
                   "réglage \"top\" : -2147483648 hors de -32768 à 32767 ; ramené à "
                   "-32768"},
        BoundsCase{"TopAtTheLowestPosition", "top", -32768, Top, -32768, ""},
        BoundsCase{"LeftBeyondTheScreens", "left", 40000, Left, 32767,
                   "réglage \"left\" : 40000 hors de -32768 à 32767 ; ramené à 32767"},
        BoundsCase{"MeterGraduationsAboveTheSpin", "Gradu2", 1000, MeterGraduations, 999,
                   "réglage \"Gradu2\" : 1000 hors de 0 à 999 ; ramené à 999"},
        BoundsCase{"MeterGraduationsZero", "Gradu2", 0, MeterGraduations, 0, ""},
        BoundsCase{"MeterSecondsZero", "Gradu3", 0, MeterSeconds, 1,
                   "réglage \"Gradu3\" : 0 hors de 1 à 3600 ; ramené à 1"},
        BoundsCase{"MeterSecondsAboveAnHour", "Gradu3", 3601, MeterSeconds, 3600,
                   "réglage \"Gradu3\" : 3601 hors de 1 à 3600 ; ramené à 3600"},
        BoundsCase{"MeterSpeedBelowTheSpin", "Vitesse2", 1024, MeterSpeed, 1025,
                   "réglage \"Vitesse2\" : 1024 hors de 1025 à 2147483647 ; ramené à 1025"},
        BoundsCase{"MeterScaleNoItem", "Echelle2", -1, MeterScale, -1, ""},
        BoundsCase{"MeterScaleBeyondTheList", "Echelle2", 9, MeterScale, -1,
                   "réglage \"Echelle2\" : 9 hors de -1 à 8 ; valeur gardée : -1"},
        BoundsCase{"GraphGraduationsZero", "Gradu", 0, GraphGraduations, 1,
                   "réglage \"Gradu\" : 0 hors de 1 à 999 ; ramené à 1"},
        BoundsCase{"GraphScaleBelowTheList", "Echelle", -2, GraphScale, 2,
                   "réglage \"Echelle\" : -2 hors de -1 à 8 ; valeur gardée : 2"},
        BoundsCase{"GraphSpeedZero", "Vitesse", 0, GraphSpeed, 1,
                   "réglage \"Vitesse\" : 0 hors de 1 à 2147483647 ; ramené à 1"}),
    [](const ::testing::TestParamInfo<BoundsCase>& info) { return info.param.label; });

// A stored text, and whether the control takes it.
struct TextCase {
  std::string label;
  std::string name;
  std::string stored;
  bool taken;
};

class StoredTextTest : public SettingsSchemaTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(StoredTextTest, IsTakenOnlyInItsControlsForm) {
  const TextCase& c = GetParam();
  SaveCustom();
  Put(c.name, c.stored);
  Windows w;
  w.Start(store, autoStart);
  const Windows custom = CustomWindows();
  const Windows fresh;
  const std::map<std::string, std::pair<const std::string*, std::string>> controls = {
      {"Graphfile", {&w.graph.Graphfile, fresh.graph.Graphfile}},
      {"planLimit", {&w.config.plan.limit, fresh.config.plan.limit}},
      {"planFrom", {&w.config.plan.firstDay, fresh.config.plan.firstDay}},
      {"lrec", {&w.config.Edit1, fresh.config.Edit1}}};
  const auto& [control, kept] = controls.at(c.name);
  EXPECT_EQ(*control, c.taken ? c.stored : kept);
  EXPECT_EQ(w.WarningCount(), c.taken ? 0u : 1u);
  // The rest of the group is read all the same.
  EXPECT_EQ(w.graph.gradspin, custom.graph.gradspin);
  EXPECT_EQ(w.config.Edit2, custom.config.Edit2);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredTextTest,
    ::testing::Values(TextCase{"ColourOfSixDigits", "lrec", "0A0b0C", true},
                      TextCase{"ColourOfOneDigit", "lrec", "7", true},
                      TextCase{"ColourOfEightDigits", "lrec", "FF00CC00", true},
                      TextCase{"ColourOfNineDigits", "lrec", "0FF00CC00", false},
                      TextCase{"ColourNotHexadecimal", "lrec", "vert", false},
                      TextCase{"ColourWithAPrefix", "lrec", "0x00CC00", false},
                      TextCase{"ColourEmpty", "lrec", "", false},
                      TextCase{"PathEmpty", "Graphfile", "", true},
                      TextCase{"PathOfTheLongestLength", "Graphfile", std::string(4096, 'a'), true},
                      TextCase{"PathTooLong", "Graphfile", std::string(4097, 'a'), false},
                      TextCase{"PathWithANulByte", "Graphfile", std::string("/a\0b", 4), false},
                      TextCase{"LimitOfOneOctet", "planLimit", "1", true},
                      TextCase{"LimitOfTheLargestCount", "planLimit", "9223372036854775807", true},
                      TextCase{"LimitBeyondTheLargestCount", "planLimit", "9223372036854775808",
                               false},
                      TextCase{"LimitZero", "planLimit", "0", false},
                      TextCase{"LimitWithASign", "planLimit", "+5", false},
                      TextCase{"LimitWithAUnit", "planLimit", "5G", false},
                      TextCase{"FirstDayOfALeapYear", "planFrom", "29/02/2024", true},
                      TextCase{"FirstDayNotInACommonYear", "planFrom", "29/02/2023", false},
                      TextCase{"FirstDayOfOneDigit", "planFrom", "1/02/2024", false},
                      TextCase{"FirstDayWithDashes", "planFrom", "01-02-2024", false},
                      TextCase{"FirstDayNone", "planFrom", "", true}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return info.param.label; });

TEST_F(SettingsSchemaTest, PassSaysAtMostTenLinesThenHowManyMore) {
  std::vector<std::string> names;
  for (int i = 0; i < 25; ++i) {
    names.push_back("veth" + std::to_string(i) + "a");  // no name is another's followed by 1
    Put(names.back(), std::string("peut-être"));
    Put(Graph1ValueName(names.back()), std::string("peut-être"));
  }
  Windows w(names);
  w.Start(store, autoStart);
  ASSERT_EQ(w.form1.warnings.size(), kMaxWarningsPerPass + 1);
  EXPECT_EQ(w.form1.warnings.back(), "et 15 autres réglages invalides");
  EXPECT_NE(w.form1.warnings[9].find("\"veth9a\""), std::string::npos);
  // The meter window reads the monitored values again but does not say them twice.
  ASSERT_EQ(w.form3.warnings.size(), kMaxWarningsPerPass + 1);
  EXPECT_NE(w.form3.warnings[0].find("\"veth0a1\""), std::string::npos);
  EXPECT_EQ(w.form3.warnings.back(), "et 15 autres réglages invalides");
  // The sink hears exactly the lines kept in the readings, in order.
  std::vector<std::string> all = w.form1.warnings;
  all.insert(all.end(), w.form3.warnings.begin(), w.form3.warnings.end());
  EXPECT_EQ(w.said, all);
}

TEST_F(SettingsSchemaTest, EachBadValueIsSaidOnOneShortLine) {
  const std::string broken = "eth\n0";
  const std::string longName(300, 'n');
  Put(broken, std::string("x"));
  Put(longName, std::string("x"));
  Windows w({broken, longName});
  w.Start(store, autoStart);
  ASSERT_EQ(w.said.size(), 2u);
  EXPECT_EQ(w.said[0].find('\n'), std::string::npos);
  EXPECT_NE(w.said[0].find("\"eth\\x0A0\""), std::string::npos) << w.said[0];
  EXPECT_NE(w.said[1].find("\"" + std::string(64, 'n') + "…\""), std::string::npos) << w.said[1];
  EXPECT_LT(w.said[1].size(), 400u);
}

TEST_F(SettingsSchemaTest, SaveRemovesValuesThatNothingReads) {
  Put("junk", std::string("x"));
  Put("wlan0", 1);  // an interface that is not plugged in today
  Put("wlan01", 0);
  Put(std::string(kMaxInterfaceValueName + 1, 'n'), 1);
  Put("WIDTH", std::string("wide"));
  Windows w({"lo"});
  w.Save(store, autoStart);
  EXPECT_FALSE(Has("junk"));
  EXPECT_EQ(Get("wlan0"), MemorySettingsStore::Value(1));
  EXPECT_EQ(Get("wlan01"), MemorySettingsStore::Value(0));
  EXPECT_FALSE(Has(std::string(kMaxInterfaceValueName + 1, 'n')));
  EXPECT_EQ(Get("width"), MemorySettingsStore::Value(403));
  EXPECT_EQ(store.values.size(), 3 + 2 + kGlobalSettings.size());
}

TEST_F(SettingsSchemaTest, SavesHoldGeometryToWhatAScreenShows) {
  Windows w;
  w.meter = {99999, -3, -99999, 99999, true, false, false};
  w.config.gradspin = 5000;
  w.Save(store, autoStart);
  EXPECT_EQ(Get("width"), MemorySettingsStore::Value(kMaxWindowSize));
  EXPECT_EQ(Get("height"), MemorySettingsStore::Value(kMinMeterHeight));
  EXPECT_EQ(Get("top"), MemorySettingsStore::Value(kMinScreenPosition));
  EXPECT_EQ(Get("left"), MemorySettingsStore::Value(kMaxScreenPosition));
  EXPECT_EQ(Get("Gradu2"), MemorySettingsStore::Value(999));
  SaveMeterGeometry(store, {0, INT_MAX, INT_MIN, 0, true, false, false});
  EXPECT_EQ(Get("width"), MemorySettingsStore::Value(kMinMeterWidth));
  EXPECT_EQ(Get("height"), MemorySettingsStore::Value(kMaxWindowSize));
  EXPECT_EQ(Get("top"), MemorySettingsStore::Value(kMinScreenPosition));
}

TEST_F(SettingsSchemaTest, InterfaceNamedLikeAGlobalValueLeavesThatValueAlone) {
  SaveCustom();
  Put("Gradu2", -5);
  Windows w({"Gradu", "aot"});
  w.Start(store, autoStart);
  EXPECT_EQ(w.config.interfaces[0], (InterfaceChecks{"Gradu", false, false, false}));
  EXPECT_EQ(w.config.interfaces[1], (InterfaceChecks{"aot", false, false, false}));
  EXPECT_EQ(w.config.gradspin, 0);
  w.config.interfaces[0].lb2 = true;
  w.config.interfaces[1].lb = true;
  w.Save(store, autoStart);
  EXPECT_EQ(Get("Gradu2"), MemorySettingsStore::Value(0));
  EXPECT_EQ(Get("aot"), MemorySettingsStore::Value(0));  // CustomWindows' unchecked box
}

// A key filled with anything, read at start, saved and read again, gives back what was saved, with
// the meter on the screens: keys drawn at random from global names, interface names and their
// suffixes, with values of both types around every bound.
TEST(AnyKey, RandomKeysReadBackWhatTheirFirstStartSaved) {
  std::mt19937 random(20261208);
  std::vector<std::string> names = {"lo", "eth", "eth1", "ETH12", "Gradu", "Vitesse", "aot", ""};
  for (const SettingDefinition& d : kGlobalSettings) names.emplace_back(d.name);
  const std::vector<std::int32_t> numbers = {0,     1,     -1,    2,      8,      9,       19,
                                             60,    999,   1000,  1024,   1025,   3600,    3601,
                                             16384, 16385, 32767, -32768, -32769, INT_MAX, INT_MIN};
  const std::vector<std::string> texts = {"", "00CC00", "zz", "1", "true", std::string(4097, 'a')};
  for (int round = 0; round < 300; ++round) {
    MemorySettingsStore store;
    store.exists = true;
    for (int i = 0; i < 40; ++i) {
      std::string name = names[random() % names.size()];
      if (random() % 3 == 0) name += std::to_string(random() % 3);
      if (random() % 2 == 0) {
        store.values[MemorySettingsStore::Key(name)] = numbers[random() % numbers.size()];
      } else {
        store.values[MemorySettingsStore::Key(name)] = texts[random() % texts.size()];
      }
    }
    std::vector<std::string> interfaces;
    for (int i = 0; i < 4; ++i) interfaces.push_back(names[random() % names.size()]);
    FakeAutoStartEntry autoStart;
    Windows first(interfaces);
    first.Start(store, autoStart);
    ASSERT_GE(first.meter.width, kMinMeterWidth);
    ASSERT_LE(first.meter.width, kMaxWindowSize);
    ASSERT_GE(first.meter.height, kMinMeterHeight);
    ASSERT_LE(first.meter.height, kMaxWindowSize);
    ASSERT_GE(std::min(first.meter.top, first.meter.left), kMinScreenPosition);
    ASSERT_LE(std::max(first.meter.top, first.meter.left), kMaxScreenPosition);
    first.Save(store, autoStart);
    Windows second(interfaces);
    second.Start(store, autoStart);
    first.graph.cbG = 0;
    ASSERT_EQ(second.config, first.config) << "round " << round;
    ASSERT_EQ(second.graph, first.graph) << "round " << round;
    ASSERT_EQ(second.meter, first.meter) << "round " << round;
  }
}

}  // namespace
}  // namespace kirv
