#pragma once

#include <string>

namespace kirv {

// The entry that starts the program with the user's session.
class AutoStartEntry {
 public:
  virtual ~AutoStartEntry() = default;
  virtual bool Exists() const = 0;
  // Starts the given executable (an absolute path) with the session, followed by the arguments
  // that the implementation was given (the data folder chosen, for one).
  virtual void Write(const std::string& executablePath) = 0;
  // No error when there is no entry.
  virtual void Remove() = 0;
};

}  // namespace kirv
