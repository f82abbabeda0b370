#include "platform/ini_settings_store.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <charconv>
#include <initializer_list>
#include <string_view>
#include <system_error>
#include <utility>

#include "common/standard_error.h"
#include "platform/save_file_commit.h"
#include "platform/translated_message.h"
#include "platform/translations.h"
#include "platform/xdg_config_home.h"

namespace kirv {

namespace {

constexpr std::string_view kGroup = "KIRV";
constexpr std::string_view kBlanks = " \t\r";
constexpr char kHex[] = "0123456789ABCDEF";
// What an error message shows of a text, bytes.
constexpr std::size_t kExcerptLength = 40;
// Kept copies of one day beyond the first are numbered up to this, then the save is refused.
constexpr int kMaxKeptCopies = 99;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = LowerAscii(c);
  return folded;
}

bool SameName(std::string_view a, std::string_view b) { return Folded(a) == Folded(b); }

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// "\software\KIRV" in any case, with any number of separators between and around its parts.
bool IsSettingsKey(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.push_back(Folded(path.substr(start, end - start)));
    start = end + 1;
  }
  return parts == std::vector<std::string>{"software", "kirv"};
}

// The length of the UTF-8 sequence that starts at text[i], or 0 when none does.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;  // bounds of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  }
  return length;
}

void AppendHexEscape(std::string& out, char c) {
  const auto byte = static_cast<unsigned char>(c);
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

// A name or a value as the file holds it, so that reading the line gives it back.
std::string Escaped(std::string_view text, bool isName) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    const bool atEnd = i == 0 || i + 1 == text.size();
    const bool lineSyntax = (isName && c == '=') ||
                            (i == 0 && isName && (c == ';' || c == '#' || c == '[')) ||
                            (atEnd && c == ' ');
    if (c == '\\') {
      out += "\\\\";
    } else if (byte < 0x20 || byte == 0x7F || lineSyntax) {
      AppendHexEscape(out, c);
    } else if (byte >= 0x80) {
      const std::size_t length = Utf8Length(text, i);
      if (length == 0) {
        AppendHexEscape(out, c);
      } else {
        out.append(text.substr(i, length));
        i += length;
        continue;
      }
    } else {
      out += c;
    }
    ++i;
  }
  return out;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "\\" is a backslash and "\xHH" a byte; a backslash before anything else stands for itself.
std::string Unescaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') {
      out += '\\';
      ++i;
    } else if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' &&
               HexValue(text[i + 2]) >= 0 && HexValue(text[i + 3]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 2]) * 16 + HexValue(text[i + 3]));
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

// A short, printable piece of a text for an error message.
std::string Excerpt(std::string_view text) {
  const bool cut = text.size() > kExcerptLength;
  std::string shown = '"' + Escaped(text.substr(0, kExcerptLength), false);
  shown += cut ? "…\"" : "\"";
  return shown;
}

// A message of this store in the user's language, its values' bytes kept.
std::string Message(const char* source, std::initializer_list<std::string_view> values) {
  return TranslatedMessage("kirv::IniSettingsStore", source, values);
}

}  // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(DefaultFilePath()) {}

IniSettingsStore::IniSettingsStore(std::string filePath) : filePath_(std::move(filePath)) {}

IniSettingsStore::~IniSettingsStore() = default;

std::string IniSettingsStore::DefaultFilePath() { return XdgConfigHome() + "/KIRV/KIRV.ini"; }

void IniSettingsStore::OpenKey(const std::string& path, bool create) {
  open_ = true;
  changed_ = false;
  entries_.clear();
  index_.clear();
  writable_ = false;
  unread_ = false;
  if (!IsSettingsKey(path)) return;
  Load();
  writable_ = writable_ || create;
}

