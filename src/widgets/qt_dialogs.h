#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <string>
#include <vector>

#include "common/dialogs.h"

namespace kirv {

// The dialogs as Qt's standard ones, under the application's title. A file dialog whose filter
// starts with one pattern "*.ext" adds ".ext" to a name typed without it.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QString title);

  void ShowMessage(const std::string& text) override;
  std::optional<std::string> OpenFile(const std::string& filter,
                                      const std::string& initialPath) override;
  std::optional<std::string> SaveFile(const std::string& filter,
                                      const std::string& initialPath) override;
  std::optional<Colour> PickColour(Colour initial) override;
  void Beep() override;

  // Nobody is there to answer any more (a signal or the session's end is ending the program):
  // the dialogs that are open are closed as if cancelled, later messages go to standard error
  // and nothing more is asked.
  void StopAsking();
  bool Asking() const { return asking_; }

  // "Description|*.a;*.b|..." as Qt writes it: "Description (*.a *.b);;...".
  static QString QtFilter(const std::string& filter);
  // "mdf" for "Description|*.mdf|...", else empty.
  static QString DefaultSuffix(const std::string& filter);

 private:
  // Runs a dialog modally unless nobody is asked any more; answers whether it was accepted.
  bool Run(QDialog& dialog);

  QString title_;
  bool asking_ = true;
  std::vector<QPointer<QDialog>> open_;  // innermost last
};

}  // namespace kirv
