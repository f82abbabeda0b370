#include "platform/writer_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <utility>

#include "archive/writer_state.h"
#include "platform/qt_text.h"
#include "platform/translations.h"

namespace kirv {

namespace {

// Never through a link, never waiting on a FIFO or a device, never inherited by a program run.
constexpr int kOpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
constexpr std::size_t kPidText = 24;          // octets of the lock file read: an id, a line end
constexpr std::size_t kStateLimit = 1 << 16;  // octets of a state: some thousand interfaces

// The system's reason of an error, in the language of its locale.
QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

std::string OpenProblem(int error) {
  if (error == ELOOP) {
    return QCoreApplication::translate("kirv::WriterLock", "est un lien symbolique").toStdString();
  }
  if (error == EISDIR) {
    return QCoreApplication::translate("kirv::WriterLock", "est un dossier").toStdString();
  }
  return QCoreApplication::translate("kirv::WriterLock", "ne peut pas être ouvert : %1")
      .arg(Reason(error))
      .toStdString();
}

// A regular file opened without following a link or blocking; else -1, with the error of the
// opening (0 for a file of another kind) and what is wrong with it.
int OpenRegular(const std::string& path, int flags, int& error, std::string& problem) {
  const int fd = open(path.c_str(), flags | kOpenFlags, 0644);
  error = errno;
  if (fd < 0) {
    problem = OpenProblem(error);
    return -1;
  }
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(fd);
    error = 0;
    problem = QCoreApplication::translate("kirv::WriterLock", "n'est pas un fichier ordinaire")
                  .toStdString();
    return -1;
  }
  return fd;
}

bool WriteAll(int fd, const std::string& text) {
  for (std::size_t done = 0; done < text.size();) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno != EINTR) return false;
    if (n > 0) done += static_cast<std::size_t>(n);
  }
  return true;
}

// Through a temporary file of the same folder and a rename, so that a reader finds the old text or
// the new one, never a part; a link in the file's place is replaced, never followed.
bool ReplaceFile(const std::string& path, const std::string& text, int& error) {
  std::string temporary = path + ".XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return false;
  }
  bool written = fchmod(fd, 0644) == 0 && WriteAll(fd, text) && fdatasync(fd) == 0;
  error = errno;
  written = close(fd) == 0 && written;
  written = written && rename(temporary.c_str(), path.c_str()) == 0;
  if (!written) {
    if (error == 0) error = errno;
    unlink(temporary.c_str());
  }
  return written;
}

// The running kernel's boot, empty when it cannot be known.
std::string BootId() {
  std::ifstream in("/proc/sys/kernel/random/boot_id");
  std::string id;
  std::getline(in, id);
  return id;
}

}  // namespace

WriterLock::WriterLock(const QString& dataFolder, DiagnosticSink diagnostics)
    : folder_(QFile::encodeName(dataFolder).toStdString()),
      diagnostics_(std::move(diagnostics)),
      bootId_(BootId()) {}

WriterLock::~WriterLock() { Release(); }

std::string WriterLock::Path(const char* name) const { return folder_ + "/" + name; }

void WriterLock::Release() {
  for (int* fd : {&file_, &folderFd_}) {
    if (*fd >= 0) close(*fd);
    *fd = -1;
  }
  held_ = false;
}

void WriterLock::Say(std::string line, std::string& lastSaid) {
  if (line == lastSaid) return;
  diagnostics_(line);
  lastSaid = std::move(line);
}

WriterLock::Outcome WriterLock::LockFile(std::string& problem) {
  const std::string path = Path(kFileName);
  int error = 0;
  bool writable = true;
  file_ = OpenRegular(path, O_RDWR | O_CREAT, error, problem);
  // Another user's lock file still takes a lock, only not this process's id.
  if (file_ < 0 && (error == EACCES || error == EROFS)) {
    writable = false;
    file_ = OpenRegular(path, O_RDONLY, error, problem);
  }
  if (file_ < 0) return Outcome::kUnusable;
  if (flock(file_, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) return Outcome::kBusy;  // kept open to read the holder's id
    problem = QCoreApplication::translate("kirv::WriterLock", "ne peut pas être verrouillé : %1")
                  .arg(Reason(errno))
                  .toStdString();
    Release();
    return Outcome::kUnusable;
  }
  const std::string pid = std::to_string(getpid()) + "\n";
  // Written over the old id before the rest is cut: a reader finds one whole id or the other.
  if (writable && pwrite(file_, pid.data(), pid.size(), 0) == static_cast<ssize_t>(pid.size())) {
    [[maybe_unused]] const int cut = ftruncate(file_, static_cast<off_t>(pid.size()));
  }
  return Outcome::kTaken;
}

WriterLock::Outcome WriterLock::LockFolder() {
  folderFd_ = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd_ < 0) return Outcome::kUnusable;
  if (flock(folderFd_, LOCK_EX | LOCK_NB) == 0) return Outcome::kTaken;
  const Outcome outcome = errno == EWOULDBLOCK ? Outcome::kBusy : Outcome::kUnusable;
  close(folderFd_);
  folderFd_ = -1;
  return outcome;
}

