#include "app/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>
#include <utility>

namespace kirv {

namespace {

int signalPipe[2] = {-1, -1};  // read end, write end

void OnSignal(int) {
  const char byte = 1;
  // Nothing to do when the pipe is full: a quit is already on its way.
  [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
}

void Install(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
  if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    throw std::runtime_error("Cannot create the signal pipe");
  }
  notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Drain(); });
  Install(OnSignal);
}

TerminationSignals::~TerminationSignals() {
  Install(SIG_DFL);
  notifier_.reset();
  close(signalPipe[0]);
  close(signalPipe[1]);
  signalPipe[0] = signalPipe[1] = -1;
}

void TerminationSignals::Drain() {
  char bytes[64];
  bool received = false;
  while (read(signalPipe[0], bytes, sizeof bytes) > 0) received = true;
  if (received && onSignal_) onSignal_();
}

}  // namespace kirv
