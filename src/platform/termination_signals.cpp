#include "platform/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <stdexcept>
#include <utility>

namespace kirv {

namespace {

// Made once and kept for the life of the process: a signal may come at any time.
int signalPipe[2] = {-1, -1};  // read end, write end
std::atomic<bool> signalWaiting{false};

void Install(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  // SIGHUP: the terminal or the session that started the program went away.
  for (const int number : {SIGTERM, SIGINT, SIGHUP}) sigaction(number, &action, nullptr);
}

void OnSignal(int number) {
  if (signalWaiting.exchange(true)) {
    signal(number, SIG_DFL);
    raise(number);
    return;
  }
  const char byte = 1;
  // Nothing to do when the pipe is full: a quit is already on its way.
  [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
}

}  // namespace

void InstallTerminationSignals() {
  if (signalPipe[0] < 0 && pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    throw std::runtime_error("Cannot create the signal pipe");
  }
  Install(OnSignal);
}

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
  InstallTerminationSignals();
  notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Drain(); });
}

TerminationSignals::~TerminationSignals() {
  Install(SIG_DFL);
  notifier_.reset();
}

void TerminationSignals::Drain() {
  char bytes[64];
  bool received = false;
  while (read(signalPipe[0], bytes, sizeof bytes) > 0) received = true;
  signalWaiting = false;
  if (received && onSignal_) onSignal_();
}

}  // namespace kirv