// Both locks, so that writers agree through the folder where the file cannot be used by all,
// and through the file where a folder takes no lock.
bool WriterLock::Try() {
  Release();
  std::string problem;
  const Outcome file = LockFile(problem);
  const Outcome folder = file == Outcome::kBusy ? Outcome::kBusy : LockFolder();
  elsewhere_ = folder == Outcome::kBusy;
  if (elsewhere_) {
    if (file != Outcome::kBusy) Release();
    return false;
  }
  held_ = file == Outcome::kTaken || folder == Outcome::kTaken;
  if (file == Outcome::kTaken) {
    problem_.clear();
  } else {
    const QString line =
        held_ ? QCoreApplication::translate(
                    "kirv::WriterLock",
                    "le verrou %1 %2 ; le dossier de données est verrouillé à sa place")
              : QCoreApplication::translate("kirv::WriterLock",
                                            "le verrou %1 %2 ; les archives sont écrites "
                                            "sans verrou");
    Say(line.arg(Text(Path(kFileName)), Text(problem)).toStdString(), problem_);
  }
  return held_;
}

bool WriterLock::TryTake() { return held_ || Try(); }

// The locked file, or the folder when the file could not be used, is still the one of that name:
// a folder removed and made again, or a lock file replaced, takes a new lock that others find.
bool WriterLock::StillInPlace() const {
  const int fd = file_ >= 0 ? file_ : folderFd_;
  struct stat locked {};
  struct stat named {};
  // The folder may be a link to where the archives are; the lock file never is.
  const int found =
      file_ >= 0 ? lstat(Path(kFileName).c_str(), &named) : stat(folder_.c_str(), &named);
  return fd < 0 || (fstat(fd, &locked) == 0 && found == 0 && locked.st_dev == named.st_dev &&
                    locked.st_ino == named.st_ino);
}

WriterTurn WriterLock::TurnAtTick() {
  if (held_ && StillInPlace()) return WriterTurn::kWrite;
  // A logger that wrote without the lock (none could be taken) goes on with its own baselines
  // once it can take one: only a logger that left the writing to another takes it over.
  const bool wasElsewhere = elsewhere_;
  if (Try()) return wasElsewhere ? WriterTurn::kTakenOver : WriterTurn::kWrite;
  return elsewhere_ ? WriterTurn::kElsewhere : WriterTurn::kWrite;
}

std::int64_t WriterLock::HolderPid() const {
  if (!elsewhere_ || file_ < 0) return 0;
  char text[kPidText];
  const ssize_t n = pread(file_, text, sizeof text, 0);
  if (n <= 0) return 0;
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(text, text + n, pid);
  if (error != std::errc() || pid <= 0 || end == text + n || *end != '\n') return 0;
  // A holder that could not write its id left an older one, maybe of a process long gone.
  return kill(pid, 0) == 0 || errno == EPERM ? pid : 0;
}

SavedBaselines WriterLock::SavedState() {
  const std::string path = Path(kStateFileName);
  int error = 0;
  std::string problem;
  const int fd = OpenRegular(path, O_RDONLY, error, problem);
  if (fd < 0) {
    if (error != ENOENT) {
      diagnostics_(QCoreApplication::translate(
                       "kirv::WriterLock",
                       "l'état %1 %2 : les compteurs repartent de leurs valeurs actuelles")
                       .arg(Text(path), Text(problem))
                       .toStdString());
    }
    return {};
  }
  std::string text(kStateLimit + 1, '\0');
  std::size_t size = 0;
  while (size < text.size()) {
    const ssize_t n = read(fd, text.data() + size, text.size() - size);
    if (n <= 0) break;
    size += static_cast<std::size_t>(n);
  }
  close(fd);
  text.resize(size);
  const ParsedWriterState parsed =
      text.size() > kStateLimit
          ? ParsedWriterState{std::nullopt,
                              QCoreApplication::translate("kirv::WriterLock", "dépasse %1 octets")
                                  .arg(kStateLimit)
                                  .toStdString()}
          : ParseWriterState(text, bootId_, &ProgramTexts());
  if (!parsed.baselines) {
    diagnostics_(QCoreApplication::translate("kirv::WriterLock",
                                             "l'état %1 est ignoré, %2 : les compteurs "
                                             "repartent de leurs valeurs actuelles")
                     .arg(Text(path), Text(parsed.error))
                     .toStdString());
  }
  return parsed.baselines.value_or(SavedBaselines{});
}

void WriterLock::TakeBaselines(StatisticsLogger& logger, const std::vector<MonitorEntry>& entries) {
  if (!held_) {
    logger.TakeBaselines(entries);
    return;
  }
  logger.RestoreBaselines(entries, SavedState());
  lastState_.clear();  // the file is the last writer's until this one saves
  SaveBaselines(logger);
}

void WriterLock::SaveBaselines(const StatisticsLogger& logger) {
  if (!held_) return;
  std::string text = FormatWriterState(bootId_, logger.Baselines());
  if (text == lastState_) return;
  int error = 0;
  if (ReplaceFile(Path(kStateFileName), text, error)) {
    lastState_ = std::move(text);
    stateError_.clear();
    return;
  }
  Say(QCoreApplication::translate("kirv::WriterLock",
                                  "l'état %1 ne peut pas être écrit : %2 ; le prochain "
                                  "programme à écrire les archives repartira des compteurs de "
                                  "son démarrage")
          .arg(Text(Path(kStateFileName)), Reason(error))
          .toStdString(),
      stateError_);
}

std::string LoggingElsewhereStatus(qint64 holderPid) {
  return (holderPid > 0
              ? QCoreApplication::translate("kirv::WriterLock", "LOG PAR LE PROCESSUS %1")
                    .arg(holderPid)
              : QCoreApplication::translate("kirv::WriterLock", "LOG PAR UN AUTRE PROCESSUS"))
      .toStdString();
}

}  // namespace kirv