void IniSettingsStore::Load() {
  QFile file(QString::fromStdString(filePath_));
  if (!file.exists()) return;
  unread_ = QFileInfo(file).isFile();  // a folder in its place is not moved away
  if (static_cast<std::size_t>(file.size()) > kMaxFileSize) {
    SayFileProblem(Message(QT_TRANSLATE_NOOP("kirv::IniSettingsStore",
                                             "fichier de réglages de plus de %1 Mio, non lu"),
                           {std::to_string(kMaxFileSize / (1024 * 1024))}));
    return;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    SayFileProblem(
        Message(QT_TRANSLATE_NOOP("kirv::IniSettingsStore", "fichier de réglages illisible (%1)"),
                {file.errorString().toStdString()}));
    return;
  }
  const QByteArray bytes = file.read(static_cast<qint64>(kMaxFileSize));
  std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  // No text holds a nul byte: this is another kind of file (UTF-16, zeros left by a crash).
  if (text.find('\0') != std::string_view::npos) {
    SayFileProblem(
        Message(QT_TRANSLATE_NOOP("kirv::IniSettingsStore",
                                  "fichier de réglages qui n'est pas du texte (octet nul), non lu"),
                {}));
    return;
  }
  unread_ = false;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte order mark
  bool inGroup = false;
  bool otherGroups = false;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      inGroup = SameName(Trimmed(line.substr(1, line.size() - 2)), kGroup);
      writable_ = writable_ || inGroup;
      otherGroups = otherGroups || !inGroup;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inGroup || equals == std::string_view::npos) continue;
    Put(Unescaped(Trimmed(line.substr(0, equals))), Unescaped(Trimmed(line.substr(equals + 1))));
  }
  if (!writable_ && otherGroups) {
    SayFileProblem(Message(
        QT_TRANSLATE_NOOP("kirv::IniSettingsStore", "pas de groupe [KIRV], réglages par défaut"),
        {}));
  }
}

void IniSettingsStore::SayFileProblem(const std::string& problem) {
  if (saidFileProblem_) return;
  saidFileProblem_ = true;
  WriteToStandardError(filePath_ + " : " + problem);
}

const TextCatalogue* IniSettingsStore::Texts() const { return &ProgramTexts(); }

void IniSettingsStore::Put(const std::string& name, std::string text) {
  const auto [it, added] = index_.try_emplace(Folded(name), entries_.size());
  if (added) {
    entries_.push_back({name, std::move(text)});
  } else {
    entries_[it->second] = {name, std::move(text)};
  }
}

const IniSettingsStore::Entry* IniSettingsStore::Find(const std::string& name) const {
  if (!open_) return nullptr;
  const auto it = index_.find(Folded(name));
  return it == index_.end() ? nullptr : &entries_[it->second];
}

const std::string& IniSettingsStore::Text(const std::string& name) const {
  const Entry* entry = Find(name);
  if (entry == nullptr) throw SettingsError("absent");
  return entry->text;
}

bool IniSettingsStore::ValueExists(const std::string& name) const { return Find(name) != nullptr; }

std::vector<std::string> IniSettingsStore::ValueNames() const {
  std::vector<std::string> names;
  if (!open_) return names;
  for (const Entry& entry : entries_) {
    if (!entry.removed) names.push_back(entry.name);
  }
  return names;
}

std::string IniSettingsStore::ReadString(const std::string& name) const {
  const Entry* entry = Find(name);
  return entry == nullptr ? std::string() : entry->text;
}

std::int32_t IniSettingsStore::ReadInteger(const std::string& name) const {
  const std::string& text = Text(name);
  std::string_view digits = text;
  if (digits.starts_with('+')) digits.remove_prefix(1);  // "+7"; from_chars takes only "-"
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || (digits.size() < text.size() && digits[0] == '-') || error != std::errc() ||
      end != digits.data() + digits.size()) {
    throw SettingsError(Message(
        QT_TRANSLATE_NOOP("kirv::IniSettingsStore", "%1 n'est pas un nombre entier de 32 bits"),
        {Excerpt(text)}));
  }
  return value;
}

bool IniSettingsStore::ReadBool(const std::string& name) const {
  const std::string& text = Text(name);
  const std::string folded = Folded(text);
  if (folded == "true" || folded == "1") return true;
  if (folded == "false" || folded == "0") return false;
  throw SettingsError(Message(
      QT_TRANSLATE_NOOP("kirv::IniSettingsStore", "%1 n'est ni true ni false"), {Excerpt(text)}));
}

