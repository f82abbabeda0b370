#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <string>

#include "common/settings_store.h"

namespace kirv {

// The settings key in an INI file, by default $XDG_CONFIG_HOME/KIRV/KIRV.ini. A key path such as
// "\software\KIRV" is a group of the file; paths and value names are compared without regard to
// ASCII case and written in lower case. Value names may hold any bytes: the ones that the file
// format would change are escaped. An integer is written "dword:" + eight hexadecimal digits, so
// its type is known on reading; a string that would read as one is written behind "sz:".
// A key exists once it holds a value.
class QSettingsStore : public SettingsStore {
 public:
  QSettingsStore();
  explicit QSettingsStore(std::string filePath);
  ~QSettingsStore() override;

  static std::string DefaultFilePath();
  const std::string& FilePath() const { return filePath_; }

  void OpenKey(const std::string& path, bool create) override;
  bool ValueExists(const std::string& name) const override;
  std::string ReadString(const std::string& name) const override;
  std::int32_t ReadInteger(const std::string& name) const override;
  void WriteString(const std::string& name, const std::string& value) override;
  void WriteInteger(const std::string& name, std::int32_t value) override;
  void DeleteValue(const std::string& name) override;
  // Writes the file; throws SettingsError when it cannot be written.
  void CloseKey() override;

  // The INI key of a value name, as the file holds it below the key's group.
  static QString EscapedName(const std::string& name);

 private:
  QString Stored(const std::string& name) const;
  void Write(const std::string& name, const QString& stored);

  std::string filePath_;
  std::unique_ptr<QSettings> settings_;  // only while a key is open
  QString group_;                        // the open key's group
  bool writable_ = false;                // the key exists or was created
};

}  // namespace kirv
