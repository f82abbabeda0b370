// Windows stay reachable: placed on a screen, brought back from a minimise, kept in place and on
// top across the meter's mode changes.

#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <functional>
#include <string>

#include "app/about_box.h"
#include "app/forms.h"
#include "app/main_form.h"
#include "chrono/chrono_window.h"
#include "config/config_dialog.h"
#include "graph/graph_window.h"
#include "gui/started_program.h"
#include "meter/meter_window.h"
#include "totals/totals_window.h"
#include "widgets/screen_fit.h"

namespace kirv {
namespace {

using testing::StartedProgramTest;

struct FitCase {
  const char* name;
  QRect frame;
  QPoint expected;
};

class FitOnScreensTest : public ::testing::TestWithParam<FitCase> {};

// A laptop screen at the left and a larger monitor to its right, with a panel along its top.
const QList<QRect> kTwoScreens = {QRect(0, 0, 1366, 768), QRect(1366, 24, 1920, 1056)};

TEST_P(FitOnScreensTest, MovesOnlyWhatNoScreenShowsEnoughOf) {
  EXPECT_EQ(FitOnScreens(GetParam().frame, kTwoScreens), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FitOnScreensTest,
    ::testing::Values(
        FitCase{"OnTheFirstScreen", QRect(197, 123, 403, 189), QPoint(197, 123)},
        FitCase{"AcrossBothScreens", QRect(1200, 100, 403, 189), QPoint(1200, 100)},
        FitCase{"MostlyOffButItsBarShows", QRect(-300, 700, 403, 189), QPoint(-300, 700)},
        FitCase{"RightOfTheMonitorThatWasUnplugged", QRect(3500, 300, 403, 189),
                QPoint(3286 - 403, 300)},
        FitCase{"FarAboveAndLeft", QRect(-2000, -900, 403, 189), QPoint(0, 0)},
        FitCase{"BelowTheSmallScreen", QRect(100, 900, 403, 189), QPoint(100, 768 - 189)},
        FitCase{"UnderThePanelOfTheMonitor", QRect(2000, 4, 403, 19), QPoint(2000, 24)},
        FitCase{"OnlyACornerPixelShows", QRect(3285, 1079, 403, 189),
                QPoint(3286 - 403, 1080 - 189)},
        FitCase{"LargerThanAnyScreen", QRect(5000, 5000, 4000, 3000), QPoint(1366, 24)}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return info.param.name; });

TEST(FitOnScreens, WithoutScreensNothingMoves) {
  EXPECT_EQ(FitOnScreens(QRect(5000, 5000, 10, 10), {}), QPoint(5000, 5000));
}

class WindowPlacementTest : public StartedProgramTest {
 protected:
  static QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

struct StoredPlace {
  const char* name;
  int left, top;
  // -1: against the screen's right or bottom edge, frame included; otherwise the position kept
  QPoint expected;
};

class StoredMeterPlaceTest : public WindowPlacementTest,
                             public ::testing::WithParamInterface<StoredPlace> {};

// A window not shown yet has no frame: the title bar it is about to get must fit too.
TEST_P(StoredMeterPlaceTest, APlaceOffEveryScreenIsMovedOntoIt) {
  const StoredPlace& c = GetParam();
  StoreOnce();
  Store("firstlaunch", 0);
  Store("left", c.left);
  Store("top", c.top);
  Store("width", 300);
  Store("height", 120);
  Start();
  const int title = Form3->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, Form3);
  const int right = Form3->x() + Form3->width();
  const int bottom = Form3->y() + Form3->height() + title;
  EXPECT_GE(Form3->x(), Screen().left());
  EXPECT_GE(Form3->y(), Screen().top());
  EXPECT_LE(right, Screen().right() + 1);
  EXPECT_LE(bottom, Screen().bottom() + 1);
  if (c.expected.x() < 0) {
    EXPECT_GE(right, Screen().right() + 1 - 16);  // against the edge, give or take a border
  } else {
    EXPECT_EQ(Form3->x(), c.expected.x());
  }
  if (c.expected.y() < 0) {
    EXPECT_GE(bottom, Screen().bottom() + 1 - 16);
  } else {
    EXPECT_EQ(Form3->y(), c.expected.y());
  }
}

INSTANTIATE_TEST_SUITE_P(Places, StoredMeterPlaceTest,
                         ::testing::Values(StoredPlace{"OnScreen", 40, 30, QPoint(40, 30)},
                                           StoredPlace{"FarRight", 9000, 30, QPoint(-1, 30)},
                                           StoredPlace{"FarAboveLeft", -5000, -4000, QPoint(0, 0)},
                                           StoredPlace{"BelowTheBottom", 40, 5000, QPoint(40, -1)}),
                         [](const ::testing::TestParamInfo<StoredPlace>& info) {
                           return info.param.name;
                         });

class CompactSwitchTest : public WindowPlacementTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CompactSwitchTest, EightSwitchesKeepTheMeterInPlaceAndItsStayOnTopChoice) {
  const bool onTop = GetParam();
  Start();
  Form3->show();
  if (!onTop) Form3->popAOTClick(nullptr);
  const QPoint client = Form3->geometry().topLeft();
  for (int i = 0; i < 8; ++i) {
    Form3->Modemicro1Click(nullptr);
    EXPECT_EQ(Form3->geometry().topLeft(), client) << "switch " << i;
    EXPECT_EQ(Form3->StaysOnTop(), onTop) << "switch " << i;
    EXPECT_EQ(Form3->popAOT->isChecked(), onTop);
    EXPECT_EQ(Form3->Borderless(), i % 2 == 0);
    EXPECT_TRUE(Form3->isVisible());
  }
}

INSTANTIATE_TEST_SUITE_P(StayOnTop, CompactSwitchTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "OnTop" : "Ordinary");
                         });

