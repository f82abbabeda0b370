#include "platform/qsettings_store.h"

#include <QStringList>
#include <QVariant>
#include <utility>

#include "platform/xdg_config_home.h"

namespace kirv {

namespace {

const QString kIntegerPrefix = QStringLiteral("dword:");
const QString kStringPrefix = QStringLiteral("sz:");

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Lower case, with "%", "/" (the file's group separator) and NUL as "%" + two hex digits, and the
// empty name as a lone "%", which no escaped name can be. Bytes map one to one onto Latin-1
// characters, so every byte string gives its own key; the file format escapes the rest itself.
QString EscapedComponent(const std::string& name) {
  if (name.empty()) return QStringLiteral("%");
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(name.size());
  for (char c : name) {
    if (c == '%' || c == '/' || c == '\0') {
      const auto byte = static_cast<unsigned char>(c);
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0xF];
    } else {
      escaped += LowerAscii(c);
    }
  }
  return QString::fromLatin1(escaped.data(), static_cast<qsizetype>(escaped.size()));
}

// "\software\KIRV" and "SOFTWARE\\kirv\" are the same group, "software/kirv".
QString GroupOf(const std::string& path) {
  QStringList components;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) components << EscapedComponent(path.substr(start, end - start));
    start = end + 1;
  }
  return components.join('/');
}

bool IsStoredInteger(const QString& stored) {
  if (!stored.startsWith(kIntegerPrefix)) return false;
  const qsizetype digits = stored.size() - kIntegerPrefix.size();
  if (digits < 1 || digits > 8) return false;
  bool ok = false;
  stored.mid(kIntegerPrefix.size()).toUInt(&ok, 16);
  return ok;
}

}  // namespace

QSettingsStore::QSettingsStore() : QSettingsStore(DefaultFilePath()) {}

QSettingsStore::QSettingsStore(std::string filePath) : filePath_(std::move(filePath)) {}

QSettingsStore::~QSettingsStore() = default;

std::string QSettingsStore::DefaultFilePath() { return XdgConfigHome() + "/KIRV/KIRV.ini"; }

QString QSettingsStore::EscapedName(const std::string& name) { return EscapedComponent(name); }

void QSettingsStore::OpenKey(const std::string& path, bool create) {
  settings_ = std::make_unique<QSettings>(QString::fromStdString(filePath_), QSettings::IniFormat);
  group_ = GroupOf(path);
  settings_->beginGroup(group_);
  writable_ = create || !settings_->childKeys().isEmpty() || !settings_->childGroups().isEmpty();
  settings_->endGroup();
}

QString QSettingsStore::Stored(const std::string& name) const {
  if (!settings_) return {};
  const QVariant value = settings_->value(group_ + '/' + EscapedName(name));
  if (!value.isValid()) return {};
  // A hand-written "a, b" reads as a list.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',');
  const QString text = value.toString();
  return text.isNull() ? QStringLiteral("") : text;
}

bool QSettingsStore::ValueExists(const std::string& name) const { return !Stored(name).isNull(); }

std::string QSettingsStore::ReadString(const std::string& name) const {
  const QString stored = Stored(name);
  if (IsStoredInteger(stored)) throw SettingsError("Invalid data type for '" + name + "'");
  if (stored.startsWith(kStringPrefix)) return stored.mid(kStringPrefix.size()).toStdString();
  return stored.toStdString();
}

std::int32_t QSettingsStore::ReadInteger(const std::string& name) const {
  const QString stored = Stored(name);
  if (stored.isNull()) throw SettingsError("No value '" + name + "'");
  if (!IsStoredInteger(stored)) throw SettingsError("Invalid data type for '" + name + "'");
  return static_cast<std::int32_t>(stored.mid(kIntegerPrefix.size()).toUInt(nullptr, 16));
}

void QSettingsStore::WriteString(const std::string& name, const std::string& value) {
  QString text = QString::fromStdString(value);
  if (text.startsWith(kIntegerPrefix) || text.startsWith(kStringPrefix))
    text.prepend(kStringPrefix);
  Write(name, text);
}

void QSettingsStore::WriteInteger(const std::string& name, std::int32_t value) {
  Write(name, kIntegerPrefix + QStringLiteral("%1").arg(static_cast<std::uint32_t>(value), 8, 16,
                                                        QLatin1Char('0')));
}

void QSettingsStore::Write(const std::string& name, const QString& stored) {
  if (!settings_ || !writable_) throw SettingsError("Failed to set data for '" + name + "'");
  settings_->setValue(group_ + '/' + EscapedName(name), stored);
}

void QSettingsStore::DeleteValue(const std::string& name) {
  if (settings_) settings_->remove(group_ + '/' + EscapedName(name));
}

void QSettingsStore::CloseKey() {
  if (!settings_) return;
  settings_->sync();
  const QSettings::Status status = settings_->status();
  settings_.reset();
  if (status == QSettings::AccessError) {
    throw SettingsError("Cannot write the settings file " + filePath_);
  }
  if (status == QSettings::FormatError) {
    throw SettingsError("The settings file " + filePath_ + " is not a valid INI file");
  }
}

}  // namespace kirv
