#pragma once

#include <QString>
#include <string>
#include <vector>

#include "archive/statistics_logger.h"
#include "archive/writer_state.h"

namespace kirv {

// What a logging tick may do, given who appends to the data folder's archives.
enum class WriterTurn {
  kWrite,      // this process holds the lock: log as usual
  kTakenOver,  // another process held the lock, which is now ours: take the baselines it left,
               // write from the next tick
  kElsewhere,  // another process holds it: write nothing
};

// The single writer of a data folder, the desktop program or "kirv log": a lock that the kernel
// holds for the process that took it (flock on the file `writer.lock` of the folder, and on the
// folder itself), so that it ends with the process however it ends, and a live holder keeps it
// however long it runs. The process id in the file only tells the messages who holds it. A lock
// file that cannot be used (a directory, a FIFO, a link, one this user cannot read) is said once,
// and the lock on the folder alone keeps the writer single; where neither can be taken (no folder,
// a file system without locks) nobody else can hold it either, and the logger writes without it.
// Never waits, never reads more than a few octets of the file.
//
// Beside the lock, `writer.state` hands the baselines of the last record over to the next
// writer, so a takeover loses no traffic.
class WriterLock {
 public:
  static constexpr const char* kFileName = "writer.lock";
  static constexpr const char* kStateFileName = "writer.state";

  explicit WriterLock(const QString& dataFolder, DiagnosticSink diagnostics = StandardErrorSink());
  ~WriterLock();
  WriterLock(const WriterLock&) = delete;
  WriterLock& operator=(const WriterLock&) = delete;

  // Takes the lock when no other process holds it. True while this process holds it.
  bool TryTake();
  bool Held() const { return held_; }
  // At each logging tick: keeps, takes over or leaves the logging.
  WriterTurn TurnAtTick();
  // Another process held the lock at the last try: this one must not append.
  bool LogsElsewhere() const { return elsewhere_; }

  // The process id that the lock file names when that process lives, 0 when it is not known.
  qint64 HolderPid() const;

  // The logger's baselines once this process holds the lock: those the last writer left when it
  // ran in this boot and under the same interface index, else the current counters.
  void TakeBaselines(StatisticsLogger& logger, const std::vector<MonitorEntry>& entries);
  // Leaves the logger's baselines for the next writer; after every tick that wrote and at quit.
  void SaveBaselines(const StatisticsLogger& logger);

 private:
  enum class Outcome { kTaken, kBusy, kUnusable };

  bool Try();
  Outcome LockFile(std::string& problem);
  Outcome LockFolder();
  void Release();
  bool StillInPlace() const;
  SavedBaselines SavedState();
  void Say(std::string line, std::string& lastSaid);
  std::string Path(const char* name) const;

  std::string folder_;
  DiagnosticSink diagnostics_;
  std::string bootId_;  // of the running kernel, empty when unknown
  int file_ = -1;       // writer.lock, open while held or while another holds it
  int folderFd_ = -1;   // the folder, open while its lock is held
  bool held_ = false;
  bool elsewhere_ = false;
  std::string problem_;     // why the lock file cannot be used, as last said
  std::string lastState_;   // the state as last saved
  std::string stateError_;  // why the state cannot be saved, as last said
};

// The status line of a logger that leaves the logging to another process: "LOG PAR LE PROCESSUS "
// and the holder's process id, or "LOG PAR UN AUTRE PROCESSUS" when it is not known.
std::string LoggingElsewhereStatus(qint64 holderPid);

}  // namespace kirv
