#include "app/single_instance.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <cstdlib>
#include <utility>

#include "common/standard_error.h"
#include "platform/ini_settings_store.h"

namespace kirv {

namespace {

const QByteArray kShowRequest = "show\n";
constexpr int kHandOverMs = 800;  // the second start ends within a second
constexpr int kRetryMs = 50;

void Say(const QString& text) { WriteToStandardError(text.toStdString()); }

// Sends the request; the running program may still be starting and not listening yet. One that
// does not answer in time is still running: the request is dropped, not the rule.
void AskToShow(const QString& socketPath) {
  const QDeadlineTimer deadline(kHandOverMs);
  while (!deadline.hasExpired()) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (socket.waitForConnected(kRetryMs)) {
      socket.write(kShowRequest);
      socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
      socket.disconnectFromServer();
      return;
    }
    QThread::msleep(kRetryMs);
  }
}

}  // namespace

SingleInstance::SingleInstance(QString configFolder, QString runtimeFolder)
    : configFolder_(configFolder.isEmpty()
                        ? QFileInfo(QString::fromStdString(IniSettingsStore::DefaultFilePath()))
                              .absolutePath()
                        : std::move(configFolder)),
      runtimeFolder_(runtimeFolder.isEmpty() ? RuntimeFolder(configFolder_)
                                             : std::move(runtimeFolder)) {
  connect(&server_, &QLocalServer::newConnection, this, [this] { Accept(); });
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::RuntimeFolder(const QString& configFolder) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/' && QFileInfo(QFile::decodeName(runtime)).isDir()) {
    return QFile::decodeName(runtime);
  }
  return configFolder;
}

QString SingleInstance::BasePath() const {
  // The folder as the system resolves it, so that two spellings of it make one key.
  const QString canonical = QFileInfo(configFolder_).canonicalFilePath();
  const QString folder =
      canonical.isEmpty() ? QDir::cleanPath(QDir(configFolder_).absolutePath()) : canonical;
  const QByteArray hash =
      QCryptographicHash::hash(QFile::encodeName(folder), QCryptographicHash::Sha256).toHex();
  return runtimeFolder_ + QStringLiteral("/kirv-") + QString::fromLatin1(hash.left(16));
}

SingleInstance::Claim SingleInstance::Take() {
  if (!QDir().mkpath(runtimeFolder_)) {
    Say(QCoreApplication::translate(
            "kirv::SingleInstance",
            "le dossier « %1 » ne peut pas être créé : un second KIRV ne sera pas "
            "reconnu")
            .arg(runtimeFolder_));
    return Claim::kUnchecked;
  }
  const QString base = BasePath();
  lock_ = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
  // A lock is held for the whole run: only a lock whose process is gone is stale.
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0)) {
    if (lock_->error() == QLockFile::LockFailedError) {
      AskToShow(base + QStringLiteral(".socket"));
      return Claim::kHandedOver;
    }
    Say(QCoreApplication::translate(
            "kirv::SingleInstance",
            "le verrou « %1.lock » ne peut pas être pris : un second KIRV ne sera pas "
            "reconnu")
            .arg(base));
    return Claim::kUnchecked;
  }
  // The lock is ours, so a socket file left there belongs to a KIRV that is gone.
  QLocalServer::removeServer(base + QStringLiteral(".socket"));
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_.listen(base + QStringLiteral(".socket"))) {
    Say(QCoreApplication::translate(
            "kirv::SingleInstance",
            "la prise « %1.socket » ne peut pas être ouverte (%2) : un second "
            "lancement ne montrera pas le tachymètre")
            .arg(base, server_.errorString()));
  }
  return Claim::kFirst;
}

void SingleInstance::SetShowHandler(std::function<void()> show) {
  show_ = std::move(show);
  for (; waitingRequests_ > 0; --waitingRequests_) show_();
}

void SingleInstance::Accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const auto read = [this, socket] {
      while (socket->canReadLine()) {
        if (socket->readLine() == kShowRequest) Request();
      }
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    read();
  }
}

void SingleInstance::Request() {
  if (show_) {
    show_();
  } else {
    ++waitingRequests_;
  }
}

}  // namespace kirv
