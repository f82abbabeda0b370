#include "widgets/spin_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "case_name.h"
#include "fakes/fake_services.h"
#include "gui/event_wait.h"
#include "widgets/spin_button.h"

namespace kirv {
namespace {

using testing::FakeDialogs;
using testing::RunEventsFor;
using testing::RunEventsUntil;

constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();

class SpinEditTest : public ::testing::Test {
 protected:
  SpinEditTest() {
    QObject::connect(&spin, &TCSpinEdit::OnChange, [this] { ++changes; });
  }

  // hspin of the configuration dialog: 1 to 3600, value 30.
  void MakeHspin() {
    spin.SetMinValue(1);
    spin.SetMaxValue(3600);
    spin.SetValue(30);
    changes = 0;
  }
  // spdspin of the configuration dialog: 1025 to 2147483647.
  void MakeSpdspin() {
    spin.SetMinValue(1025);
    spin.SetMaxValue(kMaxInt);
    spin.SetValue(1025);
    changes = 0;
  }

  void Key(int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&spin, &press);
  }
  void Type(const QString& text) {
    for (QChar c : text) Key(c.toUpper().unicode(), QString(c));
  }
  void Focus(QEvent::Type type, Qt::FocusReason reason) {
    QFocusEvent event(type, reason);
    QApplication::sendEvent(&spin, &event);
  }
  void Mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }
  QPoint UpCentre() const { return TCSpinButton::UpRect().center(); }
  QPoint DownCentre() const { return TCSpinButton::DownRect().center(); }

  FakeDialogs dialogs;
  TCSpinEdit spin{&dialogs};
  int changes = 0;
};

TEST_F(SpinEditTest, StartsAtZeroWithoutBounds) {
  EXPECT_EQ(spin.text(), "0");
  EXPECT_EQ(spin.Value(), 0);
  EXPECT_EQ(spin.MinValue(), 0);
  EXPECT_EQ(spin.MaxValue(), 0);
  EXPECT_EQ(spin.Increment(), 1);
  EXPECT_TRUE(spin.EditorEnabled());
}

