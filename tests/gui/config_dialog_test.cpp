#include "config/config_dialog.h"

#include <gtest/gtest.h>

#include <QSignalBlocker>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "common/colour.h"
#include "gui/design_facts.h"
#include "gui/started_program.h"
#include "support/temp_folder.h"
#include "widgets/qt_canvas.h"

namespace kirv {
namespace {

using testing::FakeInterfaceTable;
using testing::StartedProgramTest;

QStringList Texts(const QListWidget& list) {
  QStringList texts;
  for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
  return texts;
}
QStringList Texts(const QComboBox& list) {
  QStringList texts;
  for (int row = 0; row < list.count(); ++row) texts << list.itemText(row);
  return texts;
}
QStringList Fields() {
  return {Form1->Edit1->text(), Form1->Edit2->text(), Form1->Edit3->text(), Form1->Edit4->text(),
          Form1->Edit5->text()};
}

class ConfigDialogTest : public StartedProgramTest {
 protected:
  static QColor Swatch(int row) {
    ShapeControl* swatches[] = {Form1->Shape1, Form1->Shape2, Form1->Shape3, Form1->Shape4,
                                Form1->Shape5};
    return swatches[row]->BrushColour();
  }
  static std::string ReadFile(const std::string& name) { return testing::ReadWholeFile(name); }
  // Like a close of the dialog with its close box.
  bool CloseBox() {
    Form1->show();
    return Form1->close();
  }
};

TEST_F(ConfigDialogTest, FirstStartStoresTheSettingsWithoutOpeningTheDialog) {
  fakes.interfaces.Add("eth0");
  Start();
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_TRUE(fakes.settings.exists);
}

using ConfigDialogFacts = testing::DesignFactsTest<ConfigDialogTest>;

TEST_P(ConfigDialogFacts, HoldAtTheFirstStart) {
  fakes.interfaces.Add("eth0");
  Start();
  ExpectFact();
}

const testing::DesignFact kFacts[] = {
    {"Caption", [] { return Form1->windowTitle(); }, "Configuration"},
    {"Size", [] { return Form1->size(); }, QSize(522, 367)},
    {"MeterPageShown", [] { return Form1->PageControl1->currentWidget() == Form1->TabSheet2; },
     true},
    {"TabSheet1Caption", [] { return Form1->PageControl1->tabText(0); }, "Options Générales"},
    {"TabSheet2Caption", [] { return Form1->PageControl1->tabText(1); }, "Tachymetre"},
    {"Colours", Fields, QStringList{"00CC00", "FF0000", "006600", "FF00FF", "01E5DD"}},
    {"lbUnchecked", [] { return IsChecked(*Form1->lb, 0); }, false},
    {"cbWinUnchecked", [] { return Form1->cbWin->isChecked(); }, false},
    {"cbWinEnabled", [] { return Form1->cbWin->isEnabled(); }, true},
    {"cbGrChecked", [] { return Form1->cbGr->isChecked(); }, true},
    {"rb2Checked", [] { return Form1->rb2->isChecked(); }, true},
    {"gradspinValue", [] { return Form1->gradspin->Value(); }, 4},
    {"hspinValue", [] { return Form1->hspin->Value(); }, 30},
    {"cbNoItem", [] { return Form1->cb->currentIndex(); }, -1},
    {"spdspinValue", [] { return Form1->spdspin->Value(); }, 65536},
    {"spdspinDisabled", [] { return Form1->spdspin->isEnabled(); }, false},
    {"aotChecked", [] { return Form1->aot->isChecked(); }, true},
    {"aotDisabled", [] { return Form1->aot->isEnabled(); }, false},
    {"microUnchecked", [] { return Form1->micro->isChecked(); }, false},
    {"tbValue", [] { return Form1->tb->value(); }, 20},
    {"Label14Caption", [] { return Form1->Label14->text(); }, "1000ms"},
    {"cbIHidden", [] { return Form1->cbI->isHidden(); }, true},
    {"Label4Hidden", [] { return Form1->Label4->isHidden(); }, true},
    {"Label5Hidden", [] { return Form1->Label5->isHidden(); }, true},
    {"Label6Hidden", [] { return Form1->Label6->isHidden(); }, true},
    {"Timer1Interval", [] { return Form1->Timer1->interval(); }, 300000},
    {"Timer1Active", [] { return Form1->Timer1->isActive(); }, true},
    {"Button3Caption", [] { return Form1->Button3->text(); }, "OK"},
    {"Button3Bounds", [] { return Form1->Button3->geometry(); }, QRect(184, 320, 121, 25)},
    {"Button4Caption", [] { return Form1->Button4->text(); }, "test timer"},
    {"Button4Bounds", [] { return Form1->Button4->geometry(); }, QRect(336, 320, 75, 25)},
    {"Button4HiddenWithoutDebugFile", [] { return Form1->Button4->isHidden(); }, true},
    {"Label1HiddenWithoutDebugFile", [] { return Form1->Label1->isHidden(); }, true},
    {"lbBounds", [] { return Form1->lb->geometry(); }, QRect(0, 16, 297, 97)},
    {"Button5Caption", [] { return Form1->Button5->text(); }, "Rafraichir la liste"},
    {"Button6Caption", [] { return Form1->Button6->text(); }, "Rafraichir la liste"},
    {"Button1Caption", [] { return Form1->Button1->text(); }, "Défaut"},
    {"Button2Caption", [] { return Form1->Button2->text(); }, "Graphique"},
    {"Button2Bounds", [] { return Form1->Button2->geometry(); }, QRect(0, 160, 297, 49)},
    {"cbWinCaption", [] { return Form1->cbWin->text(); }, "Démarrer avec Windows"},
    {"lrecCaption", [] { return Form1->lrec->text(); }, "Récéption 1 :"},
    {"lbrepCaption", [] { return Form1->lbrep->text(); }, "Récéption 2 Pic:"},
    {"Label16Caption", [] { return Form1->Label16->text(); }, "Intersection 1-2:"},
    {"Edit1Size", [] { return Form1->Edit1->size(); }, QSize(73, 21)},
    {"Shape1Size", [] { return Form1->Shape1->size(); }, QSize(33, 17)},
    {"cbGrCaption", [] { return Form1->cbGr->text(); }, "Afficher le graphique"},
    {"rb1Caption", [] { return Form1->rb1->text(); }, "Octets"},
    {"rb2Caption", [] { return Form1->rb2->text(); }, "Bits"},
    {"aotCaption", [] { return Form1->aot->text(); }, "Toujours au dessus"},
    {"microCaption", [] { return Form1->micro->text(); }, "Mode Compact"},
    {"Label13Caption", [] { return Form1->Label13->text(); }, "Période de rafraichissement :"},
    {"GroupBox3Title", [] { return Form1->GroupBox3->title(); }, "Légende"},
    {"GroupBox5Title", [] { return Form1->GroupBox5->title(); }, "Interfaces à monitorer"},
    {"lb1Bounds", [] { return Form1->lb1->geometry(); }, QRect(8, 32, 241, 81)},
    {"lb2Bounds", [] { return Form1->lb2->geometry(); }, QRect(248, 32, 241, 81)},
    {"tbMinimum", [] { return Form1->tb->minimum(); }, 1},
    {"tbMaximum", [] { return Form1->tb->maximum(); }, 40},
    {"tbTickInterval", [] { return Form1->tb->tickInterval(); }, 2},
    {"gradspinMinimum", [] { return Form1->gradspin->MinValue(); }, 0},
    {"gradspinMaximum", [] { return Form1->gradspin->MaxValue(); }, 999},
    {"hspinMinimum", [] { return Form1->hspin->MinValue(); }, 1},
    {"hspinMaximum", [] { return Form1->hspin->MaxValue(); }, 3600},
    {"spdspinMinimum", [] { return Form1->spdspin->MinValue(); }, 1025},
    {"spdspinMaximum", [] { return Form1->spdspin->MaxValue(); }, 2147483647},
    {"cbItems", [] { return Texts(*Form1->cb); },
     QStringList{"64kbps (RTC, RNIS)", "128kbps (RNIS double)", "512kbps (ADSL, cable)",
                 "1024kbps (ADSL, cable)", "10mbps (Ethernet)", "100mbps (Fast Ethernet)",
                 "1gbps (Gigabit Ethernet)", "Automatique", "Manuel"}},
};

INSTANTIATE_TEST_SUITE_P(DesignFacts, ConfigDialogFacts, ::testing::ValuesIn(kFacts),
                         testing::FactName);

TEST_F(ConfigDialogTest, ListsHoldTheNamesOfEveryRowInTableOrder) {
  fakes.interfaces.Add("lo");
  fakes.interfaces.Add("eth0");
  fakes.interfaces.Add("carte/reseau:1");
  Start();
  const QStringList names = {"lo", "eth0", "cartereseau1"};
  EXPECT_EQ(Texts(*Form1->lb), names);
  EXPECT_EQ(Texts(*Form1->lb1), names);
  EXPECT_EQ(Texts(*Form1->lb2), names);
  EXPECT_EQ(Texts(*Form1->cbI), names);
  EXPECT_EQ(Form1->cbI->currentIndex(), -1);
}

TEST_F(ConfigDialogTest, LrecWithoutFirstlaunchOpensTheDialogUntilTheNextSave) {
  StoreOnce();
  Start();
  EXPECT_TRUE(Form1->isVisible());
  bool canClose = false;
  Form1->FormCloseQuery(Form1, canClose);
  EXPECT_TRUE(canClose);
  EXPECT_EQ(StoredNumber("firstlaunch"), 0);
}

TEST_F(ConfigDialogTest, AStoreWithFirstlaunchDoesNotOpenTheDialog) {
  StoreOnce();
  Store("firstlaunch", 0);
  Start();
  EXPECT_FALSE(Form1->isVisible());
}

TEST_F(ConfigDialogTest, StoredChecksAndColoursAreRestored) {
  fakes.interfaces.Add("lo", 100, 200);
  fakes.interfaces.Add("eth0");
  StoreOnce();
  Store("firstlaunch", 0);
  Store("eth0", 1);
  Store("lo1", 1);
  Store("eth02", 1);
  Store("lint", std::string("123ABC"));
  fakes.autoStart.path = "/usr/bin/kirv";
  Start();
  EXPECT_EQ(CheckStates(*Form1->lb), std::vector<bool>({false, true}));
  EXPECT_EQ(CheckStates(*Form1->lb1), std::vector<bool>({true, false}));
  EXPECT_EQ(CheckStates(*Form1->lb2), std::vector<bool>({false, true}));
  EXPECT_TRUE(Form1->cbWin->isChecked());
  EXPECT_EQ(Form1->Edit5->text(), QStringLiteral("123ABC"));
  EXPECT_EQ(Swatch(4), QtCanvas::ToQColor(0x123ABC));
}

TEST_F(ConfigDialogTest, DefautRestoresTheFiveColoursInFieldsAndSwatches) {
  Start();
  for (QLineEdit* field : {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5}) {
    field->setText(QStringLiteral("ABCDEF"));
  }
  Form1->Edit1Exit(Form1->Edit1);
  ASSERT_EQ(Swatch(0), QtCanvas::ToQColor(0xABCDEF));
  Form1->Button1->click();
  EXPECT_EQ(Fields(), QStringList({"00CC00", "FF0000", "006600", "FF00FF", "01E5DD"}));
  const Colour colours[] = {0x00CC00, 0xFF0000, 0x006600, 0xFF00FF, 0x01E5DD};
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(Swatch(row), QtCanvas::ToQColor(colours[row])) << row;
  }
}

TEST_F(ConfigDialogTest, PickingTheFifthColourChangesEdit5) {
  Start();
  fakes.dialogs.colourAnswers.push_back(Colour{0x0A0B0C});
  Form1->Shape5->OnMouseDown(Qt::LeftButton, 3, 3);
  ASSERT_EQ(fakes.dialogs.colourRequests.size(), 1u);
  EXPECT_EQ(fakes.dialogs.colourRequests[0], Colour{0x01E5DD});
  EXPECT_EQ(Form1->Edit5->text(), QStringLiteral("0A0B0C"));
  EXPECT_EQ(Swatch(4), QtCanvas::ToQColor(0x0A0B0C));
  EXPECT_EQ(Form1->Edit4->text(), QStringLiteral("FF00FF"));
  EXPECT_EQ(Swatch(3), QtCanvas::ToQColor(0xFF00FF));
}

TEST_F(ConfigDialogTest, CancellingTheColourDialogLeavesFieldAndSwatch) {
  Start();
  Form1->Shape2->OnMouseDown(Qt::LeftButton, 3, 3);
  EXPECT_EQ(fakes.dialogs.colourRequests.size(), 1u);
  EXPECT_EQ(Form1->Edit2->text(), QStringLiteral("FF0000"));
  EXPECT_EQ(Swatch(1), QtCanvas::ToQColor(0xFF0000));
}

TEST_F(ConfigDialogTest, AFieldThatIsNotHexMakesItsSwatchBlack) {
  Start();
  Form1->Edit3->setText(QStringLiteral("vert"));
  Form1->Edit1Exit(Form1->Edit3);
  EXPECT_EQ(Swatch(2), QColor(Qt::black));
  EXPECT_EQ(Swatch(0), QtCanvas::ToQColor(0x00CC00));
}

struct ScaleCase {
  int index;
  std::int32_t fullScale;
  bool enabled;
};

class SpeedScaleChoiceTest : public ConfigDialogTest,
                             public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(SpeedScaleChoiceTest, SetsTheFullScaleAndWhetherItCanBeTyped) {
  Start();
  Form1->cb->setCurrentIndex(GetParam().index);
  Form1->cbChange(Form1->cb);
  EXPECT_EQ(Form1->spdspin->Value(), GetParam().fullScale);
  EXPECT_EQ(Form1->spdspin->isEnabled(), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(Items, SpeedScaleChoiceTest,
                         ::testing::Values(ScaleCase{0, 8192, false}, ScaleCase{1, 16384, false},
                                           ScaleCase{2, 65536, false}, ScaleCase{3, 131072, false},
                                           ScaleCase{4, 1310720, false},
                                           ScaleCase{5, 13107200, false},
                                           ScaleCase{6, 134217728, false},
                                           ScaleCase{7, 1025, false}, ScaleCase{8, 1025, true}),
                         [](const auto& info) {
                           return "Item" + std::to_string(info.param.index);
                         });

TEST_F(ConfigDialogTest, AutomaticShows1025UntilTheMetersNextSampleSetsIt) {
  fakes.interfaces.Add("lo", 0, 0);
  Start();
  SetChecked(*Form1->lb1, 0, true);
  Form1->cb->setCurrentIndex(7);
  Form1->cbChange(Form1->cb);
  EXPECT_EQ(Form1->spdspin->Value(), 1025);
  EXPECT_FALSE(Form1->spdspin->isEnabled());
  MeterTick();
  fakes.interfaces.rows[0].inOctets += 150000;
  MeterTick();
  EXPECT_EQ(Form1->spdspin->Value(), 150000);
  EXPECT_FLOAT_EQ(Form3->Sampler().PixelsPerOctet(),
                  static_cast<float>(Form3->im2->height()) / 150000.0f);
}

TEST_F(ConfigDialogTest, ManualEnablesTheSpeedFieldAt1025) {
  Start();
  Form1->cb->setCurrentIndex(8);
  Form1->cbChange(Form1->cb);
  EXPECT_EQ(Form1->spdspin->Value(), 1025);
  EXPECT_TRUE(Form1->spdspin->isEnabled());
}

TEST_F(ConfigDialogTest, TheTrackbarSetsThePeriodTextAndTheMetersTimer) {
  Start();
  Form1->tb->setValue(1);
  EXPECT_EQ(Form1->Label14->text(), QStringLiteral("50ms"));
  EXPECT_EQ(Form3->Timer1->interval(), 50);
  Form1->tb->setValue(40);
  EXPECT_EQ(Form1->Label14->text(), QStringLiteral("2000ms"));
  EXPECT_EQ(Form3->Timer1->interval(), 2000);
}

// The list clicked last wins: checking position `clicked` of one graph list unchecks it in the
// other, whose other marks stay.
class GraphListExclusionTest : public ConfigDialogTest,
                               public ::testing::WithParamInterface<bool> {};

TEST_P(GraphListExclusionTest, AClickInOneGraphListUnchecksTheOtherAndClearsPrimed) {
  fakes.interfaces.Add("lo");
  fakes.interfaces.Add("eth0");
  Start();
  const bool clickGraph1 = GetParam();
  QListWidget& clicked = clickGraph1 ? *Form1->lb1 : *Form1->lb2;
  QListWidget& other = clickGraph1 ? *Form1->lb2 : *Form1->lb1;
  SetChecked(other, 0, true);
  SetChecked(other, 1, true);
  MeterTick();
  ASSERT_TRUE(Form3->Sampler().Primed());
  SetChecked(clicked, 0, true);
  EXPECT_EQ(CheckStates(clicked), std::vector<bool>({true, false}));
  EXPECT_EQ(CheckStates(other), std::vector<bool>({false, true}));
  EXPECT_FALSE(Form3->Sampler().Primed());
}

INSTANTIATE_TEST_SUITE_P(ConfigDialog, GraphListExclusionTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Graph1" : "Graph2"; });

// Without settings the link of the default route is checked for the archive and the first
// graph; with settings the routes are not even read.
class FirstStartChoiceTest : public ConfigDialogTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FirstStartChoiceTest, ChecksTheChosenLinkInTheLoggerAndGraph1Lists) {
  fakes.interfaces.Add("lo");
  fakes.interfaces.Add("eth0");
  fakes.interfaces.Add("wlan0");
  fakes.networkFacts.facts = {0,
                              {{"lo", 1, "", true, true, false},
                               {"eth0", 2, "", true, false, true},
                               {"wlan0", 3, "", true, false, true}},
                              {3, 1}};
  services.firstStart = GetParam();
  Start();
  const std::vector<bool> chosen = {false, false, GetParam()};
  EXPECT_EQ(CheckStates(*Form1->lb), chosen);
  EXPECT_EQ(CheckStates(*Form1->lb1), chosen);
  EXPECT_EQ(CheckStates(*Form1->lb2), std::vector<bool>(3, false));
  EXPECT_EQ(fakes.networkFacts.reads, GetParam() ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(ConfigDialog, FirstStartChoiceTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "NoSettings" : "Settings"; });

TEST_F(ConfigDialogTest, CompactModeOnUnchecksAndDisablesTheGraphAndOffBringsItBack) {
  Start();
  Form1->micro->setChecked(true);
  EXPECT_FALSE(Form1->cbGr->isChecked());
  EXPECT_FALSE(Form1->cbGr->isEnabled());
  EXPECT_TRUE(Form3->Borderless());
  EXPECT_TRUE(Form3->Modemicro1->isChecked());
  EXPECT_TRUE(Form3->Image1->isHidden());
  Form1->micro->setChecked(false);
  EXPECT_TRUE(Form1->cbGr->isChecked());
  EXPECT_TRUE(Form1->cbGr->isEnabled());
  EXPECT_FALSE(Form3->Borderless());
  EXPECT_FALSE(Form3->Modemicro1->isChecked());
  EXPECT_FALSE(Form3->Image1->isHidden());
}

TEST_F(ConfigDialogTest, HidingTheGraphKeepsTheBarAndShowingItRestoresTheHeight) {
  Start();
  Form3->show();
  const int clientHeight = Form3->height();
  Form1->cbGr->setChecked(false);
  EXPECT_EQ(Form3->minimumHeight(), 19);
  EXPECT_EQ(Form3->height(), 19);
  EXPECT_EQ(Form3->Shape1->height(), 19);
  EXPECT_TRUE(Form3->Shape2->isHidden());
  Form1->cbGr->setChecked(true);
  EXPECT_EQ(Form3->minimumHeight(), 50);
  EXPECT_EQ(Form3->height(), clientHeight);
  EXPECT_EQ(Form3->Shape1->height(), 19);
  EXPECT_FALSE(Form3->im2->isHidden());
}

TEST_F(ConfigDialogTest, ShowingTheGraphBeforeItWasEverHiddenTakesHeights69And50) {
  Start();
  Form3->show();
  {
    const QSignalBlocker quiet(Form1->cbGr);
    Form1->cbGr->setChecked(false);
  }
  Form1->cbGr->setChecked(true);
  EXPECT_EQ(Form3->height(), 69);
  EXPECT_EQ(Form3->Shape1->height(), 50);
}

TEST_F(ConfigDialogTest, RefreshingTheListTwiceLeavesEachNameOnceAndUnchecked) {
  fakes.interfaces.Add("lo");
  fakes.interfaces.Add("eth0");
  Start();
  SetChecked(*Form1->lb, 0, true);
  SetChecked(*Form1->lb1, 1, true);
  SetChecked(*Form1->lb2, 0, true);
  Form1->Button5->click();
  Form1->Button6->click();
  const QStringList names = {"lo", "eth0"};
  for (const QListWidget* list : {Form1->lb, Form1->lb1, Form1->lb2}) {
    EXPECT_EQ(Texts(*list), names);
    EXPECT_EQ(CheckStates(*list), std::vector<bool>({false, false}));
  }
  EXPECT_EQ(Texts(*Form1->cbI), names);
}

TEST_F(ConfigDialogTest, RefreshingTheListWithAFailedTableEmptiesTheLists) {
  fakes.interfaces.Add("lo");
  Start();
  fakes.interfaces.result = 105;
  Form1->Button5Click(Form1->Button5);
  EXPECT_EQ(Form1->lb->count(), 0);
  EXPECT_EQ(Form1->lb1->count(), 0);
  EXPECT_EQ(Form1->lb2->count(), 0);
}

// Links that come and go while KIRV runs: the lists keep what they showed, names and check marks,
// until "Rafraichir la liste" takes the table as it is then.
using TableChange = std::function<void(FakeInterfaceTable&)>;

struct LinkChangeCase {
  const char* name;
  std::vector<TableChange> beforeRefresh;  // one change before each pair of ticks
  QStringList afterRefresh;
  std::vector<TableChange> afterwards;  // changes after the refresh, with their ticks
};

class LinkChangeTest : public ConfigDialogTest,
                       public ::testing::WithParamInterface<LinkChangeCase> {
 protected:
  // The meter's sampling and the logger's period. The meter reads the table at every tick, the
  // logger only while an interface is monitored.
  void Ticks(int readers) {
    const int before = fakes.interfaces.snapshots;
    MeterTick();
    Form1->Timer1Timer(Form1->Timer1);
    EXPECT_GE(fakes.interfaces.snapshots, before + readers);
  }
  static void ExpectLists(const QStringList& names, const std::vector<bool>& lb,
                          const std::vector<bool>& lb1, const std::vector<bool>& lb2) {
    EXPECT_EQ(Texts(*Form1->lb), names);
    EXPECT_EQ(Texts(*Form1->lb1), names);
    EXPECT_EQ(Texts(*Form1->lb2), names);
    EXPECT_EQ(Texts(*Form1->cbI), names);
    EXPECT_EQ(CheckStates(*Form1->lb), lb);
    EXPECT_EQ(CheckStates(*Form1->lb1), lb1);
    EXPECT_EQ(CheckStates(*Form1->lb2), lb2);
  }
};

TEST_P(LinkChangeTest, TicksKeepTheListsAndRefreshingTakesTheTableAsItIs) {
  fakes.interfaces.Add("lo", 10, 10);
  fakes.interfaces.Add("a0", 1000, 2000);
  fakes.interfaces.Add("b0", 3000, 4000);
  StoreOnce();
  Store("firstlaunch", 0);
  Store("a0", 1);
  Store("b0", 1);
  Store("a01", 1);
  Store("b02", 1);
  Start();
  const QStringList started = {"lo", "a0", "b0"};
  const std::vector<bool> monitored = {false, true, true};
  const std::vector<bool> graph1 = {false, true, false};
  const std::vector<bool> graph2 = {false, false, true};
  ExpectLists(started, monitored, graph1, graph2);

  for (const TableChange& change : GetParam().beforeRefresh) {
    change(fakes.interfaces);
    Ticks(2);
    ExpectLists(started, monitored, graph1, graph2);
  }

  Form1->Button6->click();
  const std::vector<bool> unchecked(GetParam().afterRefresh.size(), false);
  ExpectLists(GetParam().afterRefresh, unchecked, unchecked, unchecked);

  for (const TableChange& change : GetParam().afterwards) {
    change(fakes.interfaces);
    Ticks(1);
    ExpectLists(GetParam().afterRefresh, unchecked, unchecked, unchecked);
  }
}

TableChange Remove(const char* name) {
  return [name](FakeInterfaceTable& table) { table.Remove(name); };
}
TableChange Add(const char* name) {
  return [name](FakeInterfaceTable& table) { table.Add(name); };
}
TableChange Traffic(const char* name) {
  return [name](FakeInterfaceTable& table) {
    table.Row(name).inOctets += 5000;
    table.Row(name).outOctets += 700;
  };
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkChangeTest,
    ::testing::Values(
        LinkChangeCase{"NothingChanges", {Traffic("b0"), Traffic("a0")}, {"lo", "a0", "b0"}, {}},
        LinkChangeCase{"AMonitoredLinkBeforeAnotherVanishes",
                       {Remove("a0"), Traffic("b0")},
                       {"lo", "b0"},
                       {Add("a0"), Traffic("a0")}},
        LinkChangeCase{"ALinkVanishesAndReturnsAtTheEnd",
                       {Remove("a0"), Add("a0"), Traffic("a0")},
                       {"lo", "b0", "a0"},
                       {Remove("lo")}},
        LinkChangeCase{"ANewLinkAppears",
                       {Add("tun0"), Traffic("tun0")},
                       {"lo", "a0", "b0", "tun0"},
                       {Add("wg0")}},
        LinkChangeCase{
            "EveryLinkVanishes", {Remove("b0"), Remove("a0"), Remove("lo")}, {}, {Add("eth0")}}),
    [](const ::testing::TestParamInfo<LinkChangeCase>& info) { return info.param.name; });

// The auto-start entry is the user's own file, so the box is never locked.
TEST_F(ConfigDialogTest, WithDebugFileTheTestControlsShowAndAutoStartCanChange) {
  Touch("debug.txt");
  Start();
  EXPECT_FALSE(Form1->Button4->isHidden());
  EXPECT_FALSE(Form1->Label1->isHidden());
  EXPECT_TRUE(Form1->cbWin->isEnabled());
  EXPECT_EQ(Form1->Label1->text(), QStringLiteral("0ko/s"));
}

TEST_F(ConfigDialogTest, TestTimerTellsWhetherTheLoggerRuns) {
  Start();
  Form1->Button4->click();
  Form1->Timer1->stop();
  Form1->Button4->click();
  EXPECT_EQ(fakes.dialogs.messages, std::vector<std::string>({"Timer activé", "Timer désactivé"}));
}

TEST_F(ConfigDialogTest, GraphiqueShowsTheHistoryGraph) {
  Start();
  Form1->Button2->click();
  EXPECT_TRUE(Form2->isVisible());
}

TEST_F(ConfigDialogTest, OkHidesWithoutStoring) {
  Start();
  Form1->show();
  Form1->Button3->click();
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_TRUE(fakes.settings.writeOrder.empty());
}

TEST_F(ConfigDialogTest, TheCloseBoxStoresEveryValueInOrder) {
  fakes.interfaces.Add("lo");
  fakes.interfaces.Add("eth0");
  Start();
  SetChecked(*Form1->lb, 1, true);
  SetChecked(*Form1->lb1, 0, true);
  Form3->Envoi1->trigger();
  EXPECT_TRUE(CloseBox());
  EXPECT_FALSE(Form1->isVisible());
  std::vector<std::string> expected = {"lo", "lo1", "lo2", "eth0", "eth01", "eth02"};
  for (const SettingDefinition& d : kGlobalSettings) expected.emplace_back(d.name);
  EXPECT_EQ(fakes.settings.writeOrder, expected);
  EXPECT_EQ(StoredNumber("lo"), 0);
  EXPECT_EQ(StoredNumber("lo1"), 1);
  EXPECT_EQ(StoredNumber("eth0"), 1);
  EXPECT_EQ(StoredNumber("Type moyenne"), 2);
  EXPECT_EQ(StoredNumber("firstlaunch"), 0);
  EXPECT_EQ(StoredNumber("Unite2"), 0);
  EXPECT_EQ(StoredNumber("Vitesse2"), 65536);
  EXPECT_EQ(StoredNumber("Echelle2"), -1);
  EXPECT_EQ(StoredNumber("width"), Form3->width());
  EXPECT_EQ(StoredText("lrec"), "00CC00");
  EXPECT_FALSE(fakes.autoStart.path.has_value());
}

TEST_F(ConfigDialogTest, ACheckedAutoStartBoxWritesTheEntryWithTheProgramsPath) {
  Start();
  Form1->cbWin->setChecked(true);
  EXPECT_TRUE(CloseBox());
  EXPECT_EQ(fakes.autoStart.path, "/opt/kirv/bin/kirv");
}

TEST_F(ConfigDialogTest, ASaveThatCannotWriteIsReportedAndTheDialogStaysOpen) {
  Start();
  fakes.settings.failWrites = true;
  EXPECT_FALSE(CloseBox());
  EXPECT_TRUE(Form1->isVisible());
  ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
  EXPECT_NE(fakes.dialogs.messages[0].find("Graphfile"), std::string::npos);
}

TEST_F(ConfigDialogTest, TheGraphWindowsStoredSettingsGoBackAsTheyWere) {
  StoreOnce();
  Store("firstlaunch", 0);
  Store("Graphfile", std::string("eth0.mdf"));
  Store("Vmax", 0);
  Store("Gradu", 5);
  Start();
  EXPECT_TRUE(CloseBox());
  EXPECT_EQ(StoredText("Graphfile"), "eth0.mdf");
  EXPECT_EQ(StoredNumber("Vmax"), 0);
  EXPECT_EQ(StoredNumber("Gradu"), 5);
}

TEST_F(ConfigDialogTest, TheLoggerTickWritesTheRecordAndItsDisplays) {
  fakes.interfaces.Add("eth0", 1000, 1000);
  StoreOnce();
  Store("firstlaunch", 0);
  Store("eth0", 1);
  Touch("debug.txt");
  Start();
  fakes.interfaces.rows[0].inOctets += 1843200;
  fakes.interfaces.rows[0].outOctets += 4000;
  fakes.clock.now = {2026, 4, 20, 10, 5, 0, 0};
  Form1->Timer1Timer(Form1->Timer1);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 10:05:00D1843200U4000\r\n");
  EXPECT_EQ(Form1->Label1->text(), QStringLiteral("6ko/s"));
  EXPECT_EQ(Form1->Label6->text(), QStringLiteral("F20/04/2026 10:05:00D1843200U4000"));
  EXPECT_EQ(Form3->Label3->text(), QStringLiteral("LOG OK 10:05:00 0 1"));
}

TEST_F(ConfigDialogTest, QuittingWritesTheLastRecordsSoNoTrafficIsLost) {
  fakes.interfaces.Add("eth0", 1000, 1000);
  StoreOnce();
  Store("firstlaunch", 0);
  Store("eth0", 1);
  Start();
  fakes.interfaces.rows[0].inOctets += 500;
  fakes.interfaces.rows[0].outOctets += 70;
  bool canClose = false;
  Form1->FormCloseQuery(nullptr, canClose);
  EXPECT_TRUE(canClose);
  EXPECT_EQ(ReadFile("eth0.mdf"), "F20/04/2026 10:00:00D500U70\r\n");
}

TEST_F(ConfigDialogTest, TheCloseBoxWritesNoRecord) {
  fakes.interfaces.Add("eth0", 1000, 1000);
  StoreOnce();
  Store("firstlaunch", 0);
  Store("eth0", 1);
  Start();
  fakes.interfaces.rows[0].inOctets += 500;
  fakes.interfaces.rows[0].outOctets += 70;
  EXPECT_TRUE(CloseBox());
  EXPECT_FALSE(std::filesystem::exists("eth0.mdf"));
}

TEST_F(ConfigDialogTest, AnUnreadableInterfaceTableIsSaidOnce) {
  fakes.interfaces.available = false;
  Start();
  ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
  EXPECT_NE(fakes.dialogs.messages[0].find("interfaces"), std::string::npos);
}

// The page "Forfait" shows the plan's settings and gives them back unchanged, the limit in "Mo"
// or "Go" and the chosen interfaces checked, even one that the table no longer lists.
struct PlanPageCase {
  const char* name;
  PlanControls plan;
  const char* unit;
  double shown;
};

class PlanPageTest : public ConfigDialogTest, public ::testing::WithParamInterface<PlanPageCase> {};

TEST_P(PlanPageTest, ShowsThePlanAndGivesItBack) {
  fakes.interfaces.Add("lo");
  fakes.interfaces.Add("eth0");
  Start();
  Form1->RestorePlanControls(GetParam().plan);
  EXPECT_EQ(Form1->planUnit->currentText(), QString::fromUtf8(GetParam().unit));
  EXPECT_DOUBLE_EQ(Form1->planLimit->value(), GetParam().shown);
  EXPECT_EQ(Form1->planList->count(), GetParam().plan.interfaces == "eth0 wwan0" ? 3 : 2);
  EXPECT_EQ(Form1->Controls().plan, GetParam().plan);
}

INSTANTIATE_TEST_SUITE_P(
    ConfigDialog, PlanPageTest,
    ::testing::Values(
        PlanPageCase{
            "OffTenGo", {false, "10737418240", 0, 1, 30, "01/01/2026", 0, 80, ""}, "Go", 10},
        PlanPageCase{"Monthly15th500MoReceived",
                     {true, "524288000", 0, 15, 30, "01/01/2026", 1, 90, ""},
                     "Mo",
                     500},
        PlanPageCase{"DailyOneAndAHalfGoSentChosen",
                     {true, "1610612736", 1, 1, 30, "01/01/2026", 2, 50, "eth0 wwan0"},
                     "Go",
                     1.5},
        PlanPageCase{"Every28DaysFrom5January",
                     {true, "32212254720", 2, 1, 28, "05/01/2026", 0, 99, "eth0"},
                     "Go",
                     30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigDialogTest, APlanPageChangeActsAtOnce) {
  fakes.interfaces.Add("eth0");
  Start();
  Form1->cbPlan->setChecked(true);
  Form1->planChosen->setChecked(true);
  SetChecked(*Form1->planList, 0, true);
  Form1->planPeriod->setCurrentIndex(2);
  emit Form1->planPeriod->activated(2);
  EXPECT_TRUE(Form1->planEvery->isEnabled());
  EXPECT_FALSE(Form1->planDay->isEnabled());
  ASSERT_TRUE(Form1->Plan().has_value());
  EXPECT_EQ(Form1->Plan()->interfaces, std::vector<std::string>{"eth0"});
  EXPECT_EQ(Form1->Plan()->period.kind, PlanPeriodKind::kEveryDays);
}

// A record past the warning level of a daily 1 Mo plan notifies once; the next record and a
// restart with the same state file send nothing more.
TEST_F(ConfigDialogTest, ARecordPastTheWarningLevelNotifiesOnceAcrossARestart) {
  setenv("XDG_STATE_HOME", (dir_ / "state").c_str(), 1);
  fakes.clock.now = {2026, 4, 20, 10, 5, 0, 0};
  fakes.interfaces.Add("eth0");
  Store("planOn", 1);
  Store("planLimit", std::string("1048576"));
  Store("planPeriod", 1);
  Start();
  SetChecked(*Form1->lb, 0, true);
  Form1->Timer1Timer(Form1->Timer1);
  EXPECT_TRUE(fakes.notifier.sent.empty());
  fakes.interfaces.rows[0].inOctets += 900000;
  fakes.interfaces.rows[0].outOctets += 1000;
  fakes.clock.now.minute = 10;
  Form1->Timer1Timer(Form1->Timer1);
  ASSERT_EQ(fakes.notifier.sent.size(), 1u);
  EXPECT_EQ(fakes.notifier.sent[0].category, "network");
  fakes.interfaces.rows[0].inOctets += 1000;
  fakes.interfaces.rows[0].outOctets += 1000;
  fakes.clock.now.minute = 15;
  Form1->Timer1Timer(Form1->Timer1);
  EXPECT_EQ(fakes.notifier.sent.size(), 1u);

  ShutDown();
  Start();  // the figures are read again at the start
  Form1->planChange(Form1->cbPlan);
  EXPECT_EQ(fakes.notifier.sent.size(), 1u);
  unsetenv("XDG_STATE_HOME");
}

}  // namespace
}  // namespace kirv
