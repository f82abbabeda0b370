#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/texts.h"

namespace kirv {

// A value that is missing or of the wrong type, or a key that could not be written.
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A key of typed values (strings, signed 32-bit integers and bools), value names compared without
// regard to case. Every reading or writing pass opens the key, uses it and closes it.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Opens the key at path (compared without regard to case), creating it when asked.
  virtual void OpenKey(const std::string& path, bool create) = 0;
  virtual bool ValueExists(const std::string& name) const = 0;
  // The names of the values the open key holds, in the order it keeps them.
  virtual std::vector<std::string> ValueNames() const = 0;
  // The empty text when the value is absent; throws SettingsError when it is not a string.
  virtual std::string ReadString(const std::string& name) const = 0;
  // Throws SettingsError when the value is absent or not an integer.
  virtual std::int32_t ReadInteger(const std::string& name) const = 0;
  // Throws SettingsError when the value is absent or not a bool. A key without a bool type of its
  // own holds one as the integer 1 or 0 and reads any other integer as true.
  virtual bool ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }
  virtual void WriteString(const std::string& name, const std::string& value) = 0;
  virtual void WriteInteger(const std::string& name, std::int32_t value) = 0;
  virtual void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
  // No error when the value is absent.
  virtual void DeleteValue(const std::string& name) = 0;
  // Ends the pass; throws SettingsError when what was written could not be stored.
  virtual void CloseKey() = 0;
  // The language the store's errors are in, which the warnings about its values follow; none: the
  // French sources.
  virtual const TextCatalogue* Texts() const { return nullptr; }
};

}  // namespace kirv
