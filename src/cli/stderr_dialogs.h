#pragma once

#include "common/dialogs.h"
#include "common/standard_error.h"

namespace kirv {

// The dialogs of a program without a window: a message goes to standard error as one line, the
// program's name in front; nothing is ever chosen.
class StderrDialogs : public Dialogs {
 public:
  void ShowMessage(const std::string& text) override { WriteToStandardError(text); }
  std::optional<std::string> OpenFile(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFile(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<Colour> PickColour(Colour) override { return std::nullopt; }
  void Beep() override {}
};

}  // namespace kirv
