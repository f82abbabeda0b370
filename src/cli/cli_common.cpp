#include "cli/cli_common.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "common/standard_error.h"
#include "platform/translations.h"

namespace kirv {

namespace {

// A text of Qt's parser as its catalogue gives it, to be found in the parser's help.
QString ParserText(const char* source) {
  return QCoreApplication::translate("QCommandLineParser", source);
}

// Two-digit fields with one digit allowed for day, month and hour.
const QRegularExpression kDatePattern(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
const QRegularExpression kDateTimePattern(
    QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4}) +(\\d{1,2}):(\\d{2})$"));

}  // namespace

QString Labelled(const QString& what, const QString& detail) {
  return CommandTexts::tr("%1 : %2").arg(what, detail);
}

QString ParseErrorText(const QCommandLineParser& parser, const QStringList& arguments) {
  // A missing or unexpected value is named with its dashes between quotes (straight in English,
  // double in French); an unknown option is listed without them. A value is unexpected only
  // after "=".
  static const QRegularExpression kQuotedOption(QStringLiteral("['\"](-[^'\"]*)['\"]"));
  const QString argument = kQuotedOption.match(parser.errorText()).captured(1);
  if (!argument.isEmpty()) {
    const bool assigned = std::any_of(arguments.begin(), arguments.end(), [&](const QString& a) {
      return a.startsWith(argument + QLatin1Char('='));
    });
    return assigned ? CommandTexts::tr("valeur inattendue après « %1 »").arg(argument)
                    : CommandTexts::tr("valeur manquante après « %1 »").arg(argument);
  }
  const QStringList unknown = parser.unknownOptionNames();
  if (unknown.isEmpty()) return parser.errorText();
  const QString& name = unknown.front();
  return CommandTexts::tr("option inconnue « %1 »")
      .arg((name.size() > 1 ? QStringLiteral("--") : QStringLiteral("-")) + name);
}

void PrintError(const QString& line) { WriteToStandardError(Utf8(line)); }

QString SkippedLinesText(std::uint64_t count) {
  // tr() counts in an int: an archive of 2^31 lines (some 80 GB) is shown as that many.
  return CommandTexts::tr("%n ligne(s) illisible(s) ignorée(s)", nullptr,
                          static_cast<int>(std::min<std::uint64_t>(count, INT_MAX)));
}

QString CommandHelp(const QCommandLineParser& parser, const QString& command) {
  // The parser's own text, with its first line (the program's path) and its headings in the
  // program's language rather than in that of Qt's catalogue.
  QString text = parser.helpText();
  const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
  const QString usage = text.left(firstLineEnd);
  const qsizetype options = usage.indexOf(QLatin1Char(' ') + ParserText("[options]"));
  text = CommandTexts::tr("Utilisation : kirv %1").arg(command + usage.mid(options)) +
         text.mid(firstLineEnd);
  const auto heading = [](const QString& name) {
    return QLatin1Char('\n') + name + QLatin1Char('\n');
  };
  text.replace(heading(ParserText("Options:")), heading(CommandTexts::tr("Options :")));
  text.replace(heading(ParserText("Arguments:")), heading(CommandTexts::tr("Arguments :")));
  return text;
}

int UsageError(const QCommandLineParser& parser, const QString& command, const QString& reason) {
  PrintError(reason);
  const QByteArray help = CommandHelp(parser, command).toLocal8Bit();
  std::fwrite(help.constData(), 1, static_cast<std::size_t>(help.size()), stderr);
  return kExitBadInput;
}

std::optional<int> ParseArguments(QCommandLineParser& parser, const QString& command,
                                  const QStringList& arguments) {
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                CommandTexts::tr("Affiche cette aide et quitte."));
  parser.addOption(help);
  if (!parser.parse(arguments))
    return UsageError(parser, command, ParseErrorText(parser, arguments));
  if (parser.isSet(help)) {
    WriteOut(Utf8(CommandHelp(parser, command)));
    return kExitSuccess;
  }
  return std::nullopt;
}

std::optional<DateTime> ParseDate(const QString& text) {
  const QRegularExpressionMatch m = kDatePattern.match(text.trimmed());
  if (!m.hasMatch()) return std::nullopt;
  const DateTime date{m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt()};
  if (!IsValidDate(date.year, date.month, date.day)) return std::nullopt;
  return date;
}

std::optional<int> ReadDayOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                                 const QString& command, DateTime& day) {
  if (!parser.isSet(option)) return std::nullopt;
  const std::optional<DateTime> date = ParseDate(parser.value(option));
  if (!date) {
    return UsageError(parser, command,
                      Labelled(CommandTexts::tr("date illisible"), parser.value(option)));
  }
  day = *date;
  return std::nullopt;
}

std::optional<DateTime> ParseDateTime(const QString& text) {
  const QRegularExpressionMatch m = kDateTimePattern.match(text.trimmed());
  if (!m.hasMatch()) return std::nullopt;
  const DateTime t{m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt(),
                   m.captured(4).toInt(), m.captured(5).toInt()};
  if (!IsValidDate(t.year, t.month, t.day) || !IsValidTime(t.hour, t.minute, 0)) {
    return std::nullopt;
  }
  return t;
}

QString AbsolutePath(const QString& path) {
  return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

std::optional<QString> UnreadableReason(const QString& path) {
  // O_NONBLOCK: a named pipe must not hold the command.
  const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
  struct stat st {};
  const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  close(fd);
  if (!regular) return CommandTexts::tr("n'est pas un fichier");
  return std::nullopt;
}

ArchiveLookup FindArchive(const QString& argument, const QString& dataFolder) {
  const QString here = AbsolutePath(argument);
  const std::optional<QString> reason = UnreadableReason(here);
  if (!reason) return {here, std::nullopt};
  const QString hereError = Labelled(here, *reason);
  const QString there = QDir::cleanPath(QDir(AbsolutePath(dataFolder)).filePath(argument));
  // A file that is there but cannot be read is the one meant; so is any path with a folder.
  if (argument.contains(QLatin1Char('/')) || QFileInfo(here).isSymLink() ||
      QFileInfo::exists(here) || there == here) {
    return {here, hereError};
  }
  if (const std::optional<QString> thereReason = UnreadableReason(there)) {
    return {there, CommandTexts::tr("%1 ; %2").arg(hereError, Labelled(there, *thereReason))};
  }
  return {there, std::nullopt};
}

QStringList ArchivesOf(const QString& folder) {
  const QDir dir(folder);
  QStringList paths;
  for (const QString& name : dir.entryList({QStringLiteral("*.mdf")}, QDir::Files, QDir::Name)) {
    paths << dir.absoluteFilePath(name);
  }
  return paths;
}

std::string Utf8(const QString& text) { return text.toStdString(); }

void WriteOut(const std::string& bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

void WriteOut(const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

}  // namespace kirv
