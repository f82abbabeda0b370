#include "app/main_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/forms.h"
#include "app/startup.h"
#include "chrono/chrono_window.h"
#include "config/config_dialog.h"
#include "fakes/fake_services.h"
#include "fakes/fake_tray_shell.h"
#include "graph/graph_window.h"
#include "gui/design_facts.h"
#include "gui/event_wait.h"
#include "gui/started_program.h"
#include "meter/meter_window.h"
#include "totals/totals_window.h"

namespace kirv {
namespace {

using testing::FakeTrayShell;
using testing::TrayShellLog;
using M = TrayMouseMessage;

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() { StartUp(services, std::make_unique<FakeTrayShell>(log)); }
  ~MainFormTest() override { ShutDown(); }

  void ClickTray(M down, M up) {
    log.shell->Send(down);
    log.shell->Send(up);
  }
  void EndSplash() { Form4->Timer1Timer(Form4->Timer1); }

  testing::FakeServices fakes;
  Services services = fakes.Get();
  TrayShellLog log;
};

void Click(QWidget* widget) {
  const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
  const QPointF global = widget->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QApplication::sendEvent(widget, &release);
}

using MainFormFacts = testing::DesignFactsTest<MainFormTest>;
using AboutBoxFacts = testing::DesignFactsTest<MainFormTest>;

TEST_P(MainFormFacts, HoldAtTheStart) { ExpectFact(); }
TEST_P(AboutBoxFacts, HoldAtTheStart) { ExpectFact(); }

// The tray menu's items in order, the seventh a separator.
bool PopupMenu2Items() {
  const QList<QAction*> items = Form4->PopupMenu2->actions();
  if (items != QList<QAction*>{Form4->Meter1, Form4->Graphique1, Form4->Totals1,
                               Form4->Chronometre1, Form4->MenuItem1, Form4->Apropos1,
                               Form4->MenuItem2, Form4->Quitter1}) {
    return false;
  }
  for (qsizetype i = 0; i < items.size(); ++i) {
    if (items[i]->isSeparator() != (i == 6)) return false;
  }
  return true;
}

QStringList PopupMenu2Captions() {
  QStringList texts;
  for (const QAction* item : Form4->PopupMenu2->actions()) texts << item->text();
  return texts;
}

const testing::DesignFact kMainFormFacts[] = {
    {"Caption", [] { return Form4->windowTitle(); }, "KIRV beta"},
    {"Size", [] { return Form4->size(); }, QSize(286, 169)},
    {"Borderless", [] { return bool(Form4->windowFlags() & Qt::FramelessWindowHint); }, true},
    {"StaysOnTop", [] { return bool(Form4->windowFlags() & Qt::WindowStaysOnTopHint); }, true},
    {"Image1Bounds", [] { return Form4->Image1->geometry(); }, QRect(0, 0, 286, 169)},
    {"Image1Picture", [] { return Form4->Image1->pixmap().isNull(); }, false},
    {"Label1Caption", [] { return Form4->Label1->text(); }, "Beta 0.5.2.202"},
    {"Label1Position", [] { return Form4->Label1->pos(); }, QPoint(72, 160)},
    {"Label1Colour", [] { return Form4->Label1->palette().color(QPalette::WindowText); },
     QColor(Qt::red)},
    {"PopupMenu2Items", PopupMenu2Items, true},
    {"PopupMenu2Captions", PopupMenu2Captions,
     QStringList{"&Tachymetre", "&Graphique", "Totau&x", "C&hronometre", "&Configuration",
                 "A &propos...", "", "&Quitter"}},
    {"Meter1Checkable", [] { return Form4->Meter1->isCheckable(); }, true},
    {"Meter1Unchecked", [] { return Form4->Meter1->isChecked(); }, false},
    {"TrayIcon1Visible", [] { return Form4->TrayIcon1->Visible(); }, true},
    {"TrayIcon1Hide", [] { return Form4->TrayIcon1->Hide(); }, true},
    {"TrayIcon1PopupMenu", [] { return Form4->TrayIcon1->PopupMenu() == Form4->PopupMenu2; }, true},
    {"TrayIcon1RestoreOn", [] { return static_cast<int>(Form4->TrayIcon1->RestoreOn()); },
     static_cast<int>(TTrayIconMessage::imNone)},
    {"TrayIcon1PopupMenuOnDuringTheSplash",
     [] { return static_cast<int>(Form4->TrayIcon1->PopupMenuOn()); },
     static_cast<int>(TTrayIconMessage::imNone)},
    {"TrayIcon1Icons", [] { return Form4->TrayIcon1->Icons() == Form4->ImageList1; }, true},
    // four pictures for each plan level
    {"ImageList1Count", [] { return Form4->ImageList1->Count(); }, 12},
};

INSTANTIATE_TEST_SUITE_P(DesignFacts, MainFormFacts, ::testing::ValuesIn(kMainFormFacts),
                         testing::FactName);

const testing::DesignFact kAboutBoxFacts[] = {
    {"Caption", [] { return OKBottomDlg->windowTitle(); }, "A propos..."},
    {"Size", [] { return OKBottomDlg->size(); }, QSize(287, 198)},
    {"Colour", [] { return OKBottomDlg->palette().color(QPalette::Window); }, QColor(Qt::black)},
    {"Label1Caption", [] { return OKBottomDlg->Label1->text(); }, "Beta 0.5.2.202"},
    {"Label1Position", [] { return OKBottomDlg->Label1->pos(); }, QPoint(96, 176)},
    {"Label1Bold", [] { return OKBottomDlg->Label1->font().bold(); }, true},
    {"Image1Bounds", [] { return OKBottomDlg->Image1->geometry(); }, QRect(0, 0, 286, 169)},
    {"OKBtnBounds", [] { return OKBottomDlg->OKBtn->geometry(); }, QRect(7, 172, 75, 25)},
    {"OKBtnCaption", [] { return OKBottomDlg->OKBtn->text(); }, "OK"},
    {"OKBtnDefault", [] { return OKBottomDlg->OKBtn->isDefault(); }, true},
};

INSTANTIATE_TEST_SUITE_P(DesignFacts, AboutBoxFacts, ::testing::ValuesIn(kAboutBoxFacts),
                         testing::FactName);

TEST_F(MainFormTest, TheTrayIconIsAddedOnceWithImageZero) {
  EXPECT_EQ(log.Count(TrayShellLog::Kind::kAdd), 1);
  EXPECT_EQ(log.calls.back().iconKey, Form4->ImageList1->GetIcon(0).cacheKey());
}

TEST_F(MainFormTest, ARightClickDuringTheSplashOpensNoMenu) {
  ClickTray(M::kRightButtonDown, M::kRightButtonUp);
  EXPECT_FALSE(Form4->PopupMenu2->isVisible());
}

TEST_F(MainFormTest, ARightClickAfterTheSplashOpensTheTrayMenu) {
  EndSplash();
  ClickTray(M::kRightButtonDown, M::kRightButtonUp);
  EXPECT_TRUE(Form4->PopupMenu2->isVisible());
  Form4->PopupMenu2->hide();
}

TEST_F(MainFormTest, TheSplashEndsAfterASecond) {
  EXPECT_TRUE(Form4->Timer1->isActive());
  EXPECT_EQ(Form4->Timer1->interval(), 1000);
  EXPECT_TRUE(Form4->isVisible());
  EXPECT_TRUE(testing::RunEventsUntil([] { return !Form4->isVisible(); }, 3000));
  EXPECT_EQ(Form4->TrayIcon1->PopupMenuOn(), TTrayIconMessage::imRightClickUp);
}

TEST_F(MainFormTest, TheEndOfTheSplashHidesTheMainFormAndLeavesTheTimerRunning) {
  EndSplash();
  EXPECT_FALSE(Form4->isVisible());
  EXPECT_TRUE(Form4->Timer1->isActive());
  EndSplash();  // later ticks change nothing
  EXPECT_FALSE(Form4->isVisible());
  EXPECT_EQ(Form4->TrayIcon1->PopupMenuOn(), TTrayIconMessage::imRightClickUp);
}

TEST_F(MainFormTest, TheEndOfTheSplashDoesNotMinimiseThroughTheTrayIcon) {
  int minimized = 0;
  Form4->TrayIcon1->OnMinimize = [&](QObject*) { ++minimized; };
  EndSplash();
  testing::RunEventsFor(20);
  EXPECT_EQ(minimized, 0);
}

TEST_F(MainFormTest, ClickingTheSplashHidesItAtOnceAndNoLaterTickHidesItAgain) {
  Click(Form4->Image1);
  EXPECT_FALSE(Form4->isVisible());
  EXPECT_FALSE(Form4->Timer1->isActive());
  EXPECT_EQ(Form4->TrayIcon1->PopupMenuOn(), TTrayIconMessage::imRightClickUp);
  Form4->show();
  testing::RunEventsFor(1300);
  EXPECT_TRUE(Form4->isVisible());
}

TEST_F(MainFormTest, ClickingTheTrayIconTwiceShowsThenHidesTheMeterWithItsCheckMark) {
  ClickTray(M::kLeftButtonDown, M::kLeftButtonUp);
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_TRUE(Form4->Meter1->isChecked());
  ClickTray(M::kLeftButtonDown, M::kLeftButtonUp);
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_FALSE(Form4->Meter1->isChecked());
}

TEST_F(MainFormTest, TheTachymetreItemTogglesTheMeterAndItsCheckMarkFollows) {
  Form4->Meter1->trigger();
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_TRUE(Form4->Meter1->isChecked());
  ClickTray(M::kLeftButtonDown, M::kLeftButtonUp);
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_FALSE(Form4->Meter1->isChecked());
  Form4->Meter1->trigger();
  Form4->Meter1->trigger();
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_FALSE(Form4->Meter1->isChecked());
}

TEST_F(MainFormTest, AMeterHiddenByItsOwnCloseIsShownAgainByTheNextClick) {
  Form4->Meter1->trigger();
  Form3->close();
  ClickTray(M::kLeftButtonDown, M::kLeftButtonUp);
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_TRUE(Form4->Meter1->isChecked());
}

TEST_F(MainFormTest, EachMenuItemMakesItsWindowVisibleAndChoosingItAgainChangesNothing) {
  const std::vector<std::pair<QAction*, QWidget*>> items = {
      {Form4->Graphique1, Form2}, {Form4->Totals1, Form5},        {Form4->Chronometre1, Form6},
      {Form4->MenuItem1, Form1},  {Form4->Apropos1, OKBottomDlg},
  };
  for (const auto& [item, window] : items) {
    item->trigger();
    EXPECT_TRUE(window->isVisible()) << item->text().toStdString();
    EXPECT_FALSE(window->isModal()) << item->text().toStdString();
  }
  for (const auto& [item, window] : items) item->trigger();
  for (const auto& [item, window] : items) {
    EXPECT_TRUE(window->isVisible()) << item->text().toStdString();
  }
  EXPECT_FALSE(Form3->isVisible());
}

TEST_F(MainFormTest, OpeningTheAboutBoxTwiceLeavesItOpenUntilOk) {
  Form4->Apropos1->trigger();
  Form4->Apropos1->trigger();
  EXPECT_TRUE(OKBottomDlg->isVisible());
  OKBottomDlg->OKBtn->click();
  EXPECT_FALSE(OKBottomDlg->isVisible());
}

TEST_F(MainFormTest, ClosingAnyOtherWindowOnlyHidesIt) {
  const std::vector<QWidget*> windows = {Form1, Form2, Form3, OKBottomDlg, Form5, Form6};
  for (QWidget* window : windows) {
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
  }
  EXPECT_TRUE(Form4->isVisible());
}

TEST_F(MainFormTest, QuitterEndsTheProgramAfterTheSplash) {
  EndSplash();
  Form1->show();
  QTimer::singleShot(0, [] { Form4->Quitter1->trigger(); });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // a hang fails, not blocks
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST_F(MainFormTest, AQuitWhoseSaveFailsLeavesTheProgramRunning) {
  EndSplash();
  fakes.settings.failWrites = true;
  QTimer::singleShot(0, [] { Form4->Quitter1->trigger(); });
  QTimer::singleShot(300, [] { QCoreApplication::exit(7); });  // still running: exit it here
  EXPECT_EQ(QCoreApplication::exec(), 7);
  ASSERT_FALSE(fakes.dialogs.messages.empty());
}

TEST_F(MainFormTest, AForcedEndEndsTheProgramEvenWhenTheSaveFails) {
  EndSplash();
  fakes.settings.failWrites = true;
  QTimer::singleShot(0, [] { Form4->EndProgram(); });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST_F(MainFormTest, TheEndOfTheSessionRemovesTheIconAndEndsTheProgram) {
  EndSplash();
  QTimer::singleShot(0, [] { EndOfSession(); });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_EQ(log.calls.back().kind, TrayShellLog::Kind::kDelete);
}

// The meter window's state before a second start asks for it.
struct ShowCase {
  const char* name;
  bool visible;
  bool minimised;
};

class ShowMeterWindowTest : public MainFormTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(ShowMeterWindowTest, ShowsItRestoredAndCheckedWhateverItWas) {
  EndSplash();
  if (GetParam().visible) ClickTray(M::kLeftButtonDown, M::kLeftButtonUp);
  if (GetParam().minimised) Form3->setWindowState(Qt::WindowMinimized);
  ASSERT_EQ(Form3->isVisible(), GetParam().visible);
  ShowMeterWindow();
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_FALSE(Form3->windowState() & Qt::WindowMinimized);
  EXPECT_TRUE(Form4->Meter1->isChecked());
  ShowMeterWindow();  // where a second tray click would hide it
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_TRUE(Form4->Meter1->isChecked());
}

INSTANTIATE_TEST_SUITE_P(States, ShowMeterWindowTest,
                         ::testing::Values(ShowCase{"Hidden", false, false},
                                           ShowCase{"HiddenMinimised", false, true},
                                           ShowCase{"Shown", true, false},
                                           ShowCase{"ShownMinimised", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

class QuitOrderTest : public testing::StartedProgramTest {
 protected:
  // eth0 monitored, with traffic since the start.
  void StartWithTraffic() {
    fakes.interfaces.Add("eth0", 1000, 2000);
    Store("eth0", 1);
    Start();
    fakes.interfaces.Row("eth0").inOctets += 5000;
    fakes.interfaces.Row("eth0").outOctets += 7000;
  }
  static int RunUntilEnd() {
    QTimer::singleShot(0, [] { Form4->EndProgram(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    return QCoreApplication::exec();
  }
};

TEST_F(QuitOrderTest, TheLastRecordsAreWrittenBeforeTheSettingsAreSaved) {
  StartWithTraffic();
  // No archive can be made: both failures are told, the archive's first.
  for (const char* name : {"eth0.mdf", "eth.mdf", "et.mdf", "e.mdf", ".mdf"}) {
    std::filesystem::create_directory(name);
  }
  fakes.settings.failWrites = true;
  EXPECT_EQ(RunUntilEnd(), 0);
  ASSERT_EQ(fakes.dialogs.messages.size(), 2u);
  EXPECT_EQ(fakes.dialogs.messages[0], "Erreur dans le logging des statistiques\n" +
                                           std::filesystem::absolute("eth0.mdf").string() +
                                           " : Is a directory");
  EXPECT_NE(fakes.dialogs.messages[1].find("Failed to set data"), std::string::npos);
}

}  // namespace
}  // namespace kirv
