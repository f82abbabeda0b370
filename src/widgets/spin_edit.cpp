#include "widgets/spin_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLocale>
#include <QMenu>
#include <charconv>
#include <memory>
#include <optional>
#include <string>

#include "widgets/spin_button.h"

namespace kirv {

namespace {

// Leading spaces, an optional sign, then decimal digits to the end, within 32 bits.
std::optional<std::int32_t> ParseInteger(const QString& text) {
  const std::string s = text.toStdString();
  std::size_t i = s.find_first_not_of(' ');
  if (i == std::string::npos) return std::nullopt;
  if (s[i] == '+') {
    ++i;
    if (i < s.size() && s[i] == '-') return std::nullopt;
  }
  std::int32_t value = 0;
  const char* end = s.data() + s.size();
  const auto [ptr, error] = std::from_chars(s.data() + i, end, value);
  if (error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// Focus that comes and goes with the window or a menu is not the user entering or leaving the
// field.
bool StaysInTheField(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

TCSpinEdit::TCSpinEdit(Dialogs* dialogs, QWidget* parent)
    : QLineEdit(parent), dialogs_(dialogs), button_(new TCSpinButton(this)) {
  setText(QStringLiteral("0"));
  setTextMargins(0, 0, TCSpinButton::kWidth + 2, 0);
  connect(this, &QLineEdit::textChanged, this, &TCSpinEdit::OnChange);
  connect(button_, &TCSpinButton::UpClick, this, &TCSpinEdit::UpClick);
  connect(button_, &TCSpinButton::DownClick, this, &TCSpinEdit::DownClick);
}

std::int32_t TCSpinEdit::CheckValue(std::int32_t v) const {
  if (maxValue_ == minValue_) return v;
  if (v < minValue_) return minValue_;
  if (v > maxValue_) return maxValue_;
  return v;
}

std::int32_t TCSpinEdit::Value() {
  if (const auto v = ParseInteger(text())) return *v;
  setText(QString::number(minValue_));
  return minValue_;
}

void TCSpinEdit::SetValue(std::int32_t v) { setText(QString::number(CheckValue(v))); }

void TCSpinEdit::Step(bool up) {
  if (isReadOnly()) {
    dialogs_->Beep();
    return;
  }
  // 32-bit arithmetic that wraps, as the program's own does.
  const auto v = static_cast<std::uint32_t>(Value());
  const auto by = static_cast<std::uint32_t>(increment_);
  SetValue(static_cast<std::int32_t>(up ? v + by : v - by));
}

void TCSpinEdit::UpClick() { Step(true); }

void TCSpinEdit::DownClick() { Step(false); }

bool TCSpinEdit::IsValidChar(QChar key) const {
  const char16_t code = key.unicode();
  const QString separator = QLocale().decimalPoint();
  bool valid = (!separator.isEmpty() && key == separator.front()) || key == u'+' || key == u'-' ||
               (key >= u'0' && key <= u'9') || (code < 50 && code != 13);
  // Without the editor, codes of 50 and above, backspace and 46 are refused as well.
  if (!editorEnabled_ && valid && (code >= 50 || code == 8 || code == 46)) valid = false;
  return valid;
}

void TCSpinEdit::keyPressEvent(QKeyEvent* event) {
  const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
  if (event->key() == Qt::Key_Up) UpClick();
  if (event->key() == Qt::Key_Down) DownClick();
  if ((event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste)) &&
      !MayCutOrPaste()) {
    event->accept();
    return;
  }
  // Delete and the other editing keys type no character.
  if (event->key() != Qt::Key_Delete) {
    for (QChar c : event->text()) {
      if (!IsValidChar(c)) {
        dialogs_->Beep();
        event->accept();
        return;
      }
    }
  }
  QLineEdit::keyPressEvent(event);
  if (arrow) event->accept();
}

void TCSpinEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Focus by a mouse press: the press that follows decides.
  pressFocused_ = event->reason() == Qt::MouseFocusReason;
  if (!pressFocused_ && !StaysInTheField(event->reason())) selectAll();
}

void TCSpinEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  pressFocused_ = false;
  if (StaysInTheField(event->reason())) return;
  const std::int32_t v = Value();
  if (CheckValue(v) != v) SetValue(v);
}

void TCSpinEdit::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menu(createStandardContextMenu());
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("edit-cut") ||
        action->objectName() == QLatin1String("edit-paste")) {
      action->setEnabled(action->isEnabled() && MayCutOrPaste());
    }
  }
  menu->exec(event->globalPos());
}

void TCSpinEdit::mousePressEvent(QMouseEvent* event) {
  const bool selectAfter = pressFocused_ && event->button() != Qt::LeftButton;
  pressFocused_ = false;
  QLineEdit::mousePressEvent(event);
  if (selectAfter) selectAll();
}

void TCSpinEdit::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the selection on X11.
  if (event->button() == Qt::MiddleButton && !MayCutOrPaste()) return;
  QLineEdit::mouseReleaseEvent(event);
}

void TCSpinEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  button_->move(width() - TCSpinButton::kWidth - 3, (height() - TCSpinButton::kHeight) / 2);
}

}  // namespace kirv
