#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <QToolTip>
#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_tray_shell.h"
#include "widgets/desktop_tray_shell.h"
#include "widgets/system_tray_shell.h"
#include "widgets/tray_icon.h"
#include "widgets/tray_window_shell.h"

namespace kirv {
namespace {

using M = TrayMouseMessage;

TEST(SystemTrayShell, EachActivationStandsForItsButtonMessages) {
  const std::vector<std::pair<QSystemTrayIcon::ActivationReason, std::vector<M>>> cases = {
      {QSystemTrayIcon::Trigger, {M::kLeftButtonDown, M::kLeftButtonUp}},
      {QSystemTrayIcon::DoubleClick, {M::kLeftButtonDoubleClick}},
      {QSystemTrayIcon::Context, {M::kRightButtonDown, M::kRightButtonUp}},
      {QSystemTrayIcon::MiddleClick, {M::kMiddleButtonDown, M::kMiddleButtonUp}},
      {QSystemTrayIcon::Unknown, {}},
  };
  for (const auto& [reason, messages] : cases) {
    EXPECT_EQ(SystemTrayShell::MessagesFor(reason), messages) << reason;
  }
}

TEST(DesktopTrayShell, WithoutANotificationAreaOurOwnWindowStandsIn) {
  ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());  // the offscreen platform has none
  EXPECT_NE(MakeDesktopTrayShell()->HostWindow(), nullptr);
}

class TrayWindowShellTest : public ::testing::Test {
 protected:
  TrayWindowShellTest() {
    shell.SetMouseHandler([this](M message) { received.push_back(message); });
  }
  QWidget* Window() { return const_cast<QWidget*>(shell.HostWindow()); }
  void Send(QEvent::Type type, Qt::MouseButton button) {
    const QPointF at(8, 8);
    QMouseEvent event(type, at, Window()->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QApplication::sendEvent(Window(), &event);
  }

  TrayWindowShell shell;
  std::vector<M> received;
};

TEST_F(TrayWindowShellTest, AddingShowsASmallFramelessOnTopWindowWithTheTooltip) {
  QPixmap picture(16, 16);
  picture.fill(Qt::green);
  EXPECT_TRUE(shell.Add(QIcon(picture), QStringLiteral("DL : 0ko/s")));
  EXPECT_TRUE(Window()->isVisible());
  EXPECT_TRUE(Window()->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(Window()->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(Window()->toolTip(), QStringLiteral("DL : 0ko/s"));
  EXPECT_TRUE(shell.Modify(QIcon(picture), QString()));
  EXPECT_TRUE(Window()->toolTip().isEmpty());
  EXPECT_TRUE(shell.Delete());
  EXPECT_FALSE(Window()->isVisible());
}

TEST_F(TrayWindowShellTest, ReportsPressesReleasesAndDoubleClicksOfEachButton) {
  shell.Add(QIcon(), QString());
  const std::vector<std::pair<Qt::MouseButton, std::vector<M>>> cases = {
      {Qt::LeftButton, {M::kLeftButtonDown, M::kLeftButtonUp, M::kLeftButtonDoubleClick}},
      {Qt::RightButton, {M::kRightButtonDown, M::kRightButtonUp, M::kRightButtonDoubleClick}},
      {Qt::MiddleButton, {M::kMiddleButtonDown, M::kMiddleButtonUp, M::kMiddleButtonDoubleClick}},
  };
  for (const auto& [button, messages] : cases) {
    received.clear();
    Send(QEvent::MouseButtonPress, button);
    Send(QEvent::MouseButtonRelease, button);
    Send(QEvent::MouseButtonDblClick, button);
    EXPECT_EQ(received, messages) << button;
  }
}

TEST_F(TrayWindowShellTest, ReportsMovesAndIgnoresOtherButtons) {
  shell.Add(QIcon(), QString());
  Send(QEvent::MouseButtonPress, Qt::BackButton);
  EXPECT_TRUE(received.empty());
  const QPointF at(4, 4);
  QMouseEvent move(QEvent::MouseMove, at, Window()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(Window(), &move);
  EXPECT_EQ(received, std::vector<M>{M::kMouseMove});
}

TEST_F(TrayWindowShellTest, AShownTooltipFollowsTheNewTextButAForeignOneStays) {
  shell.Add(QIcon(), QStringLiteral("DL : 1ko/s  UL : 0ko/s"));
  QToolTip::showText(QPoint(10, 10), QStringLiteral("DL : 1ko/s  UL : 0ko/s"), Window());
  ASSERT_TRUE(QToolTip::isVisible());
  shell.Modify(QIcon(), QStringLiteral("DL : 2.5ko/s  UL : 0ko/s"));
  EXPECT_EQ(QToolTip::text(), QStringLiteral("DL : 2.5ko/s  UL : 0ko/s"));
  QToolTip::showText(QPoint(10, 10), QStringLiteral("Graphique"), Window());
  shell.Modify(QIcon(), QStringLiteral("DL : 3ko/s  UL : 0ko/s"));
  EXPECT_EQ(QToolTip::text(), QStringLiteral("Graphique"));
  QToolTip::hideText();
}

// A notification area that comes and goes as the test says, with a recording host shell.
class DesktopTrayShellTest : public ::testing::Test {
 protected:
  // A host that also records the menu it is handed.
  class Host : public testing::FakeTrayShell {
   public:
    Host(testing::TrayShellLog& log, QMenu*& menu) : FakeTrayShell(log), menu_(menu) {}
    void SetMenu(QMenu* menu) override { menu_ = menu; }

   private:
    QMenu*& menu_;
  };

  DesktopTrayShellTest()
      : shell([this] { return hostRunning; },
              [this] {
                ++hostsMade;
                return std::make_unique<Host>(log, hostMenu);
              }) {
    shell.SetMouseHandler([this](M message) { received.push_back(message); });
  }
  const QWidget* StandIn() const { return shell.HostWindow(); }
  // "H" while the icon is in the notification area, "W" while in the stand-in window.
  std::string Where() const {
    const bool host = shell.InHost();
    EXPECT_NE(host, StandIn()->isVisible());
    return host ? "H" : "W";
  }

  bool hostRunning = false;
  int hostsMade = 0;
  QMenu* hostMenu = nullptr;
  testing::TrayShellLog log;
  DesktopTrayShell shell;
  std::vector<M> received;
};

struct HostTimeline {
  const char* name;
  bool runningAtStart;
  std::vector<bool> runningAtEachWatch;
  std::string where;  // at start, then after each watch
  int adds, deletes;  // asked of the host
};

class DesktopTrayShellMoves : public DesktopTrayShellTest,
                              public ::testing::WithParamInterface<HostTimeline> {};

TEST_P(DesktopTrayShellMoves, TheIconFollowsTheNotificationArea) {
  const HostTimeline& t = GetParam();
  hostRunning = t.runningAtStart;
  shell.Add(QIcon(), QStringLiteral("DL : 0ko/s"));
  std::string where = Where();
  for (bool running : t.runningAtEachWatch) {
    hostRunning = running;
    shell.Watch();
    where += Where();
  }
  EXPECT_EQ(where, t.where);
  EXPECT_EQ(log.Count(testing::TrayShellLog::Kind::kAdd), t.adds);
  EXPECT_EQ(log.Count(testing::TrayShellLog::Kind::kDelete), t.deletes);
  EXPECT_LE(hostsMade, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Timelines, DesktopTrayShellMoves,
    ::testing::Values(HostTimeline{"HostFromTheStart", true, {true, true}, "HHH", 1, 0},
                      HostTimeline{"NeverAHost", false, {false, false}, "WWW", 0, 0},
                      HostTimeline{"PanelStartedLate", false, {false, true, true}, "WWHH", 1, 0},
                      HostTimeline{"PanelRestarted", true, {false, false, true}, "HWWH", 2, 1},
                      HostTimeline{
                          "PanelFlickering", false, {true, false, true, false}, "WHWHW", 2, 2}),
    [](const ::testing::TestParamInfo<HostTimeline>& info) { return info.param.name; });

TEST_F(DesktopTrayShellTest, TheMovedIconKeepsItsPictureTipAndMenu) {
  QPixmap picture(16, 16);
  picture.fill(Qt::red);
  const QIcon receiving(picture);
  QMenu menu;
  shell.Add(QIcon(), QStringLiteral("DL : 0ko/s"));
  shell.Modify(receiving, QStringLiteral("DL : 12.5ko/s  UL : 0ko/s"));
  shell.SetMenu(&menu);
  EXPECT_EQ(StandIn()->toolTip(), QStringLiteral("DL : 12.5ko/s  UL : 0ko/s"));
  EXPECT_EQ(hostsMade, 0);  // no host yet: the toolkit has not been asked to choose one

  hostRunning = true;
  shell.Watch();
  ASSERT_EQ(log.calls.size(), 1u);
  EXPECT_EQ(log.calls[0].iconKey, receiving.cacheKey());
  EXPECT_EQ(log.calls[0].tip, QStringLiteral("DL : 12.5ko/s  UL : 0ko/s"));
  EXPECT_EQ(hostMenu, &menu);

  shell.Modify(receiving, QStringLiteral("DL : 1ko/s  UL : 0ko/s"));
  hostRunning = false;
  shell.Watch();
  EXPECT_EQ(StandIn()->toolTip(), QStringLiteral("DL : 1ko/s  UL : 0ko/s"));
  shell.SetMenu(nullptr);
  EXPECT_EQ(hostMenu, nullptr);
}

TEST_F(DesktopTrayShellTest, ClicksReachTheOwnerFromTheHostAndFromTheStandIn) {
  hostRunning = true;
  shell.Add(QIcon(), QString());
  log.shell->Send(M::kLeftButtonUp);
  hostRunning = false;
  shell.Watch();
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(8, 8), QPointF(8, 8), Qt::RightButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(const_cast<QWidget*>(StandIn()), &release);
  EXPECT_EQ(received, (std::vector<M>{M::kLeftButtonUp, M::kRightButtonUp}));
}

TEST_F(DesktopTrayShellTest, ARemovedIconIsNoLongerWatched) {
  shell.Add(QIcon(), QString());
  shell.Delete();
  hostRunning = true;
  shell.Watch();
  EXPECT_EQ(hostsMade, 0);
  EXPECT_FALSE(StandIn()->isVisible());
}

// The menu may be shown or exported by the notification area only once some mouse action opens
// it: never during the splash.
TEST(TrayIconMenu, IsHandedToTheShellOnlyWhileAnActionOpensIt) {
  testing::TrayShellLog log;
  QMenu* handed = nullptr;
  class Shell : public testing::FakeTrayShell {
   public:
    Shell(testing::TrayShellLog& log, QMenu*& handed) : FakeTrayShell(log), handed_(handed) {}
    void SetMenu(QMenu* menu) override { handed_ = menu; }

   private:
    QMenu*& handed_;
  };
  QWidget owner;
  QMenu menu;
  auto* tray = new TTrayIcon(&owner, std::make_unique<Shell>(log, handed));
  tray->SetPopupMenu(&menu);
  tray->SetPopupMenuOn(TTrayIconMessage::imNone);
  EXPECT_EQ(handed, nullptr);
  tray->SetPopupMenuOn(TTrayIconMessage::imRightClickUp);
  EXPECT_EQ(handed, &menu);
  tray->SetPopupMenuOn(TTrayIconMessage::imNone);
  EXPECT_EQ(handed, nullptr);
}

}  // namespace
}  // namespace kirv
