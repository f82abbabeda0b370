#pragma once

#include <optional>
#include <string>

#include "common/colour.h"

namespace kirv {

// The modal dialogs and the beep. A filter reads "Description|*.ext".
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowMessage(const std::string& text) = 0;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> OpenFile(const std::string& filter,
                                              const std::string& initialPath) = 0;
  virtual std::optional<std::string> SaveFile(const std::string& filter,
                                              const std::string& initialPath) = 0;
  virtual std::optional<Colour> PickColour(Colour initial) = 0;
  virtual void Beep() = 0;
};

}  // namespace kirv
