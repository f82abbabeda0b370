#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <vector>

#include "widgets/desktop_tray_shell.h"
#include "widgets/system_tray_shell.h"
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

}  // namespace
}  // namespace kirv
