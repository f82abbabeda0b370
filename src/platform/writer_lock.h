#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/logger_turn.h"
#include "archive/writer_state.h"

namespace kirv {

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
class WriterLock : public SingleWriterLock {
 public:
  static constexpr const char* kFileName = "writer.lock";
  static constexpr const char* kStateFileName = "writer.state";

  explicit WriterLock(const QString& dataFolder, DiagnosticSink diagnostics = StandardErrorSink());
  ~WriterLock() override;
  WriterLock(const WriterLock&) = delete;
  WriterLock& operator=(const WriterLock&) = delete;

  bool TryTake() override;
  bool Held() const override { return held_; }
  WriterTurn TurnAtTick() override;
  bool LogsElsewhere() const override { return elsewhere_; }
  // The process id that the lock file names when that process lives.
  std::int64_t HolderPid() const override;

  // Those the last writer left when it ran in this boot and under the same interface index.
  void TakeBaselines(StatisticsLogger& logger, const std::vector<MonitorEntry>& entries) override;
  void SaveBaselines(const StatisticsLogger& logger) override;

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
