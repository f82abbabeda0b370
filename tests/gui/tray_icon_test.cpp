#include "widgets/tray_icon.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QWidget>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "case_name.h"
#include "fakes/fake_tray_shell.h"
#include "gui/event_wait.h"

namespace kirv {
namespace {

using testing::FakeTrayShell;
using testing::TrayShellLog;
using Kind = TrayShellLog::Kind;
using M = TrayMouseMessage;
using T = TTrayIconMessage;

QIcon Picture(Qt::GlobalColor colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(colour);
  return QIcon(pixmap);
}

class TrayIconTest : public ::testing::Test {
 protected:
  TrayIconTest() {
    QApplication::setWindowIcon(applicationIcon);
    icons = new TImageList(owner.get());
    for (const QIcon& icon : pictures) icons->Add(icon);
    tray = new TTrayIcon(owner.get(), std::make_unique<FakeTrayShell>(log));
  }

  // In the notification area with the three pictures, as a form sets it up.
  void Place() {
    tray->SetVisible(true);
    tray->SetIcons(icons);
    tray->Loaded();
  }

  const TrayShellLog::Call& LastCall() const { return log.calls.back(); }
  FakeTrayShell& Shell() const { return *log.shell; }

  const QIcon applicationIcon = Picture(Qt::gray);
  const std::vector<QIcon> pictures = {Picture(Qt::green), Picture(Qt::blue), Picture(Qt::red)};
  TrayShellLog log;  // outlives the owner, which destroys the icon
  std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
  TImageList* icons;
  TTrayIcon* tray;
};

TEST_F(TrayIconTest, StartsHiddenWithItsDefaults) {
  EXPECT_FALSE(tray->Visible());
  EXPECT_TRUE(tray->Hide());
  EXPECT_FALSE(tray->Animate());
  EXPECT_EQ(tray->IconIndex(), 0);
  EXPECT_EQ(tray->AnimateInterval(), 1000);
  EXPECT_EQ(tray->RestoreOn(), T::imDoubleClick);
  EXPECT_EQ(tray->PopupMenuOn(), T::imNone);
  EXPECT_TRUE(log.calls.empty());
}

TEST_F(TrayIconTest, IsAddedWithTheApplicationIconThenShowsImageZeroOnceLoaded) {
  Place();
  ASSERT_EQ(log.calls.size(), 2u);
  EXPECT_EQ(log.calls[0].kind, Kind::kAdd);
  EXPECT_EQ(log.calls[0].iconKey, applicationIcon.cacheKey());
  EXPECT_EQ(log.calls[1].kind, Kind::kModify);
  EXPECT_EQ(log.calls[1].iconKey, pictures[0].cacheKey());
}

TEST_F(TrayIconTest, LoadedShowsTheImageOfTheIndexAlreadySet) {
  tray->SetIconIndex(2);
  tray->SetVisible(true);
  tray->SetIcons(icons);
  tray->Loaded();
  EXPECT_EQ(LastCall().iconKey, pictures[2].cacheKey());
}

TEST_F(TrayIconTest, WithoutAnImageListTheApplicationIconIsShown) {
  tray->SetVisible(true);
  tray->SetIconIndex(1);
  tray->Loaded();
  EXPECT_EQ(LastCall().iconKey, applicationIcon.cacheKey());
}

TEST_F(TrayIconTest, SetIconIndexShowsThatImage) {
  Place();
  tray->SetIconIndex(1);
  EXPECT_EQ(tray->IconIndex(), 1);
  EXPECT_EQ(LastCall().kind, Kind::kModify);
  EXPECT_EQ(LastCall().iconKey, pictures[1].cacheKey());
}

TEST_F(TrayIconTest, SetDefaultIconGoesBackToTheApplicationIcon) {
  Place();
  tray->SetIconIndex(2);
  tray->SetDefaultIcon();
  EXPECT_EQ(LastCall().iconKey, applicationIcon.cacheKey());
}

TEST_F(TrayIconTest, UpdatesReachTheShellOnlyWhileVisible) {
  tray->SetIcons(icons);
  tray->Loaded();
  tray->SetIconIndex(1);
  tray->SetHint(QStringLiteral("DL : 1ko/s"));
  EXPECT_TRUE(log.calls.empty());
  tray->SetVisible(true);
  ASSERT_EQ(log.calls.size(), 1u);
  EXPECT_EQ(LastCall().kind, Kind::kAdd);
  EXPECT_EQ(LastCall().iconKey, pictures[1].cacheKey());
  EXPECT_EQ(LastCall().tip, QStringLiteral("DL : 1ko/s"));
}

struct HintCase {
  int length;
  bool shown;
};

void PrintTo(const HintCase& c, std::ostream* out) { *out << c.length << " characters"; }

class TrayIconHint : public TrayIconTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(TrayIconHint, OnlyHintsShorterThan64CharactersReplaceThePreviousOne) {
  Place();
  tray->SetHint(QStringLiteral("previous"));
  const QString text(GetParam().length, QLatin1Char('x'));
  const int modifies = log.Count(Kind::kModify);
  tray->SetHint(text);
  const QString expected = GetParam().shown ? text : QStringLiteral("previous");
  EXPECT_EQ(tray->Hint(), expected);
  EXPECT_EQ(LastCall().tip, expected);
  EXPECT_EQ(log.Count(Kind::kModify), modifies + (GetParam().shown ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, TrayIconHint,
    ::testing::Values(HintCase{1, true}, HintCase{62, true}, HintCase{63, true},
                      HintCase{64, false}, HintCase{65, false}, HintCase{127, false}),
    [](const ::testing::TestParamInfo<HintCase>& info) {
      return ::kirv::testing::CaseName({std::to_string(info.param.length), "Characters"});
    });

TEST_F(TrayIconTest, TheSameHintTwiceCallsTheShellOnce) {
  Place();
  const int modifies = log.Count(Kind::kModify);
  tray->SetHint(QStringLiteral("DL : 3,5ko/s  UL : 0,25ko/s"));
  tray->SetHint(QStringLiteral("DL : 3,5ko/s  UL : 0,25ko/s"));
  EXPECT_EQ(log.Count(Kind::kModify), modifies + 1);
}

TEST_F(TrayIconTest, AnEmptyHintRemovesTheTooltipAndIconUpdatesGoOn) {
  Place();
  tray->SetHint(QStringLiteral("DL : 1ko/s"));
  tray->SetHint(QString());
  EXPECT_TRUE(LastCall().tip.isEmpty());
  tray->SetIconIndex(2);
  EXPECT_EQ(LastCall().kind, Kind::kModify);
  EXPECT_EQ(LastCall().iconKey, pictures[2].cacheKey());
  EXPECT_TRUE(LastCall().tip.isEmpty());
}

TEST_F(TrayIconTest, AnimationCyclesThroughTheImagesOncePerInterval) {
  Place();
  tray->SetAnimateInterval(5);
  tray->SetAnimate(true);
  const size_t start = log.calls.size();
  ASSERT_TRUE(testing::RunEventsUntil([&] { return log.calls.size() >= start + 4; }));
  std::vector<qint64> shown;
  for (size_t i = start; i < start + 4; ++i) shown.push_back(log.calls[i].iconKey);
  EXPECT_EQ(shown, (std::vector<qint64>{pictures[1].cacheKey(), pictures[2].cacheKey(),
                                        pictures[0].cacheKey(), pictures[1].cacheKey()}));

  tray->SetAnimate(false);
  const size_t stopped = log.calls.size();
  testing::RunEventsFor(50);
  EXPECT_EQ(log.calls.size(), stopped);
}

TEST_F(TrayIconTest, AnimateSetBeforeLoadingStartsTheAnimationWithAnImageList) {
  tray->SetAnimateInterval(5);
  tray->SetAnimate(true);
  tray->SetVisible(true);
  tray->SetIcons(icons);
  tray->Loaded();
  EXPECT_TRUE(tray->Animate());
  const size_t start = log.calls.size();
  EXPECT_TRUE(testing::RunEventsUntil([&] { return log.calls.size() > start; }));
}

TEST_F(TrayIconTest, AnimateWithoutAnImageListStaysFalse) {
  tray->SetAnimate(true);  // kept while the properties are being set ...
  EXPECT_TRUE(tray->Animate());
  tray->Loaded();  // ... and dropped when there are no images
  EXPECT_FALSE(tray->Animate());
  tray->SetAnimate(true);
  EXPECT_FALSE(tray->Animate());
}

TEST_F(TrayIconTest, TheImageListAndMenuAreForgottenWhenDestroyed) {
  auto* menu = new QMenu(owner.get());
  tray->SetPopupMenu(menu);
  tray->SetIcons(icons);
  delete menu;
  delete icons;
  EXPECT_EQ(tray->PopupMenu(), nullptr);
  EXPECT_EQ(tray->Icons(), nullptr);
  tray->SetVisible(true);
  tray->SetIconIndex(1);  // no images any more: the current picture stays
  EXPECT_EQ(LastCall().iconKey, applicationIcon.cacheKey());
}

TEST_F(TrayIconTest, AddingSetsHideAndRemovingClearsIt) {
  tray->SetHide(false);
  tray->SetVisible(true);
  EXPECT_TRUE(tray->Hide());
  tray->SetVisible(false);
  EXPECT_FALSE(tray->Hide());
  EXPECT_FALSE(tray->Visible());
  EXPECT_EQ(LastCall().kind, Kind::kDelete);
}

TEST_F(TrayIconTest, ARefusedAddRaisesAndKeepsTheRequestedVisibility) {
  log.refuseAdd = true;
  tray->SetHide(false);
  try {
    tray->SetVisible(true);
    FAIL() << "no error raised";
  } catch (const OutOfResourcesError& error) {
    EXPECT_STREQ(error.what(), "Cannot Create System Shell Notification Icon");
  }
  EXPECT_TRUE(tray->Visible());
  EXPECT_FALSE(tray->Hide());
}

TEST_F(TrayIconTest, ARefusedRemovalRaisesAndKeepsTheRequestedVisibility) {
  tray->SetVisible(true);
  log.refuseDelete = true;
  try {
    tray->SetVisible(false);
    FAIL() << "no error raised";
  } catch (const OutOfResourcesError& error) {
    EXPECT_STREQ(error.what(), "Cannot Remove System Shell Notification Icon");
  }
  EXPECT_FALSE(tray->Visible());
  EXPECT_TRUE(tray->Hide());
}

TEST_F(TrayIconTest, TheSessionMayEndAndItsEndRemovesTheIcon) {
  Place();
  EXPECT_EQ(tray->DoMessage(TrayMessage::kQueryEndSession), 1);
  EXPECT_EQ(log.Count(Kind::kDelete), 0);
  EXPECT_EQ(tray->DoMessage(TrayMessage::kEndSession), 0);
  EXPECT_EQ(LastCall().kind, Kind::kDelete);
}

TEST_F(TrayIconTest, DestructionRemovesTheIcon) {
  Place();
  owner.reset();
  EXPECT_EQ(log.calls.back().kind, Kind::kDelete);
  EXPECT_EQ(log.shell, nullptr);
}

TEST_F(TrayIconTest, ALeftReleaseRunsClickThenMouseUpThenItsOwnActions) {
  std::vector<std::string> order;
  tray->OnClick = [&](QObject* sender) {
    EXPECT_EQ(sender, tray);
    order.push_back("click");
  };
  tray->OnMouseUp = [&](QObject*, Qt::MouseButton, ShiftState, int, int) { order.push_back("up"); };
  tray->OnRestore = [&](QObject*) { order.push_back("restore"); };
  tray->SetRestoreOn(T::imLeftClickUp);
  Shell().Send(M::kLeftButtonUp);
  EXPECT_EQ(order, (std::vector<std::string>{"click", "up", "restore"}));
}

TEST_F(TrayIconTest, MouseMovesAreReportedOnlyWhileAClickHandlerIsSet) {
  int moves = 0;
  tray->OnMouseMove = [&](QObject*, ShiftState shift, int, int) {
    EXPECT_EQ(shift.buttons, Qt::NoButton);
    ++moves;
  };
  Shell().Send(M::kMouseMove);
  EXPECT_EQ(moves, 0);
  tray->OnClick = [](QObject*) {};
  Shell().Send(M::kMouseMove);
  EXPECT_EQ(moves, 1);
}

TEST_F(TrayIconTest, ButtonEventsNameTheirButton) {
  const std::vector<std::tuple<M, M, Qt::MouseButton>> cases = {
      {M::kLeftButtonDown, M::kLeftButtonUp, Qt::LeftButton},
      {M::kRightButtonDown, M::kRightButtonUp, Qt::RightButton},
      {M::kMiddleButtonDown, M::kMiddleButtonUp, Qt::MiddleButton},
  };
  for (const auto& [down, up, button] : cases) {
    std::vector<Qt::MouseButton> seen;
    auto record = [&](QObject*, Qt::MouseButton b, ShiftState shift, int, int) {
      EXPECT_EQ(shift.buttons, Qt::MouseButtons(b));
      seen.push_back(b);
    };
    tray->OnMouseDown = record;
    tray->OnMouseUp = record;
    Shell().Send(down);
    Shell().Send(up);
    EXPECT_EQ(seen, (std::vector<Qt::MouseButton>{button, button}));
  }
}

TEST_F(TrayIconTest, EveryDoubleClickRunsTheDoubleClickHandler) {
  int doubleClicks = 0;
  tray->OnDblClick = [&](QObject*) { ++doubleClicks; };
  for (M m : {M::kLeftButtonDoubleClick, M::kRightButtonDoubleClick, M::kMiddleButtonDoubleClick}) {
    Shell().Send(m);
  }
  EXPECT_EQ(doubleClicks, 3);
}

TEST_F(TrayIconTest, AClickTriggerNeedsAClickHandler) {
  int restores = 0;
  tray->OnRestore = [&](QObject*) { ++restores; };
  tray->SetRestoreOn(T::imClick);
  Shell().Send(M::kLeftButtonUp);
  EXPECT_EQ(restores, 0);
  tray->OnClick = [](QObject*) {};
  Shell().Send(M::kLeftButtonUp);
  EXPECT_EQ(restores, 1);
}

// Which notifications each trigger answers to (with a click handler set).
const std::map<T, std::set<M>> kTriggeredBy = {
    {T::imClick, {M::kLeftButtonUp}},
    {T::imDoubleClick,
     {M::kLeftButtonDoubleClick, M::kRightButtonDoubleClick, M::kMiddleButtonDoubleClick}},
    {T::imMouseDown, {M::kLeftButtonDown, M::kRightButtonDown, M::kMiddleButtonDown}},
    {T::imMouseUp, {M::kLeftButtonUp, M::kRightButtonUp, M::kMiddleButtonUp}},
    {T::imLeftClickUp, {M::kLeftButtonUp}},
    {T::imLeftDoubleClick, {M::kLeftButtonDoubleClick}},
    {T::imRightClickUp, {M::kRightButtonUp}},
    {T::imRightDoubleClick, {M::kRightButtonDoubleClick}},
    {T::imNone, {}},
};

const std::vector<M> kAllMessages = {
    M::kMouseMove,
    M::kLeftButtonDown,
    M::kLeftButtonUp,
    M::kLeftButtonDoubleClick,
    M::kRightButtonDown,
    M::kRightButtonUp,
    M::kRightButtonDoubleClick,
    M::kMiddleButtonDown,
    M::kMiddleButtonUp,
    M::kMiddleButtonDoubleClick,
};

class TrayIconTrigger : public TrayIconTest,
                        public ::testing::WithParamInterface<std::tuple<T, M>> {
 protected:
  TrayIconTrigger() {
    tray->OnClick = [](QObject*) {};
  }
  int Expected() const {
    const auto [trigger, message] = GetParam();
    return static_cast<int>(kTriggeredBy.at(trigger).count(message));
  }
};

TEST_P(TrayIconTrigger, RestoresOnExactlyItsMouseActions) {
  const auto [trigger, message] = GetParam();
  int restores = 0;
  tray->OnRestore = [&](QObject*) { ++restores; };
  tray->SetRestoreOn(trigger);
  EXPECT_EQ(tray->DoMessage(TrayMessage::kNotify, message), 0);
  EXPECT_EQ(restores, Expected());
}

TEST_P(TrayIconTrigger, OpensTheMenuOnExactlyItsMouseActions) {
  const auto [trigger, message] = GetParam();
  QMenu menu;
  menu.addAction(QStringLiteral("item"));
  int shown = 0;
  QObject::connect(&menu, &QMenu::aboutToShow, [&] { ++shown; });
  tray->SetPopupMenu(&menu);
  tray->SetPopupMenuOn(trigger);
  tray->DoMessage(TrayMessage::kNotify, message);
  EXPECT_EQ(shown, Expected());
  EXPECT_EQ(menu.isVisible(), Expected() == 1);
  menu.hide();
}

const char* const kTriggerNames[] = {"imClick",        "imDoubleClick",      "imMouseDown",
                                     "imMouseUp",      "imLeftClickUp",      "imLeftDoubleClick",
                                     "imRightClickUp", "imRightDoubleClick", "imNone"};
const char* const kMessageNames[] = {
    "MouseMove", "LeftDown",         "LeftUp",     "LeftDoubleClick", "RightDown",
    "RightUp",   "RightDoubleClick", "MiddleDown", "MiddleUp",        "MiddleDoubleClick"};

std::string PairName(const ::testing::TestParamInfo<std::tuple<T, M>>& info) {
  const auto [trigger, message] = info.param;
  return std::string(kTriggerNames[static_cast<int>(trigger)]) + "_" +
         kMessageNames[static_cast<int>(message)];
}

INSTANTIATE_TEST_SUITE_P(
    AllPairs, TrayIconTrigger,
    ::testing::Combine(::testing::Values(T::imClick, T::imDoubleClick, T::imMouseDown, T::imMouseUp,
                                         T::imLeftClickUp, T::imLeftDoubleClick, T::imRightClickUp,
                                         T::imRightDoubleClick, T::imNone),
                       ::testing::ValuesIn(kAllMessages)),
    PairName);

TEST_F(TrayIconTest, MinimizeHidesTheVisibleWindowsAndRestoreShowsThemAgain) {
  QWidget shown;
  QWidget hidden;
  shown.show();
  int minimized = 0;
  int restored = 0;
  tray->OnMinimize = [&](QObject*) { ++minimized; };
  tray->OnRestore = [&](QObject*) { ++restored; };
  tray->Minimize();
  EXPECT_FALSE(shown.isVisible());
  EXPECT_EQ(minimized, 1);
  tray->Restore();
  EXPECT_TRUE(shown.isVisible());
  EXPECT_FALSE(hidden.isVisible());
  EXPECT_EQ(restored, 1);
}

TEST_F(TrayIconTest, TheProgramMinimisingTheMainWindowDoesNotGoThroughTheHook) {
  owner->show();
  Place();
  int minimized = 0;
  tray->OnMinimize = [&](QObject*) { ++minimized; };
  owner->setWindowState(Qt::WindowMinimized);
  testing::RunEventsFor(20);
  EXPECT_EQ(minimized, 0);
  EXPECT_TRUE(owner->isVisible());
}

}  // namespace
}  // namespace kirv
