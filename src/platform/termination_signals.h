#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace kirv {

// Installs the SIGTERM, SIGINT and SIGHUP handler, first thing in the program: from then on a
// signal is kept (one byte in a pipe) until a TerminationSignals object acts on it, so that a
// signal that comes during start-up ends the program as one that comes later does. A second signal
// that comes before the first was acted on ends the process at once, as without a handler: the user
// insists.
void InstallTerminationSignals();

// Turns the kept signals into calls on the user-interface thread, one per batch of signals, from
// the event loop; a signal that came before the object was made is delivered at the first pass of
// the loop. One instance at a time; its end gives the signals their default action back.
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
