#pragma once

#include <QLockFile>
#include <QString>
#include <string>

namespace kirv {

// What a logging tick may do, given who appends to the data folder's archives.
enum class WriterTurn {
  kWrite,      // this process holds the lock: log as usual
  kTakenOver,  // another process held the lock, which is now ours: take fresh baselines, write
               // from the next tick
  kElsewhere,  // another live process holds it: write nothing
};

// The single writer of a data folder: a lock file in the folder that one process at a time
// holds, the desktop program or "kirv log". A holder that died leaves a lock that the next
// process takes; a live holder keeps it however long it runs. Never waits.
class WriterLock {
 public:
  static constexpr const char* kFileName = "writer.lock";

  explicit WriterLock(const QString& dataFolder);
  ~WriterLock();
  WriterLock(const WriterLock&) = delete;
  WriterLock& operator=(const WriterLock&) = delete;

  // Takes the lock when no live process holds it. True while this process holds it.
  bool TryTake();
  bool Held() const { return file_.isLocked(); }
  // At each logging tick: keeps, takes over or leaves the logging. A folder where no lock file
  // can be made has no other writer to wait for: the logger writes, and its appends say what is
  // wrong with the folder.
  WriterTurn TurnAtTick();
  // Another live process held the lock at the last try: this one must not append.
  bool LogsElsewhere() const { return elsewhere_; }

  // The process id that the lock file names, 0 when there is none.
  qint64 HolderPid() const;

 private:
  bool Try();

  QLockFile file_;
  bool elsewhere_ = false;
};

// The status line of a logger that leaves the logging to another process: "LOG PAR LE PROCESSUS "
// and the holder's process id.
std::string LoggingElsewhereStatus(qint64 holderPid);

}  // namespace kirv