TEST_F(SpinEditTest, TypedValueAboveTheMaximumIsClampedWhenLeavingTheField) {
  MakeHspin();
  spin.selectAll();
  Type("5000");
  EXPECT_EQ(spin.text(), "5000");
  Focus(QEvent::FocusOut, Qt::TabFocusReason);
  EXPECT_EQ(spin.text(), "3600");
  EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(SpinEditTest, TypedValueBelowTheMinimumIsClampedWhenLeavingTheField) {
  MakeHspin();
  spin.setText("-7");
  Focus(QEvent::FocusOut, Qt::MouseFocusReason);
  EXPECT_EQ(spin.text(), "1");
}

TEST_F(SpinEditTest, SwitchingWindowsDoesNotClampOrReplaceTheText) {
  MakeHspin();
  spin.setText("");
  Focus(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  EXPECT_EQ(spin.text(), "");
}

TEST_F(SpinEditTest, UpAtTheMaximumStaysThere) {
  MakeHspin();
  spin.SetValue(3600);
  spin.UpClick();
  EXPECT_EQ(spin.text(), "3600");
  Key(Qt::Key_Up);
  EXPECT_EQ(spin.Value(), 3600);
}

TEST_F(SpinEditTest, DownAtTheMinimumStaysThere) {
  MakeHspin();
  spin.SetValue(1);
  spin.DownClick();
  EXPECT_EQ(spin.text(), "1");
}

TEST_F(SpinEditTest, ArrowKeysStepByTheIncrement) {
  MakeHspin();
  spin.SetIncrement(5);
  Key(Qt::Key_Up);
  EXPECT_EQ(spin.text(), "35");
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(spin.text(), "25");
}

TEST_F(SpinEditTest, EqualBoundsAcceptAnyValue) {
  for (std::int32_t v : {-5000000, 0, 1, kMaxInt, kMinInt}) {
    spin.SetValue(v);
    Focus(QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_EQ(spin.Value(), v);
    EXPECT_EQ(spin.CheckValue(v), v);
  }
}

TEST_F(SpinEditTest, SettingTheBoundsDoesNotRecheckTheText) {
  spin.SetValue(5000);
  spin.SetMinValue(1);
  spin.SetMaxValue(3600);
  EXPECT_EQ(spin.text(), "5000");
  spin.SetValue(spin.Value());
  EXPECT_EQ(spin.text(), "3600");
}

struct TextCase {
  std::string text;
  std::int32_t value;
  std::string shown;  // the text after the read
};

class SpinEditValueTest : public SpinEditTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(SpinEditValueTest, TextReadsAsADecimalNumberOrBecomesTheMinimum) {
  MakeSpdspin();
  spin.setText(QString::fromStdString(GetParam().text));
  EXPECT_EQ(spin.Value(), GetParam().value);
  EXPECT_EQ(spin.text().toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpinEditValueTest,
    ::testing::Values(TextCase{"", 1025, "1025"}, TextCase{"abc", 1025, "1025"},
                      TextCase{"12a", 1025, "1025"}, TextCase{" ", 1025, "1025"},
                      TextCase{"-", 1025, "1025"}, TextCase{"+", 1025, "1025"},
                      TextCase{"+-3", 1025, "1025"}, TextCase{"42 ", 1025, "1025"},
                      TextCase{"1.5", 1025, "1025"}, TextCase{"2147483648", 1025, "1025"},
                      TextCase{"65536", 65536, "65536"}, TextCase{"  42", 42, "  42"},
                      TextCase{"+7", 7, "+7"}, TextCase{"-3", -3, "-3"}, TextCase{"007", 7, "007"},
                      TextCase{"2147483647", kMaxInt, "2147483647"},
                      TextCase{"-2147483648", kMinInt, "-2147483648"}),
    [](const ::testing::TestParamInfo<TextCase>& info) {
      return ::kirv::testing::SpelledName(info.param.text);
    });

TEST_F(SpinEditTest, UpPastTheLargestIntegerWrapsAndTheClampGivesTheMinimum) {
  MakeSpdspin();
  spin.SetValue(kMaxInt);
  spin.UpClick();
  EXPECT_EQ(spin.text(), "1025");
}

TEST_F(SpinEditTest, WithoutBoundsStepsWrapAroundThe32BitRange) {
  spin.SetValue(kMaxInt);
  spin.UpClick();
  EXPECT_EQ(spin.Value(), kMinInt);
  spin.DownClick();
  EXPECT_EQ(spin.Value(), kMaxInt);
}

TEST_F(SpinEditTest, ReadOnlyEditBeepsInsteadOfStepping) {
  MakeHspin();
  spin.setReadOnly(true);
  spin.UpClick();
  spin.DownClick();
  EXPECT_EQ(spin.text(), "30");
  EXPECT_EQ(dialogs.beeps, 2);
  EXPECT_EQ(changes, 0);
}

struct CharCase {
  char16_t key;
  bool valid;
};

class SpinEditCharTest : public SpinEditTest, public ::testing::WithParamInterface<CharCase> {};

TEST_P(SpinEditCharTest, AcceptsDigitsSignsAndCodesBelowFifty) {
  EXPECT_EQ(spin.IsValidChar(QChar(GetParam().key)), GetParam().valid)
      << static_cast<int>(GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Chars, SpinEditCharTest,
    ::testing::Values(CharCase{u'0', true}, CharCase{u'5', true}, CharCase{u'9', true},
                      CharCase{u'+', true}, CharCase{u'-', true}, CharCase{u' ', true},
                      CharCase{u'/', true}, CharCase{u'!', true}, CharCase{u',', true},
                      CharCase{u'.', true}, CharCase{8, true}, CharCase{1, true},
                      CharCase{22, true}, CharCase{13, false}, CharCase{u':', false},
                      CharCase{u'=', false}, CharCase{u'a', false}, CharCase{u'Z', false},
                      CharCase{u'\u00e9', false}, CharCase{127, false}),
    [](const ::testing::TestParamInfo<CharCase>& info) {
      return info.param.key < 128
                 ? ::kirv::testing::SpelledName(std::string(1, static_cast<char>(info.param.key)))
                 : "Code" + std::to_string(info.param.key);
    });

TEST_F(SpinEditTest, LetterIsRefusedWithABeep) {
  MakeHspin();
  spin.end(false);
  Type("a");
  EXPECT_EQ(spin.text(), "30");
  EXPECT_EQ(dialogs.beeps, 1);
  EXPECT_EQ(changes, 0);
}

TEST_F(SpinEditTest, SpaceAndSlashAreAccepted) {
  MakeHspin();
  spin.end(false);
  Type(" /");
  EXPECT_EQ(spin.text(), "30 /");
  EXPECT_EQ(dialogs.beeps, 0);
  EXPECT_EQ(spin.Value(), 1);  // not a number: the minimum
}

TEST_F(SpinEditTest, EnterIsRefusedWithABeep) {
  Key(Qt::Key_Return, "\r");
  EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(SpinEditTest, WithoutTheEditorOnlyControlCodesAndLowCharactersPass) {
  spin.SetEditorEnabled(false);
  EXPECT_FALSE(spin.IsValidChar(u'5'));
  EXPECT_FALSE(spin.IsValidChar(QChar(8)));
  EXPECT_FALSE(spin.IsValidChar(u'.'));
  EXPECT_TRUE(spin.IsValidChar(u'1'));
  EXPECT_TRUE(spin.IsValidChar(u' '));
  EXPECT_TRUE(spin.IsValidChar(QChar(22)));
}

TEST_F(SpinEditTest, PasteWorksOnlyWithTheEditorEnabled) {
  QApplication::clipboard()->setText("77");
  spin.selectAll();
  spin.SetEditorEnabled(false);
  Key(Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
  EXPECT_EQ(spin.text(), "0");
  spin.SetEditorEnabled(true);
  Key(Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
  EXPECT_EQ(spin.text(), "77");
}

TEST_F(SpinEditTest, EnteringTheFieldFromTheKeyboardSelectsTheWholeText) {
  MakeHspin();
  for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::BacktabFocusReason,
                                 Qt::ShortcutFocusReason, Qt::OtherFocusReason}) {
    spin.deselect();
    Focus(QEvent::FocusIn, reason);
    EXPECT_EQ(spin.selectedText(), "30") << reason;
  }
}

TEST_F(SpinEditTest, EnteringTheFieldByALeftPressDoesNotSelect) {
  MakeHspin();
  Focus(QEvent::FocusIn, Qt::MouseFocusReason);
  Mouse(&spin, QEvent::MouseButtonPress, {4, 10}, Qt::LeftButton);
  EXPECT_EQ(spin.selectedText(), "");
}

TEST_F(SpinEditTest, EnteringTheFieldByARightPressSelectsTheWholeText) {
  MakeHspin();
  Focus(QEvent::FocusIn, Qt::MouseFocusReason);
  Mouse(&spin, QEvent::MouseButtonPress, {4, 10}, Qt::RightButton);
  EXPECT_EQ(spin.selectedText(), "30");
}

TEST_F(SpinEditTest, ReturningToTheWindowKeepsTheSelection) {
  MakeHspin();
  spin.deselect();
  Focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  EXPECT_EQ(spin.selectedText(), "");
}

TEST_F(SpinEditTest, OnChangeFiresOnEveryChangeOfTheText) {
  MakeHspin();
  spin.end(false);
  Type("0");  // typing
  EXPECT_EQ(changes, 1);
  spin.UpClick();  // a button
  EXPECT_EQ(changes, 2);
  spin.SetValue(12);  // the program
  EXPECT_EQ(changes, 3);
  Key(Qt::Key_Down);  // the arrow key
  EXPECT_EQ(changes, 4);
  spin.setText("");  // any text, and its replacement by the minimum when read
  EXPECT_EQ(spin.Value(), 1);
  EXPECT_EQ(changes, 6);
  spin.SetValue(1);  // no change of the text
  EXPECT_EQ(changes, 6);
}

TEST_F(SpinEditTest, ButtonPairSitsInsideTheRightEdge) {
  spin.setGeometry(136, 40, 41, 22);
  spin.show();
  EXPECT_EQ(spin.Button()->geometry(), QRect(23, 2, 15, 17));
  EXPECT_EQ(TCSpinButton::UpRect(), QRect(0, 0, 15, 8));
  EXPECT_EQ(TCSpinButton::DownRect(), QRect(0, 8, 15, 9));
}

TEST_F(SpinEditTest, ButtonsDrawAnUpAndADownArrow) {
  spin.setGeometry(0, 0, 49, 22);
  QImage image(TCSpinButton::kWidth, TCSpinButton::kHeight, QImage::Format_RGB32);
  spin.Button()->render(&image);
  const QRgb glyph = spin.Button()->palette().color(QPalette::ButtonText).rgb();
  const QRgb face = spin.Button()->palette().color(QPalette::Button).rgb();
  // Up: apex at (7, 2), base from (5, 4) to (9, 4). Down: base at row 11, apex at (7, 13).
  EXPECT_EQ(image.pixel(7, 2), glyph);
  EXPECT_EQ(image.pixel(5, 4), glyph);
  EXPECT_EQ(image.pixel(9, 4), glyph);
  EXPECT_EQ(image.pixel(5, 2), face);
  EXPECT_EQ(image.pixel(7, 13), glyph);
  EXPECT_EQ(image.pixel(5, 11), glyph);
  EXPECT_EQ(image.pixel(5, 13), face);
}

TEST_F(SpinEditTest, ButtonClickStepsAtThePress) {
  MakeHspin();
  Mouse(spin.Button(), QEvent::MouseButtonPress, UpCentre(), Qt::LeftButton);
  EXPECT_EQ(spin.Value(), 31);
  Mouse(spin.Button(), QEvent::MouseButtonRelease, UpCentre(), Qt::LeftButton);
  EXPECT_EQ(spin.Value(), 31);
  Mouse(spin.Button(), QEvent::MouseButtonPress, DownCentre(), Qt::LeftButton);
  Mouse(spin.Button(), QEvent::MouseButtonRelease, DownCentre(), Qt::LeftButton);
  EXPECT_EQ(spin.Value(), 30);
  Mouse(spin.Button(), QEvent::MouseButtonPress, UpCentre(), Qt::RightButton);
  EXPECT_EQ(spin.Value(), 30);
}

TEST_F(SpinEditTest, HeldButtonRepeatsAfter400MsThenEvery100Ms) {
  MakeHspin();
  QElapsedTimer clock;
  clock.start();
  Mouse(spin.Button(), QEvent::MouseButtonPress, UpCentre(), Qt::LeftButton);
  EXPECT_EQ(spin.Value(), 31);
  ASSERT_TRUE(RunEventsUntil([&] { return spin.text() == "32"; }, 2000));
  const qint64 second = clock.elapsed();
  EXPECT_GE(second, 395);
  ASSERT_TRUE(RunEventsUntil([&] { return spin.text() == "33"; }, 2000));
  const qint64 third = clock.elapsed();
  EXPECT_GE(third - second, 95);
  EXPECT_LT(third - second, 350);
  ASSERT_TRUE(RunEventsUntil([&] { return spin.text() == "35"; }, 2000));
  Mouse(spin.Button(), QEvent::MouseButtonRelease, UpCentre(), Qt::LeftButton);
  const std::int32_t released = spin.Value();
  RunEventsFor(300);
  EXPECT_EQ(spin.Value(), released);
}

TEST_F(SpinEditTest, HeldButtonPausesWhileTheMouseIsOffIt) {
  MakeHspin();
  Mouse(spin.Button(), QEvent::MouseButtonPress, DownCentre(), Qt::LeftButton);
  Mouse(spin.Button(), QEvent::MouseMove, UpCentre(), Qt::LeftButton);
  RunEventsFor(700);
  EXPECT_EQ(spin.Value(), 29);
  Mouse(spin.Button(), QEvent::MouseMove, DownCentre(), Qt::LeftButton);
  ASSERT_TRUE(RunEventsUntil([&] { return spin.Value() < 29; }, 1000));
  Mouse(spin.Button(), QEvent::MouseButtonRelease, DownCentre(), Qt::LeftButton);
}

}  // namespace
}  // namespace kirv
