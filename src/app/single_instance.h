#pragma once

// One desktop KIRV per user and configuration folder. The first start holds a lock file and
// listens on a local socket, both in the runtime folder and named after the configuration folder;
// a second start finds the lock held, asks the first through the socket to show its meter window
// and ends.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace kirv {

class SingleInstance : public QObject {
 public:
  enum class Claim {
    kFirst,       // this process is the one KIRV; requests come to the show handler
    kHandedOver,  // another KIRV runs and was asked to show its meter window
    kUnchecked,   // the lock could not be made (said on standard error): run anyway
  };

  // The folders are the defaults (the settings' folder, RuntimeFolder()) unless given.
  explicit SingleInstance(QString configFolder = {}, QString runtimeFolder = {});
  ~SingleInstance() override;

  Claim Take();

  // Called on the user-interface thread for each request; requests that came before the handler
  // was set are answered when it is set.
  void SetShowHandler(std::function<void()> show);

  // $XDG_RUNTIME_DIR when it is an absolute path to a folder, else the configuration folder.
  static QString RuntimeFolder(const QString& configFolder);
  // The lock and socket path without extension, the same for every spelling of one folder.
  QString BasePath() const;

 private:
  void Accept();
  void Request();

  QString configFolder_;
  QString runtimeFolder_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
  std::function<void()> show_;
  int waitingRequests_ = 0;
};

}  // namespace kirv
