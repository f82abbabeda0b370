#include "meter/meter_window.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFontMetrics>
#include <QImage>
#include <QTranslator>
#include <QWindow>
#include <filesystem>

#include "gui/design_facts.h"
#include "gui/started_program.h"
#include "meter/label_fit.h"
#include "platform/translations.h"

namespace kirv {
namespace {

using testing::StartedProgramTest;

class MeterWindowTest : public StartedProgramTest {
 protected:
  // A loopback interface summed into the first graph, in octets.
  void MonitorLoopbackInGraph1() {
    fakes.interfaces.Add("lo", 1000000, 5000);
    Start();
    SetChecked(*Form1->lb1, 0, true);
    Form1->rb1->setChecked(true);
  }

  static QSize TextSize(const QString& text) {
    const QFontMetrics metrics(Form3->Label1->font());
    return {metrics.horizontalAdvance(text), metrics.height()};
  }
};

using MeterWindowFacts = testing::DesignFactsTest<MeterWindowTest>;

TEST_P(MeterWindowFacts, HoldAtTheStart) {
  Start();
  ExpectFact();
}

// The menu's items in order, the average's submenu among them.
bool PopupMenu1Items() {
  const QList<QAction*> items = Form3->PopupMenu1->actions();
  return items.size() == 6 && items[0] == Form3->popAOT && items[1] == Form3->Configuration1 &&
         items[2] == Form3->Modemicro1 && items[3] == Form3->VitesseMoyenne1 &&
         items[4]->isSeparator() && items[5] == Form3->Fermer1;
}

QStringList AverageItems() {
  QStringList texts;
  for (const QAction* item : Form3->VitesseMoyenne1->menu()->actions()) texts << item->text();
  return texts;
}

const testing::DesignFact kFacts[] = {
    {"Hidden", [] { return Form3->isVisible(); }, false},
    {"Caption", [] { return Form3->windowTitle(); }, "Tachymetre"},
    {"StaysOnTop", [] { return Form3->StaysOnTop(); }, true},
    {"Bordered", [] { return Form3->Borderless(); }, false},
    {"Position", [] { return Form3->pos(); }, QPoint(197, 123)},
    {"MinimumWidth", [] { return Form3->minimumWidth(); }, 60},
    {"MinimumHeight", [] { return Form3->minimumHeight(); }, 50},
    {"MaximumWidth", [] { return Form3->maximumWidth(); }, 1024},
    {"Label1Caption", [] { return Form3->Label1->text(); }, "DL : 0ko/s  UL : 0ko/s"},
    {"Shape1Top", [] { return Form3->Shape1->y(); }, 0},
    {"Shape1Height", [] { return Form3->Shape1->height(); }, 19},
    {"Shape2Top", [] { return Form3->Shape2->y(); }, 18},
    {"im2Bounds", [] { return Form3->im2->geometry(); }, QRect(48, 18, 345, 135)},
    {"im1Bounds", [] { return Form3->im1->geometry(); }, QRect(0, 18, 393, 135)},
    {"Image1Bounds", [] { return Form3->Image1->geometry(); }, QRect(371, 1, 20, 17)},
    {"Image2Hidden", [] { return Form3->Image2->isHidden(); }, true},
    {"Button1Caption", [] { return Form3->Button1->text(); }, "ARRET"},
    {"Timer1Interval", [] { return Form3->Timer1->interval(); }, 1000},
    {"Timer1Active", [] { return Form3->Timer1->isActive(); }, true},
    {"PopupMenu1Items", PopupMenu1Items, true},
    {"popAOTCaption", [] { return Form3->popAOT->text(); }, "Toujours au &dessus"},
    {"popAOTChecked", [] { return Form3->popAOT->isChecked(); }, true},
    {"Configuration1Caption", [] { return Form3->Configuration1->text(); }, "&Configuration"},
    {"Modemicro1Caption", [] { return Form3->Modemicro1->text(); }, "&Mode Compact"},
    {"Modemicro1Unchecked", [] { return Form3->Modemicro1->isChecked(); }, false},
    {"VitesseMoyenne1Caption", [] { return Form3->VitesseMoyenne1->text(); }, "Vitesse Moyenne"},
    {"Fermer1Caption", [] { return Form3->Fermer1->text(); }, "Fermer"},
    {"AverageItems", AverageItems, QStringList{"Aucun", "Reception", "Envoi"}},
    {"Aucun1Checked", [] { return Form3->Aucun1->isChecked(); }, true},
    {"Button1HiddenWithoutDebugFile", [] { return Form3->Button1->isHidden(); }, true},
    {"Label2HiddenWithoutDebugFile", [] { return Form3->Label2->isHidden(); }, true},
    {"Label3HiddenWithoutDebugFile", [] { return Form3->Label3->isHidden(); }, true},
};

INSTANTIATE_TEST_SUITE_P(DesignFacts, MeterWindowFacts, ::testing::ValuesIn(kFacts),
                         testing::FactName);

TEST_F(MeterWindowTest, ResizingLaysOutTheBarTheGraphAndTheCamera) {
  Start();
  Form3->show();
  Form3->resize(500, 170);
  EXPECT_EQ(Form3->Shape1->width(), 500);
  EXPECT_EQ(Form3->Shape2->geometry(), QRect(0, 18, 500, 170 - 19));
  EXPECT_EQ(Form3->im2->geometry(), QRect(48, 18, 452, 151));
  EXPECT_EQ(Form3->im1->geometry(), QRect(0, 18, 516, 151));
  EXPECT_EQ(Form3->Image1->x(), 478);
  const int textWidth = TextSize(QStringLiteral("0ko/s  UL : 0ko/s")).width();
  EXPECT_EQ(Form3->Label1->x(), (500 - textWidth) / 2);
  EXPECT_EQ(Form3->im1->pixmap().size(), QSize(516, 151));
}

TEST_F(MeterWindowTest, RadioItemsCheckExactlyTheOneClicked) {
  Start();
  Form3->Envoi1->trigger();
  EXPECT_TRUE(Form3->Envoi1->isChecked());
  EXPECT_FALSE(Form3->Aucun1->isChecked());
  EXPECT_EQ(Form3->Average(), AverageSeries::Out1);
  Form3->Reception1->trigger();
  EXPECT_TRUE(Form3->Reception1->isChecked());
  EXPECT_FALSE(Form3->Envoi1->isChecked());
  EXPECT_EQ(Form3->Average(), AverageSeries::In1);
  Form3->Aucun1->trigger();
  Form3->Aucun1->trigger();
  EXPECT_TRUE(Form3->Aucun1->isChecked());
  EXPECT_EQ(Form3->Average(), AverageSeries::None);
}

struct ModeCase {
  const char* name;
  bool graph;
  bool compact;
  bool borderless;
  int minimumHeight;
};

class MeterModeTest : public MeterWindowTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(MeterModeTest, EachDisplayModeHasItsBorderPartsAndLimits) {
  const ModeCase mode = GetParam();
  Start();
  Form3->show();
  Form1->cbGr->setChecked(mode.graph);
  Form1->micro->setChecked(mode.compact);
  EXPECT_EQ(Form3->Borderless(), mode.borderless);
  EXPECT_EQ(Form3->Shape2->isHidden(), !mode.graph);
  EXPECT_EQ(Form3->im1->isHidden(), !mode.graph);
  EXPECT_EQ(Form3->im2->isHidden(), !mode.graph);
  EXPECT_EQ(Form3->minimumHeight(), mode.minimumHeight);
  EXPECT_EQ(Form3->Image1->isHidden(), mode.compact);
  EXPECT_EQ(Form3->Modemicro1->isChecked(), mode.compact);
  EXPECT_EQ(Form1->cbGr->isEnabled(), !mode.compact);
}

INSTANTIATE_TEST_SUITE_P(Modes, MeterModeTest,
                         ::testing::Values(ModeCase{"WithGraph", true, false, false, 50},
                                           ModeCase{"TextOnly", false, false, false, 19},
                                           ModeCase{"Compact", false, true, true, 19}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MeterWindowTest, ADragMovesTheWindowOnceOnReleaseByTheWholeTravel) {
  Start();
  Form3->show();
  const QPoint start = Form3->pos();
  Mouse(Form3->Label1, QEvent::MouseButtonPress, {5, 5});
  Mouse(Form3->Label1, QEvent::MouseMove, {20, 8});
  Mouse(Form3->Label1, QEvent::MouseMove, {35, 15});
  EXPECT_EQ(Form3->pos(), start);
  Mouse(Form3->Label1, QEvent::MouseButtonRelease, {35, 15});
  EXPECT_EQ(Form3->pos(), start + QPoint(30, 10));
}

TEST_F(MeterWindowTest, ADragBackToTheStartLeavesTheWindowInPlace) {
  Start();
  Form3->show();
  const QPoint start = Form3->pos();
  Mouse(Form3->Shape1, QEvent::MouseButtonPress, {50, 5}, Qt::RightButton);
  Mouse(Form3->Shape1, QEvent::MouseMove, {90, 40}, Qt::RightButton);
  Mouse(Form3->Shape1, QEvent::MouseMove, {50, 5}, Qt::RightButton);
  Mouse(Form3->Shape1, QEvent::MouseButtonRelease, {50, 5}, Qt::RightButton);
  EXPECT_EQ(Form3->pos(), start);
}

TEST_F(MeterWindowTest, TheOverlayIsADragHandleToo) {
  Start();
  Form3->show();
  const QPoint start = Form3->pos();
  Mouse(Form3->im1, QEvent::MouseButtonPress, {100, 50});
  Mouse(Form3->im1, QEvent::MouseMove, {90, 70});
  Mouse(Form3->im1, QEvent::MouseButtonRelease, {90, 70});
  EXPECT_EQ(Form3->pos(), start + QPoint(-10, 20));
}

TEST_F(MeterWindowTest, TextOnlyModeKeepsTheClientAreaAtMost100High) {
  Start();
  Form3->show();
  Form1->cbGr->setChecked(false);
  EXPECT_EQ(Form3->height(), 19);
  Form3->resize(Form3->width(), 150);
  EXPECT_EQ(Form3->height(), 100);
  EXPECT_EQ(Form3->Shape1->height(), 100);
  Form3->resize(Form3->width(), 60);
  EXPECT_EQ(Form3->Shape1->height(), 60);
}

TEST_F(MeterWindowTest, TheLabelFontFitsTheBarOutsideCompactMode) {
  Start();
  Form3->show();
  Form1->cbGr->setChecked(false);
  Form3->resize(600, 60);
  const QSize large = TextSize(QStringLiteral("0ko/s  UL : 0ko/s"));
  EXPECT_LE(large.width(), Form3->Shape1->width() - 2);
  EXPECT_LE(large.height(), Form3->Shape1->height() - 2);
  Form3->resize(200, 30);
  const QSize small = TextSize(QStringLiteral("0ko/s  UL : 0ko/s"));
  EXPECT_LT(small.height(), large.height());
  EXPECT_LE(small.width(), 198);
}

TEST_F(MeterWindowTest, ATinyWindowStopsShrinkingTheFontAtItsFloor) {
  Start();
  Form3->show();
  Form1->cbGr->setChecked(false);
  Form3->resize(60, 19);
  MeterTick();
  EXPECT_GE(Form3->Label1->font().pointSize(), kSmallestFontSize);
  EXPECT_EQ(Form3->size(), QSize(60, 19));
}

TEST_F(MeterWindowTest, CompactModeResizesTheWindowToTheTextPlusTwoAtEveryTick) {
  MonitorLoopbackInGraph1();
  Form3->show();
  Form1->micro->setChecked(true);
  MeterTick();
  // The window keeps its smallest height of 19 when the text is lower.
  const auto expected = [](const QSize& text) {
    return QSize(text.width() + 2, std::max(text.height() + 2, 19));
  };
  const QString first = QStringLiteral("0ko/s  UL : 0ko/s");
  EXPECT_EQ(Form3->size(), expected(TextSize(first)));
  EXPECT_EQ(Form3->Shape1->width(), Form3->width());
  fakes.interfaces.rows[0].inOctets += 150000;
  MeterTick();
  const QString second = QStringLiteral("DL : 146,48ko/s  UL : 0ko/s");
  ASSERT_EQ(Form3->Label1->text(), second);
  EXPECT_EQ(Form3->size(), expected(TextSize(second)));
  EXPECT_EQ(Form3->Label1->x(), 1);
}

// Under the program's catalogue of a language ("" for the French source), as a start installs it.
struct LanguageCase {
  const char* language;
  const char* catalogue;
  const char* text;  // 150000 octets received in a second
  const char* compactItem;
};

class MeterLanguageTest : public MeterWindowTest,
                          public ::testing::WithParamInterface<LanguageCase> {
 protected:
  void TearDown() override {
    MeterWindowTest::TearDown();
    QCoreApplication::removeTranslator(&translator_);
  }
  QTranslator translator_;
};

TEST_P(MeterLanguageTest, CompactModeFitsTheTextOfTheLanguage) {
  const LanguageCase& c = GetParam();
  if (*c.catalogue != '\0') {
    ASSERT_TRUE(translator_.load(QString::fromLatin1(c.catalogue)));
  }
  QCoreApplication::installTranslator(&translator_);
  services.numberFormat.texts = &ProgramTexts();
  MonitorLoopbackInGraph1();
  Form3->show();
  Form1->micro->setChecked(true);
  MeterTick();
  fakes.interfaces.rows[0].inOctets += 150000;
  MeterTick();
  const QString text = QString::fromUtf8(c.text);
  EXPECT_EQ(Form3->Label1->text(), text);
  EXPECT_EQ(Form4->TrayIcon1->Hint(), text);
  EXPECT_EQ(Form3->width(), TextSize(text).width() + 2);
  EXPECT_EQ(Form3->Modemicro1->text(), QString::fromUtf8(c.compactItem));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, MeterLanguageTest,
    ::testing::Values(LanguageCase{"French", "", "DL : 146,48ko/s  UL : 0ko/s", "&Mode Compact"},
                      LanguageCase{"English", ":/i18n/kirv_en.qm", "DL: 146,48kB/s  UL: 0kB/s",
                                   "Compact &Mode"}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) { return info.param.language; });

TEST_F(MeterWindowTest, ATickWithTrafficShowsTheSpeedTextInTheLabelAndTheTrayHint) {
  MonitorLoopbackInGraph1();
  MeterTick();  // records the counters
  EXPECT_EQ(Form3->Label1->text(), QStringLiteral("0ko/s  UL : 0ko/s"));
  fakes.interfaces.rows[0].inOctets += 150000;
  MeterTick();
  const QString text = QStringLiteral("DL : 146,48ko/s  UL : 0ko/s");
  EXPECT_EQ(Form3->Label1->text(), text);
  EXPECT_EQ(Form4->TrayIcon1->Hint(), text);
  EXPECT_EQ(Form4->TrayIcon1->IconIndex(), 2);  // receiving
  EXPECT_EQ(Form3->Sampler().History()[0].In1, 150000);
}

TEST_F(MeterWindowTest, APlanThatIsOnAddsItsLevelAndWhatIsLeftToTheTrayHint) {
  MonitorLoopbackInGraph1();
  Form1->RestorePlanControls({true, "10737418240", 1, 1, 30, "", 0, 80, ""});
  Form1->planChange(Form1->cbPlan);
  MeterTick();
  fakes.interfaces.rows[0].inOctets += 150000;
  MeterTick();
  EXPECT_EQ(Form4->TrayIcon1->Hint(),
            QStringLiteral("DL : 146,48ko/s  UL : 0ko/s\nForfait : 0 % (10Go restants)"));
}

TEST_F(MeterWindowTest, ATickInBitsShowsKilobits) {
  MonitorLoopbackInGraph1();
  Form1->rb2->setChecked(true);
  MeterTick();
  fakes.interfaces.rows[0].inOctets += 150000;
  MeterTick();
  EXPECT_EQ(Form3->Label1->text(), QStringLiteral("DL : 1171,87kbps  UL : 0kbps"));
}

TEST_F(MeterWindowTest, ATickTakesOneSnapshotOfTheInterfaceTable) {
  MonitorLoopbackInGraph1();
  SetChecked(*Form1->lb2, 0, true);
  const int before = fakes.interfaces.snapshots;
  MeterTick();
  EXPECT_EQ(fakes.interfaces.snapshots, before + 1);
}

TEST_F(MeterWindowTest, TheNilSenderTickOnlyLaysOutAndRedraws) {
  MonitorLoopbackInGraph1();
  const int before = fakes.interfaces.snapshots;
  Form3->Timer1Timer(nullptr);
  EXPECT_EQ(fakes.interfaces.snapshots, before);
  EXPECT_FALSE(Form3->Sampler().Primed());
  EXPECT_EQ(Form3->Label1->text(), QStringLiteral("DL : 0ko/s  UL : 0ko/s"));
}

TEST_F(MeterWindowTest, TheRunningStopwatchGetsTheTotalSpeeds) {
  MonitorLoopbackInGraph1();
  Form6->Timer2->start();
  MeterTick();
  fakes.interfaces.rows[0].inOctets += 3000;
  fakes.interfaces.rows[0].outOctets += 700;
  MeterTick();
  EXPECT_EQ(Form6->CurrentIn, 3000);
  EXPECT_EQ(Form6->CurrentOut, 700);
  Form6->Timer2->stop();
  fakes.interfaces.rows[0].inOctets += 9000;
  MeterTick();
  EXPECT_EQ(Form6->CurrentIn, 3000);
}

TEST_F(MeterWindowTest, TheGraphIsDrawnOnlyWhileTheWindowIsVisibleWithItsGraph) {
  Touch("debug.txt");
  MonitorLoopbackInGraph1();
  MeterTick();
  EXPECT_TRUE(Form3->im2->pixmap().isNull());
  EXPECT_EQ(Form3->Label2->text(), QStringLiteral("Label2"));
  Form3->show();
  MeterTick();
  const QImage graph = Form3->im2->pixmap().toImage();
  EXPECT_EQ(graph.size(), Form3->im2->size());
  EXPECT_EQ(graph.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(Form3->Label2->text(), QStringLiteral("0ms"));
}

TEST_F(MeterWindowTest, AHiddenMeterDrawsNothingAndShowingItDrawsTheNewPicturesAtOnce) {
  MonitorLoopbackInGraph1();
  Form3->show();
  MeterTick();
  Form3->hide();
  const qint64 graph = Form3->im2->pixmap().cacheKey();
  const qint64 overlay = Form3->im1->pixmap().cacheKey();
  fakes.interfaces.rows[0].inOctets += 60000;
  MeterTick();
  Form1->gradspin->SetValue(Form1->gradspin->Value() + 1);
  EXPECT_EQ(Form3->im2->pixmap().cacheKey(), graph);
  EXPECT_EQ(Form3->im1->pixmap().cacheKey(), overlay);
  Form3->show();
  EXPECT_NE(Form3->im1->pixmap().cacheKey(), overlay);
  const QImage shown = Form3->im2->pixmap().toImage();
  const int w = Form3->im2->width();
  const int h = Form3->im2->height();
  EXPECT_EQ(shown.pixelColor(w - 2, h - 2), QColor(0x00, 0xCC, 0x00)) << "the new column";
  EXPECT_EQ(shown.pixelColor(w - 3, h - 2), QColor(0xF5, 0xF5, 0xF5)) << "the first tick's";
}

TEST_F(MeterWindowTest, TheOverlayIsTransparentWhereItIsWhite) {
  Start();
  Form3->show();
  Form3->im1Paint(nullptr);
  const QPixmap overlay = Form3->im1->pixmap();
  ASSERT_FALSE(overlay.isNull());
  const QImage mask = overlay.mask().toImage();
  EXPECT_EQ(mask.pixelIndex(48 + 1, 0), 1) << "frame drawn";
  EXPECT_EQ(mask.pixelIndex(48 + 10, 5), 0) << "inside the frame, transparent";
}

TEST_F(MeterWindowTest, DoubleClickOnTheOverlayTogglesOnlyTheBorder) {
  Start();
  Form3->im1DblClick(Form3->im1);
  EXPECT_TRUE(Form3->Borderless());
  EXPECT_FALSE(Form1->micro->isChecked());
  EXPECT_TRUE(Form1->cbGr->isChecked());
  Form3->Modemicro1Click(Form3->im1);
  EXPECT_FALSE(Form3->Borderless());
}

TEST_F(MeterWindowTest, DoubleClickOnTheLabelTogglesCompactMode) {
  Start();
  Form3->Label1DblClick(Form3->Label1);
  EXPECT_TRUE(Form1->micro->isChecked());
  EXPECT_TRUE(Form3->Modemicro1->isChecked());
  EXPECT_TRUE(Form3->Borderless());
  Form3->Modemicro1->trigger();
  EXPECT_FALSE(Form1->micro->isChecked());
  EXPECT_FALSE(Form3->Modemicro1->isChecked());
  EXPECT_FALSE(Form3->Borderless());
  EXPECT_TRUE(Form1->cbGr->isChecked());
}

TEST_F(MeterWindowTest, StayOnTopFollowsTheMenuItemAndTheDialogsBox) {
  Start();
  Form3->popAOT->trigger();
  EXPECT_FALSE(Form1->aot->isChecked());
  EXPECT_FALSE(Form3->popAOT->isChecked());
  EXPECT_FALSE(Form3->StaysOnTop());
  Form3->popAOTClick(nullptr);
  EXPECT_TRUE(Form1->aot->isChecked());
  EXPECT_TRUE(Form3->popAOT->isChecked());
  EXPECT_TRUE(Form3->StaysOnTop());
}

class HideCounter : public QObject {
 public:
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide) ++count;
    return false;
  }
};

// A new platform window would be placed anew by the window manager and could lose stay-on-top:
// each switch must reach the window that is already shown, and leave it where it is.
TEST_F(MeterWindowTest, ModeSwitchesChangeTheShownWindowInPlace) {
  struct Switch {
    const char* name;
    void (*run)();
    bool borderless;
    bool onTop;
  };
  const Switch switches[] = {
      {"overlay double click", [] { Form3->im1DblClick(Form3->im1); }, true, true},
      {"overlay double click again", [] { Form3->im1DblClick(Form3->im1); }, false, true},
      {"stay-on-top off", [] { Form3->popAOT->trigger(); }, false, false},
      {"compact on", [] { Form3->Label1DblClick(Form3->Label1); }, true, false},
      {"stay-on-top on while compact", [] { Form3->popAOT->trigger(); }, true, true},
      {"compact off", [] { Form3->Modemicro1->trigger(); }, false, true},
  };
  Start();
  Form3->show();
  Form3->move(300, 200);
  const QWindow* window = Form3->windowHandle();
  ASSERT_NE(window, nullptr);
  HideCounter hides;
  Form3->installEventFilter(&hides);
  const QPoint client = Form3->geometry().topLeft();
  for (const Switch& step : switches) {
    SCOPED_TRACE(step.name);
    step.run();
    EXPECT_EQ(hides.count, 0) << "the window was unmapped";
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_EQ(Form3->geometry().topLeft(), client);
    EXPECT_EQ(Form3->Borderless(), step.borderless);
    EXPECT_EQ(Form3->StaysOnTop(), step.onTop);
    EXPECT_EQ(window->flags(), Form3->windowFlags()) << "the platform window has the new flags";
  }
}

TEST_F(MeterWindowTest, ConfigurationShowsTheDialogOnItsMeterPage) {
  Start();
  Form1->PageControl1->setCurrentWidget(Form1->TabSheet1);
  Form3->Configuration1->trigger();
  EXPECT_TRUE(Form1->isVisible());
  EXPECT_EQ(Form1->PageControl1->currentWidget(), Form1->TabSheet2);
}

TEST_F(MeterWindowTest, ArretTogglesTheStatisticsLoggersTimer) {
  Start();
  ASSERT_TRUE(Form1->Timer1->isActive());
  Form3->Button1->click();
  EXPECT_FALSE(Form1->Timer1->isActive());
  Form3->Button1->click();
  EXPECT_TRUE(Form1->Timer1->isActive());
}

TEST_F(MeterWindowTest, DiagnosticControlsShowWithDebugFile) {
  Touch("debug.txt");
  Start();
  EXPECT_FALSE(Form3->Button1->isHidden());
  EXPECT_FALSE(Form3->Label2->isHidden());
  EXPECT_FALSE(Form3->Label3->isHidden());
}

TEST_F(MeterWindowTest, TheCloseBoxStoresTheBoundsAndClearsTheTrayCheck) {
  Start();
  Form4->Meter1Click(nullptr);
  ASSERT_TRUE(Form3->isVisible());
  ASSERT_TRUE(Form4->Meter1->isChecked());
  Form3->move(300, 200);
  Form3->resize(500, 150);
  EXPECT_TRUE(Form3->close());
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_FALSE(Form4->Meter1->isChecked());
  const std::vector<std::string> order = {"width", "height", "top", "left"};
  EXPECT_EQ(fakes.settings.writeOrder, order);
  EXPECT_EQ(StoredNumber("width"), 500);
  EXPECT_EQ(StoredNumber("height"), 150);
  EXPECT_EQ(StoredNumber("top"), 200);
  EXPECT_EQ(StoredNumber("left"), 300);
}

TEST_F(MeterWindowTest, FermerHidesAndClearsTheTrayCheckWithoutStoring) {
  Start();
  Form4->Meter1Click(nullptr);
  Form3->Fermer1->trigger();
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_FALSE(Form4->Meter1->isChecked());
  EXPECT_TRUE(fakes.settings.writeOrder.empty());
}

TEST_F(MeterWindowTest, ACloseBoxWhoseStoreFailsIsReportedAndTheWindowStaysOpen) {
  Start();
  Form4->Meter1Click(nullptr);
  fakes.settings.failWrites = true;
  EXPECT_FALSE(Form3->close());
  EXPECT_TRUE(Form3->isVisible());
  ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
  EXPECT_NE(fakes.dialogs.messages[0].find("width"), std::string::npos);
}

TEST_F(MeterWindowTest, StoredBoundsAndModesAreRestoredAtStart) {
  StoreOnce();
  Store("firstlaunch", 0);
  Store("left", 40);
  Store("top", 30);
  Store("width", 600);
  Store("height", 160);
  Store("aot", 0);
  Store("Unite2", 1);
  Store("Gradu2", 7);
  Store("Gradu3", 12);
  Store("Echelle2", 8);
  Store("Vitesse2", 200000);
  Start();
  EXPECT_EQ(Form3->pos(), QPoint(40, 30));
  EXPECT_EQ(Form3->size(), QSize(600, 160));
  EXPECT_FALSE(Form3->StaysOnTop());
  EXPECT_FALSE(Form3->popAOT->isChecked());
  EXPECT_TRUE(Form1->rb1->isChecked());
  EXPECT_EQ(Form1->gradspin->Value(), 7);
  EXPECT_EQ(Form1->hspin->Value(), 12);
  EXPECT_EQ(Form1->cb->currentIndex(), 8);
  EXPECT_EQ(Form1->spdspin->Value(), 200000);
  EXPECT_TRUE(Form1->spdspin->isEnabled());
  EXPECT_FALSE(Form1->isVisible());
}

TEST_F(MeterWindowTest, AStoredCompactModeIsRestoredAndSavedAgain) {
  StoreOnce();
  Store("firstlaunch", 0);
  Store("micro", 1);
  Start();
  EXPECT_TRUE(Form1->micro->isChecked());
  EXPECT_FALSE(Form1->cbGr->isChecked());
  EXPECT_FALSE(Form1->cbGr->isEnabled());
  EXPECT_TRUE(Form3->Borderless());
  EXPECT_TRUE(Form3->Modemicro1->isChecked());
  bool canClose = false;
  Form1->FormCloseQuery(nullptr, canClose);
  EXPECT_EQ(StoredNumber("micro"), 1);
  EXPECT_EQ(StoredNumber("tracegraph"), 0);
}

struct AverageCase {
  std::int32_t stored;
  const char* checked;
};

class StoredAverageTest : public MeterWindowTest,
                          public ::testing::WithParamInterface<AverageCase> {};

TEST_P(StoredAverageTest, TypeMoyenneChecksItsItem) {
  StoreOnce();
  Store("firstlaunch", 0);
  Store("Type moyenne", GetParam().stored);
  Start();
  QAction* checked = nullptr;
  for (QAction* item : {Form3->Aucun1, Form3->Reception1, Form3->Envoi1}) {
    if (item->isChecked()) {
      EXPECT_EQ(checked, nullptr) << "two items checked";
      checked = item;
    }
  }
  ASSERT_NE(checked, nullptr);
  EXPECT_EQ(checked->text(), QString::fromUtf8(GetParam().checked));
}

INSTANTIATE_TEST_SUITE_P(Values, StoredAverageTest,
                         ::testing::Values(AverageCase{0, "Aucun"}, AverageCase{1, "Reception"},
                                           AverageCase{2, "Envoi"}, AverageCase{5, "Aucun"}),
                         [](const auto& info) {
                           return "Stored" + std::to_string(info.param.stored);
                         });

TEST_F(MeterWindowTest, TheSnapshotIsSavedUnderItsDateAndTimeAndPutOnTheClipboard) {
  Start();
  Form3->show();
  fakes.clock.now = {2002, 5, 14, 13, 45, 7, 250};
  Form3->Image1Click(Form3->Image1);
  const std::string name = "KIRV2002-05-14 13;45;07.bmp";
  ASSERT_TRUE(std::filesystem::exists(name));
  QImage saved;
  ASSERT_TRUE(saved.load(QString::fromStdString(name), "BMP"));
  EXPECT_EQ(saved.size(), Form3->size());
  EXPECT_EQ(QApplication::clipboard()->image().size(), Form3->size());
  EXPECT_EQ(Form3->Image2->pixmap().size(), Form3->size());
  EXPECT_TRUE(Form3->Image1->isVisible());
  EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(MeterWindowTest, AFailedSnapshotSaveIsReportedAndLeavesTheCameraVisible) {
  Start();
  Form3->show();
  fakes.clock.now = {2002, 5, 14, 13, 45, 7, 0};
  std::filesystem::create_directory("KIRV2002-05-14 13;45;07.bmp");  // a name that cannot be a file
  Form3->Image1Click(Form3->Image1);
  EXPECT_TRUE(Form3->Image1->isVisible());
  ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
  EXPECT_NE(fakes.dialogs.messages[0].find("KIRV2002-05-14 13;45;07.bmp"), std::string::npos);
}

TEST_F(MeterWindowTest, WithoutAnInterfaceTableTheMeterRunsWithoutSampling) {
  fakes.interfaces.available = false;
  Start();
  const int before = fakes.interfaces.snapshots;
  MeterTick();
  MeterTick();
  EXPECT_EQ(fakes.interfaces.snapshots, before);
  EXPECT_EQ(Form3->Label1->text(), QStringLiteral("DL : 0ko/s  UL : 0ko/s"));
}

}  // namespace
}  // namespace kirv