void IniSettingsStore::WriteString(const std::string& name, const std::string& value) {
  Write(name, value);
}

void IniSettingsStore::WriteInteger(const std::string& name, std::int32_t value) {
  Write(name, std::to_string(value));
}

void IniSettingsStore::WriteBool(const std::string& name, bool value) {
  Write(name, value ? "true" : "false");
}

void IniSettingsStore::Write(const std::string& name, std::string text) {
  if (!open_ || !writable_) {
    throw SettingsError(
        Message(QT_TRANSLATE_NOOP("kirv::IniSettingsStore",
                                  "La clé des réglages n'existe pas : \"%1\" n'est pas écrit"),
                {name}));
  }
  Put(name, std::move(text));
  changed_ = true;
}

void IniSettingsStore::DeleteValue(const std::string& name) {
  const auto it = open_ ? index_.find(Folded(name)) : index_.end();
  if (it == index_.end()) return;
  entries_[it->second].removed = true;
  index_.erase(it);
  changed_ = true;
}

// A file that was not read keeps what it holds: it is renamed beside, never replaced by the
// defaults. An earlier copy of the same day is not replaced either: the next free number is taken.
void IniSettingsStore::KeepUnreadFile() const {
  const QString path = QString::fromStdString(filePath_);
  const QString kept =
      path + QStringLiteral(".unread-") + QDate::currentDate().toString(Qt::ISODate);
  QFile file(path);
  QString reason = QString::fromStdString(
      Message(QT_TRANSLATE_NOOP("kirv::IniSettingsStore", "%1 copies déjà gardées ce jour"),
              {std::to_string(kMaxKeptCopies)}));
  for (int copy = 1; copy <= kMaxKeptCopies; ++copy) {
    const QString name = copy == 1 ? kept : kept + QLatin1Char('.') + QString::number(copy);
    if (QFileInfo::exists(name)) continue;
    // QFile::rename never replaces an existing file.
    if (!file.rename(name)) {
      reason = file.errorString();
      break;
    }
    const std::string said = Message(
        QT_TRANSLATE_NOOP("kirv::IniSettingsStore", "fichier de réglages non lu gardé sous %1"),
        {name.toStdString()});
    WriteToStandardError(said);
    return;
  }
  throw SettingsError(
      Message(QT_TRANSLATE_NOOP("kirv::IniSettingsStore",
                                "Le fichier de réglages %1 non lu ne peut pas être gardé à "
                                "côté (%2) : il n'est pas remplacé"),
              {filePath_, reason.toStdString()}));
}

void IniSettingsStore::Save() const {
  std::string text = "[";
  text += kGroup;
  text += "]\n";
  for (const Entry& entry : entries_) {
    if (entry.removed) continue;
    text += Escaped(entry.name, true);
    text += '=';
    text += Escaped(entry.text, false);
    text += '\n';
  }
  const QString path = QString::fromStdString(filePath_);
  const auto failed = [&](const QString& reason) {
    return SettingsError(
        Message(QT_TRANSLATE_NOOP("kirv::IniSettingsStore",
                                  "Le fichier de réglages %1 ne peut pas être écrit : %2 ; "
                                  "il reste tel qu'il était"),
                {filePath_, reason.toStdString()}));
  };
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder))
    throw failed(QString::fromStdString(
        Message(QT_TRANSLATE_NOOP("kirv::IniSettingsStore", "dossier %1 impossible à créer"),
                {folder.toStdString()})));
  if (unread_) KeepUnreadFile();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) throw failed(file.errorString());
  const qint64 size = static_cast<qint64>(text.size());
  if (file.write(text.data(), size) != size) throw failed(file.errorString());
  if (const std::optional<QString> reason = CommitSaveFile(file)) throw failed(*reason);
}

void IniSettingsStore::CloseKey() {
  const bool save = open_ && changed_;
  open_ = false;
  changed_ = false;
  if (save) Save();
  entries_.clear();
  index_.clear();
}

}  // namespace kirv
