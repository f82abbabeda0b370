#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/settings_store.h"

namespace kirv {

// The settings key as a plain INI file people can read and edit, by default
// $XDG_CONFIG_HOME/KIRV/KIRV.ini:
//
//   [KIRV]
//   lrec=00CC00
//   width=403
//   micro=true
//   eth0=true
//
// One group, [KIRV], holds every value under its own name; names are compared without regard to
// ASCII case. Integers are decimal, bools true or false (1 and 0 are read too), strings as they
// are. A byte that the line syntax would change (a backslash, a control character, an "=" in a
// name, a space at either end, a byte that is not UTF-8, a name starting with ";", "#" or "[") is
// written "\xHH", a backslash "\\"; any other text, accented letters included, is written as it
// is. Lines outside [KIRV], comments and lines without "=" are not read, and a save writes the
// file anew without them. The file carries no types: the settings schema decides what a text
// must be. QSettings is not used: its INI files write every space and accented letter of a key
// as "%XX" and read a backslash in a key as a group separator.
//
// The one key it holds is the settings key ("\software\KIRV", any case); another path opens a key
// that does not exist and cannot be created.
class IniSettingsStore : public SettingsStore {
 public:
  // A file larger than this is not read (said on standard error): no hand-written settings come
  // near it, and reading it would slow every start. Such a file, like one that cannot be opened
  // or holds a nul byte, is renamed KIRV.ini.unread-<yyyy-mm-dd> (local date; .2, .3... when
  // that name is taken) before the next save, which then writes the defaults.
  static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

  IniSettingsStore();
  explicit IniSettingsStore(std::string filePath);
  ~IniSettingsStore() override;

  static std::string DefaultFilePath();
  const std::string& FilePath() const { return filePath_; }

  void OpenKey(const std::string& path, bool create) override;
  bool ValueExists(const std::string& name) const override;
  std::vector<std::string> ValueNames() const override;
  std::string ReadString(const std::string& name) const override;
  std::int32_t ReadInteger(const std::string& name) const override;
  bool ReadBool(const std::string& name) const override;
  void WriteString(const std::string& name, const std::string& value) override;
  void WriteInteger(const std::string& name, std::int32_t value) override;
  void WriteBool(const std::string& name, bool value) override;
  void DeleteValue(const std::string& name) override;
  // Writes the file when the pass changed something; throws SettingsError when it cannot, the
  // file left as it was.
  void CloseKey() override;
  const TextCatalogue* Texts() const override;

 private:
  struct Entry {
    std::string name;
    std::string text;
    bool removed = false;
  };

  void Load();
  void SayFileProblem(const std::string& problem);
  void Put(const std::string& name, std::string text);
  const Entry* Find(const std::string& name) const;
  const std::string& Text(const std::string& name) const;  // throws when absent
  void Write(const std::string& name, std::string text);
  void KeepUnreadFile() const;
  void Save() const;

  std::string filePath_;
  bool open_ = false;
  bool writable_ = false;  // the key exists or was created
  bool changed_ = false;
  bool unread_ = false;           // the file exists but was not read
  bool saidFileProblem_ = false;  // a file that cannot be read is said once, not at every pass
  std::vector<Entry> entries_;    // in the file's order
  std::unordered_map<std::string, std::size_t> index_;  // lower-case name to its entry
};

}  // namespace kirv
