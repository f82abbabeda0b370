#pragma once

#include <QString>
#include <string>

#include "common/dialogs.h"

namespace kirv {

// The dialogs as Qt's standard ones, under the application's title.
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

  // "Description|*.a;*.b|..." as Qt writes it: "Description (*.a *.b);;...".
  static QString QtFilter(const std::string& filter);

 private:
  QString title_;
};

}  // namespace kirv
