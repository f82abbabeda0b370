#include "platform/writer_lock.h"

#include <QDir>

namespace kirv {

WriterLock::WriterLock(const QString& dataFolder)
    : file_(QDir(dataFolder).absoluteFilePath(QString::fromLatin1(kFileName))) {
  // A lock is stale only when its process is gone: a logger runs for months.
  file_.setStaleLockTime(0);
}

WriterLock::~WriterLock() = default;

bool WriterLock::Try() {
  const bool taken = file_.tryLock(0);
  elsewhere_ = !taken && file_.error() == QLockFile::LockFailedError;
  return taken;
}

bool WriterLock::TryTake() { return file_.isLocked() || Try(); }

WriterTurn WriterLock::TurnAtTick() {
  if (file_.isLocked()) return WriterTurn::kWrite;
  // A logger that wrote without the lock (none could be made) goes on with its own baselines
  // once it can make one: only a logger that left the writing to another takes it over.
  const bool wasElsewhere = elsewhere_;
  if (Try()) return wasElsewhere ? WriterTurn::kTakenOver : WriterTurn::kWrite;
  return elsewhere_ ? WriterTurn::kElsewhere : WriterTurn::kWrite;
}

qint64 WriterLock::HolderPid() const {
  qint64 pid = 0;
  QString host;
  QString application;
  return file_.getLockInfo(&pid, &host, &application) ? pid : 0;
}

std::string LoggingElsewhereStatus(qint64 holderPid) {
  return "LOG PAR LE PROCESSUS " + std::to_string(holderPid);
}

}  // namespace kirv
