#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace kirv {

// Turns SIGTERM and SIGINT into a call on the user-interface thread (through a pipe that the
// signal handler writes one byte to), so that the program can quit in good order. One instance
// per process.
class TerminationSignals : public QObject {
 public:
  explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
  ~TerminationSignals() override;

 private:
  void Drain();

  std::function<void()> onSignal_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace kirv
