#include "platform/xdg_auto_start.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

#include "common/settings_store.h"
#include "platform/application_id.h"
#include "platform/translated_message.h"
#include "platform/xdg_config_home.h"

namespace kirv {

namespace {

// Characters that make an Exec argument need double quotes.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#`()";

// Inside double quotes, these four take a backslash.
std::string QuotedArgument(const std::string& argument) {
  std::string quoted = "\"";
  for (char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

// The escapes of a string value, which the reader undoes before it splits the command line.
std::string EscapedString(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case '\r':
        escaped += "\\r";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

bool IsFile(const std::string& path) { return QFileInfo(QString::fromStdString(path)).isFile(); }

void RemoveFile(const std::string& path) {
  if (std::remove(path.c_str()) != 0 && errno != ENOENT) {
    throw SettingsError(TranslatedMessage(
        "kirv::XdgAutoStartEntry",
        QT_TRANSLATE_NOOP("kirv::XdgAutoStartEntry", "Cannot remove the autostart entry %1: %2"),
        {path, std::strerror(errno)}));
  }
}

}  // namespace

XdgAutoStartEntry::XdgAutoStartEntry() : XdgAutoStartEntry(DefaultFilePath()) {}

XdgAutoStartEntry::XdgAutoStartEntry(std::string filePath)
    : filePath_(std::move(filePath)),
      formerFilePath_(QFileInfo(QString::fromStdString(filePath_)).path().toStdString() +
                      "/KIRV.desktop") {}

std::string XdgAutoStartEntry::DefaultFilePath() {
  return XdgConfigHome() + "/autostart/" + kApplicationId + ".desktop";
}

std::string XdgAutoStartEntry::ExecValue(const std::string& path) {
  std::string argument = path;
  if (argument.find_first_of(kReserved) != std::string::npos) argument = QuotedArgument(argument);
  std::string command;
  for (char c : argument) {
    command += c;
    if (c == '%') command += '%';  // a literal percent sign, not a field code
  }
  return EscapedString(command);
}

bool XdgAutoStartEntry::Exists() const { return IsFile(filePath_) || IsFile(formerFilePath_); }

void XdgAutoStartEntry::Write(const std::string& executablePath) {
  const QString file = QString::fromStdString(filePath_);
  const std::string absolute =
      QFileInfo(QString::fromStdString(executablePath)).absoluteFilePath().toStdString();
  std::string command = ExecValue(absolute);
  for (const std::string& argument : arguments_) command += ' ' + ExecValue(argument);
  const std::string entry =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=KIRV\n"
      "Icon=" +
      std::string(kApplicationId) +
      "\n"
      "Exec=" +
      command +
      "\n"
      "Terminal=false\n";
  QSaveFile out(file);
  const bool written = QDir().mkpath(QFileInfo(file).absolutePath()) &&
                       out.open(QIODevice::WriteOnly) &&
                       out.write(entry.data(), static_cast<qint64>(entry.size())) ==
                           static_cast<qint64>(entry.size()) &&
                       out.commit();
  if (!written) {
    throw SettingsError(TranslatedMessage(
        "kirv::XdgAutoStartEntry",
        QT_TRANSLATE_NOOP("kirv::XdgAutoStartEntry", "Cannot write the autostart entry %1: %2"),
        {filePath_, out.errorString().toStdString()}));
  }
  if (formerFilePath_ != filePath_ && IsFile(formerFilePath_)) RemoveFile(formerFilePath_);
}

void XdgAutoStartEntry::Remove() {
  RemoveFile(filePath_);
  if (formerFilePath_ != filePath_ && IsFile(formerFilePath_)) RemoveFile(formerFilePath_);
}

}  // namespace kirv
