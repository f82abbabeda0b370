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
  if (Try()) return WriterTurn::kTakenOver;
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
