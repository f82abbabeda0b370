#pragma once

// What the command-line front ends share: exit statuses, messages on standard error, option
// values that must parse, archive paths.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

#include "common/calendar.h"
#include "common/number_format.h"
#include "platform/translations.h"

namespace kirv {

// The commands' own texts, in the user's language: CommandTexts::tr("…").
class CommandTexts {
  Q_DECLARE_TR_FUNCTIONS(kirv::CommandTexts)
};

// "what : detail", the colon as the language writes it.
QString Labelled(const QString& what, const QString& detail);

// The parser's error, in the user's language whatever language Qt's own catalogue speaks.
QString ParseErrorText(const QCommandLineParser& parser, const QStringList& arguments);

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;   // nothing to read, nothing written
inline constexpr int kExitBadInput = 2;  // an option or an archive that cannot be used

// One line on standard error, the program's name in front ("kirv report : ").
void PrintError(const QString& line);

// "N ligne(s) illisible(s) ignorée(s)": the records of the archives that could not be read.
QString SkippedLinesText(std::uint64_t count);

// The help of a subcommand: "Utilisation : kirv <command> [options] ...", its options, its
// arguments.
QString CommandHelp(const QCommandLineParser& parser, const QString& command);

// The reason, the help on standard error, and kExitBadInput.
int UsageError(const QCommandLineParser& parser, const QString& command, const QString& reason);

// Parses the arguments after the subcommand; on a parse error prints the help and gives the exit
// status; with --help prints it on standard output and gives kExitSuccess.
std::optional<int> ParseArguments(QCommandLineParser& parser, const QString& command,
                                  const QStringList& arguments);

// "dd/mm/yyyy" (one-digit day and month allowed), a valid calendar date.
std::optional<DateTime> ParseDate(const QString& text);
// The day that a "dd/mm/yyyy" option names into day, which keeps its value without the option;
// the status of a usage error when the option cannot be read.
std::optional<int> ReadDayOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                                 const QString& command, DateTime& day);
// "dd/mm/yyyy hh:mm", a valid date and time of day.
std::optional<DateTime> ParseDateTime(const QString& text);

// The path taken from the folder the command was started in, cleaned.
QString AbsolutePath(const QString& path);

// Why an archive cannot be read ("No such file or directory", "n'est pas un fichier"), or
// nothing when it can.
std::optional<QString> UnreadableReason(const QString& path);

// The archive an ARCHIVE argument names: the path from the current folder, else, for a bare name
// (no "/") that is not there, the file of that name in the data folder. When it cannot be read,
// the error ("PATH : reason", one for each path tried, separated by " ; ").
struct ArchiveLookup {
  QString path;
  std::optional<QString> error;
};
ArchiveLookup FindArchive(const QString& argument, const QString& dataFolder);

// The archives (*.mdf) of a folder, sorted by name, as absolute paths.
QStringList ArchivesOf(const QString& folder);

std::string Utf8(const QString& text);
void WriteOut(const std::string& bytes);
void WriteOut(const QByteArray& bytes);

}  // namespace kirv