// Every way of opening a window brings it back when the window manager minimised it.
struct RestoreCase {
  const char* name;
  std::function<QWidget*()> window;
  std::function<void()> open;
};

class MinimisedWindowTest : public WindowPlacementTest,
                            public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(MinimisedWindowTest, IsRestoredAndShown) {
  Start();
  QWidget* window = GetParam().window();
  window->show();
  window->setWindowState(window->windowState() | Qt::WindowMinimized);
  ASSERT_TRUE(window->isMinimized());
  GetParam().open();
  EXPECT_FALSE(window->isMinimized());
  EXPECT_TRUE(window->isVisible());
  if (window == Form3) {
    EXPECT_TRUE(Form4->Meter1->isChecked());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Openers, MinimisedWindowTest,
    ::testing::Values(
        RestoreCase{"MeterByTrayClick", [] { return static_cast<QWidget*>(Form3); },
                    [] { Form4->TrayIcon1Click(nullptr); }},
        RestoreCase{"MeterByTachymetre", [] { return static_cast<QWidget*>(Form3); },
                    [] { Form4->Meter1->trigger(); }},
        RestoreCase{"GraphByGraphique", [] { return static_cast<QWidget*>(Form2); },
                    [] { Form4->Graphique1->trigger(); }},
        RestoreCase{"GraphByTheConfigurationButton", [] { return static_cast<QWidget*>(Form2); },
                    [] { Form1->Button2->click(); }},
        RestoreCase{"TotalsByTotaux", [] { return static_cast<QWidget*>(Form5); },
                    [] { Form4->Totals1->trigger(); }},
        RestoreCase{"StopwatchByChronometre", [] { return static_cast<QWidget*>(Form6); },
                    [] { Form4->Chronometre1->trigger(); }},
        RestoreCase{"ConfigurationFromTheTray", [] { return static_cast<QWidget*>(Form1); },
                    [] { Form4->MenuItem1->trigger(); }},
        RestoreCase{"ConfigurationFromTheMeter", [] { return static_cast<QWidget*>(Form1); },
                    [] { Form3->Configuration1->trigger(); }},
        RestoreCase{"AboutBox", [] { return static_cast<QWidget*>(OKBottomDlg); },
                    [] { Form4->Apropos1->trigger(); }}),
    [](const ::testing::TestParamInfo<RestoreCase>& info) { return info.param.name; });

TEST_F(WindowPlacementTest, AShownMeterIsStillHiddenByATrayClick) {
  Start();
  Form3->show();
  Form4->TrayIcon1Click(nullptr);
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_FALSE(Form4->Meter1->isChecked());
}

}  // namespace
}  // namespace kirv
