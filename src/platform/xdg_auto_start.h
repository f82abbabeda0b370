#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/auto_start_entry.h"

namespace kirv {

// The session's autostart entry: a desktop entry file, by default
// $XDG_CONFIG_HOME/autostart/org.kirv.kirv.desktop, whose Exec starts the given executable.
// Earlier versions named it KIRV.desktop: such an entry counts as the entry, and writing or
// removing the entry removes it.
class XdgAutoStartEntry : public AutoStartEntry {
 public:
  XdgAutoStartEntry();
  explicit XdgAutoStartEntry(std::string filePath);

  static std::string DefaultFilePath();
  const std::string& FilePath() const { return filePath_; }

  // Arguments that the entry passes after the executable, such as the data folder chosen.
  void SetArguments(std::vector<std::string> arguments) { arguments_ = std::move(arguments); }

  bool Exists() const override;
  // Throws SettingsError when the file cannot be written.
  void Write(const std::string& executablePath) override;
  // Throws SettingsError when a file exists and cannot be removed.
  void Remove() override;

  // The Exec value that runs the program at path, quoted and escaped as desktop entries ask.
  static std::string ExecValue(const std::string& path);

 private:
  std::string filePath_;
  std::string formerFilePath_;  // KIRV.desktop beside the entry, removed with it
  std::vector<std::string> arguments_;
};

}  // namespace kirv
