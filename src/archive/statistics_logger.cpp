#include "archive/statistics_logger.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "archive/archive_file.h"
#include "archive/clock_rule.h"
#include "archive/filled_text.h"
#include "archive/record.h"
#include "archive/record_scanner.h"
#include "common/counter_growth.h"
#include "common/standard_error.h"

namespace kirv {

namespace {

// The archive name with the last `cut` bytes of the interface name removed.
std::string Candidate(const std::string& name, std::size_t cut) {
  return name.substr(0, name.size() - cut) + ".mdf";
}

// Makes sure an archive exists under the full name or the longest shortened name that can be
// created; whatever stands under a name is used as it is (opening refuses a link or a FIFO). The
// error of a failed creation under the full name, else 0.
int EnsureArchive(const std::string& name) {
  if (ArchiveExists(Candidate(name, 0))) return 0;
  int fullNameError = 0;
  for (std::size_t cut = 0; cut <= name.size(); ++cut) {
    const std::string path = Candidate(name, cut);
    if (ArchiveExists(path)) return fullNameError;
    const int error = CreateArchive(path);
    if (error == 0 || IsRefusal(error)) return fullNameError != 0 ? fullNameError : error;
    if (cut == 0) fullNameError = error;
  }
  return fullNameError;
}

// The interface's archive open for appending, under the first candidate name that opens; else
// nullptr, with the name and the error to say. A refused name ends the search, so that a link or
// a FIFO never sends the records into the file of a shorter name.
std::unique_ptr<ArchiveFile> OpenArchive(const std::string& name, std::string& path, int& error) {
  const int creationError = EnsureArchive(name);
  for (std::size_t cut = 0; cut <= name.size(); ++cut) {
    path = Candidate(name, cut);
    auto file = std::make_unique<ArchiveFile>(path);
    if (file->IsOpen()) return file;
    if (IsRefusal(file->OpenError())) {
      error = file->OpenError();
      return nullptr;
    }
    if (cut == 0) error = creationError != 0 ? creationError : file->OpenError();
  }
  path = Candidate(name, 0);
  return nullptr;
}

// Whether the working directory, the data folder, was removed: it stays open with no name.
bool WorkingFolderRemoved() {
  struct stat st {};
  return stat(".", &st) != 0 || st.st_nlink == 0;
}

// The stamp of the last dated record of the file, if any.
std::optional<DateTime> NewestRecord(const std::string& path) {
  RecordScanner scanner(path);
  std::string_view text;
  ArchiveRecord record;
  while (scanner.Next(text)) {
    if (ParseDatedRecord(text, record)) return record.time;
  }
  return std::nullopt;
}

std::string Stamp(const DateTime& t) { return FormatDateTime(t, "dd/mm/yyyy hh:nn:ss"); }

std::optional<InterfaceRow> RowNamed(InterfaceTable& table, const std::string& name) {
  const InterfaceSnapshot snapshot = table.TakeSnapshot();
  const InterfaceRow* row = FindRow(snapshot, name);
  if (row == nullptr) return std::nullopt;
  return *row;
}

}  // namespace

DiagnosticSink StandardErrorSink() {
  return [](std::string_view line) { WriteToStandardError(line); };
}

StatisticsLogger::StatisticsLogger(InterfaceTable& table, Clock& clock, Dialogs& dialogs,
                                   NumberFormat format, DiagnosticSink diagnostics)
    : table_(table),
      clock_(clock),
      dialogs_(dialogs),
      format_(format),
      diagnostics_(std::move(diagnostics)) {}

void StatisticsLogger::TakeBaselines(const std::vector<MonitorEntry>& entries) {
  RestoreBaselines(entries, {});
}

void StatisticsLogger::RestoreBaselines(const std::vector<MonitorEntry>& entries,
                                        const std::map<std::string, Baseline>& saved) {
  for (const MonitorEntry& entry : entries) {
    if (!entry.checked) continue;
    const std::optional<InterfaceRow> row = RowNamed(table_, entry.name);
    const auto kept = saved.find(entry.name);
    if (kept != saved.end() && (!row || row->index == kept->second.index)) {
      baselines_[entry.name] = kept->second;
    } else if (row) {
      baselines_[entry.name] = {row->index, row->inOctets, row->outOctets};
    }
  }
}

LoggerDisplays StatisticsLogger::Timer1Timer(const std::vector<MonitorEntry>& entries) {
  LoggerDisplays displays;
  for (const MonitorEntry& entry : entries) {
    if (entry.checked) LogInterface(entry.name, displays);
  }
  return displays;
}

LoggerDisplays StatisticsLogger::WriteFinalRecords(const std::vector<MonitorEntry>& entries) {
  return Timer1Timer(entries);
}

void StatisticsLogger::LogInterface(const std::string& name, LoggerDisplays& displays) {
  // An interface gone from the table is not read; its baselines wait for its return.
  const std::optional<InterfaceRow> row = RowNamed(table_, name);
  if (!row) return;
  Baseline& baseline = baselines_[name];
  // Another link under this name since the baselines were taken: its counters began at zero.
  if (baseline.index != row->index) baseline = {row->index, 0, 0};
  const std::uint64_t rx = LoggerGrowth(baseline.in, row->inOctets);
  const std::uint64_t tx = LoggerGrowth(baseline.out, row->outOctets);
  if (rx > kImpossibleGrowth || tx > kImpossibleGrowth) {
    diagnostics_(
        FilledText(format_.Text(KIRV_TEXT(
                       "kirv",
                       "%1 : compteurs lus en hausse de %2 octets reçus et %3 envoyés "
                       "depuis le dernier enregistrement, plus que 2^62 : rien n'est écrit")),
                   {name, std::to_string(rx), std::to_string(tx)}));
    return;
  }

  DateTime now = clock_.Now();
  displays.Label1 = Speed(rx);
  displays.Label4 = Speed(tx);
  displays.Label5 = Stamp(now);
  const std::string line = FormatRecord(now, rx, tx);
  // A period without traffic in both directions is carried into the next record.
  if (rx == 0 || tx == 0) return;

  now.millisecond = 0;  // the stamp as written
  if (WriteRecord(name, now, line, displays)) {
    baseline = {row->index, row->inOctets, row->outOctets};
    if (recordSink_) recordSink_(name, now, rx, tx);
  }
  displays.Label6 = line.substr(0, line.size() - 2);
}

// True when the record is on the disk. A record that is not keeps the baselines where they were,
// so its traffic goes into the next record that is written.
bool StatisticsLogger::WriteRecord(const std::string& name, const DateTime& now,
                                   const std::string& line, LoggerDisplays& displays) {
  ArchiveState& state = archives_[name];
  std::string path;
  int error = 0;
  std::unique_ptr<ArchiveFile> file = OpenArchive(name, path, error);
  // The working directory is the data folder: a name in it is missing only when it is gone.
  if (!file && error == ENOENT && RemakeDataFolder()) file = OpenArchive(name, path, error);
  if (!file) {
    const std::string reason = ArchiveErrorText(error, format_.texts);
    if (SayOnce(
            state, "open " + path + reason,
            FilledText(format_.Text(KIRV_TEXT("kirv",
                                              "l'archive %1 ne peut pas être ouverte : %2 "
                                              "; son trafic passe dans l'enregistrement suivant")),
                       {path, reason}))) {
      dialogs_.ShowMessage(format_.Text(kLoggingErrorTitle) + "\n" +
                           WriteProblemText(AbsolutePath(path), reason, format_.texts));
    }
    TellOutcome(path, reason);
    displays.status.push_back(format_.Text(KIRV_TEXT("kirv", "ERREUR LOG")));
    displays.status.push_back(WriteErrorStatus());
    return false;
  }
  if (!state.newestRead) {
    state.newest = NewestRecord(path);
    state.newestRead = true;
  }
  if (!MayStamp(state, path, now)) return false;

  std::string status = std::string(kLogOkStatus) + " " + TimeNow() + " 0";
  displays.status.push_back(status);
  ArchiveFile::AppendResult result = file->Append(line, kMaxWriteCalls);
  // The archive, or the whole data folder, removed while the line was written: the line goes
  // into the archive made again.
  if (!result.written && result.error == ENOENT) {
    if (WorkingFolderRemoved()) RemakeDataFolder();
    file = OpenArchive(name, path, error);
    if (file) result = file->Append(line, kMaxWriteCalls);
  }
  TellOutcome(path, result.written ? std::string() : std::strerror(result.error));
  if (result.written) {
    state.newest = now;
    state.behindSince.reset();
    state.said.clear();
  } else {
    status = WriteErrorStatus();
    displays.status.push_back(status);
    const std::string reason = std::strerror(result.error);
    SayOnce(state, "write " + path + reason,
            FilledText(format_.Text(KIRV_TEXT("kirv",
                                              "l'archive %1 ne peut pas être écrite : %2 ; "
                                              "son trafic passe dans l'enregistrement suivant")),
                       {path, reason}));
  }
  displays.status.push_back(status + " " + std::to_string(result.writeCalls));
  return result.written;
}

// Whether the record stamped now may follow the archive's newest record; a clock found behind it
// is said once.
bool StatisticsLogger::MayStamp(ArchiveState& state, const std::string& path, const DateTime& now) {
  switch (JudgeStamp(now, state.newest, clock_.RepeatedSeconds(), state.behindSince)) {
    case StampVerdict::kWrite:
      return true;
    case StampVerdict::kCarry:
      // A clock set back again while behind starts the wait again.
      if (!state.behindSince || MillisecondsOf(now) < MillisecondsOf(*state.behindSince)) {
        state.behindSince = now;
      }
      SayOnce(state, "behind " + path,
              FilledText(format_.Text(KIRV_TEXT(
                             "kirv",
                             "l'horloge (%1) est en retard sur le dernier enregistrement de "
                             "%2 (%3) : son trafic est gardé jusqu'à ce qu'elle le dépasse")),
                         {Stamp(now), path, Stamp(*state.newest)}));
      return false;
    case StampVerdict::kWriteBehind:
      SayOnce(state, "wrong " + path,
              FilledText(format_.Text(KIRV_TEXT(
                             "kirv",
                             "l'horloge est en retard depuis un jour sur le dernier "
                             "enregistrement de %1 (%2), tenu pour faux : l'écriture reprend")),
                         {path, Stamp(*state.newest)}));
      return true;
  }
  return true;
}

// Tells the line unless the same failure (key) was the last one told for this archive.
bool StatisticsLogger::SayOnce(ArchiveState& state, const std::string& key,
                               const std::string& line) {
  if (state.said == key) return false;
  state.said = key;
  diagnostics_(line);
  return true;
}

// Makes the data folder again, with its parents, as at start, and works in it.
bool StatisticsLogger::RemakeDataFolder() {
  if (dataFolder_.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(dataFolder_, error);
  if (error || chdir(dataFolder_.c_str()) != 0) return false;
  diagnostics_(FilledText(format_.Text(KIRV_TEXT("kirv",
                                                 "le dossier de données %1 avait disparu ; "
                                                 "il est refait et les archives y reprennent")),
                          {dataFolder_}));
  return true;
}

// The data folder's path of a name in it, known without asking the system for the working
// directory, which fails once the folder is removed.
std::string StatisticsLogger::AbsolutePath(const std::string& path) const {
  if (path.starts_with('/')) return path;
  if (!dataFolder_.empty()) return dataFolder_ + "/" + path;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

// Kilo-octets of 1024, rounded down to a tenth, spread over the 300 s period.
std::string StatisticsLogger::Speed(std::uint64_t octets) const {
  const double kilo = std::floor(static_cast<double>(octets) * 0.009765625) * (1.0 / 3000);
  return FormatGeneral(kilo, format_) + format_.Text(KIRV_TEXT("kirv", "ko/s"));
}

std::string StatisticsLogger::WriteErrorStatus() const {
  return format_.Text(KIRV_TEXT("kirv", "ERREUR ECRITURE")) + " " + TimeNow();
}

std::string StatisticsLogger::TimeNow() const { return FormatDateTime(clock_.Now(), "hh:nn:ss"); }

// An empty reason: the archive was written.
void StatisticsLogger::TellOutcome(const std::string& path, const std::string& reason) {
  const std::string absolute = AbsolutePath(path);
  if (reason.empty()) {
    writeProblems_.Written(absolute);
  } else if (writeProblems_.Failed(absolute, reason) && writeProblemSink_) {
    writeProblemSink_(absolute, reason);
  }
}

}  // namespace kirv
