#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kirv {

// A value that is missing or of the wrong type, or a key that could not be written.
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A key of typed values (strings and signed 32-bit integers; a bool is an integer 1 or 0).
// Every reading or writing pass opens the key, uses it and closes it.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Opens the key at path (compared without regard to case), creating it when asked.
  virtual void OpenKey(const std::string& path, bool create) = 0;
  virtual bool ValueExists(const std::string& name) const = 0;
  // The empty text when the value is absent; throws SettingsError when it is not a string.
  virtual std::string ReadString(const std::string& name) const = 0;
  // Throws SettingsError when the value is absent or not an integer.
  virtual std::int32_t ReadInteger(const std::string& name) const = 0;
  bool ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }
  virtual void WriteString(const std::string& name, const std::string& value) = 0;
  virtual void WriteInteger(const std::string& name, std::int32_t value) = 0;
  void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
  // No error when the value is absent.
  virtual void DeleteValue(const std::string& name) = 0;
  // Ends the pass; throws SettingsError when what was written could not be stored.
  virtual void CloseKey() = 0;
};

}  // namespace kirv
