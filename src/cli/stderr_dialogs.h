#pragma once

#include <QString>

#include "common/dialogs.h"

namespace kirv {

// The dialogs of a program without a window: a message goes to standard error as one line,
// "kirv <command> : " in front; nothing is ever chosen.
class StderrDialogs : public Dialogs {
 public:
  explicit StderrDialogs(QString command) : command_(std::move(command)) {}

  void ShowMessage(const std::string& text) override;
  std::optional<std::string> OpenFile(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFile(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<Colour> PickColour(Colour) override { return std::nullopt; }
  void Beep() override {}

 private:
  QString command_;
};

}  // namespace kirv
