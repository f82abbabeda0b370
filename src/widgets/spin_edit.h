#pragma once

#include <QChar>
#include <QLineEdit>
#include <cstdint>

#include "common/dialogs.h"

namespace kirv {

class TCSpinButton;

// A one-line whole-number edit with up and down buttons inside its right edge. The value is the
// number in the text; OnChange fires on every change of the text, by typing, by the buttons or by
// the program. Refused keys and steps of a read-only edit beep through the dialogs given.
class TCSpinEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TCSpinEdit(Dialogs* dialogs, QWidget* parent = nullptr);

  // Bounds of Value; equal bounds mean no bounds. Setting them does not re-check the text.
  std::int32_t MinValue() const { return minValue_; }
  void SetMinValue(std::int32_t v) { minValue_ = v; }
  std::int32_t MaxValue() const { return maxValue_; }
  void SetMaxValue(std::int32_t v) { maxValue_ = v; }
  std::int32_t Increment() const { return increment_; }
  void SetIncrement(std::int32_t v) { increment_ = v; }
  // Whether typing changes the text.
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool enabled) { editorEnabled_ = enabled; }

  // The text as a signed decimal number. A text that is not one becomes MinValue, which is
  // returned.
  std::int32_t Value();
  // The text becomes CheckValue(v).
  void SetValue(std::int32_t v);
  std::int32_t CheckValue(std::int32_t v) const;

  // Value +/- Increment, wrapping in 32 bits (the bounds then catch it); a beep when read-only.
  void UpClick();
  void DownClick();

  // The characters that typing may put in the text.
  bool IsValidChar(QChar key) const;

  TCSpinButton* Button() const { return button_; }

 signals:
  void OnChange();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool MayCutOrPaste() const { return editorEnabled_ && !isReadOnly(); }
  void Step(bool up);

  Dialogs* dialogs_;
  TCSpinButton* button_;
  std::int32_t minValue_ = 0;
  std::int32_t maxValue_ = 0;
  std::int32_t increment_ = 1;
  bool editorEnabled_ = true;
  bool pressFocused_ = false;  // focus came with a mouse press not yet delivered
};

}  // namespace kirv
