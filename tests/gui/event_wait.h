#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace kirv::testing {

// Runs the event loop until done() holds or the time is up; answers done().
template <typename Predicate>
bool RunEventsUntil(Predicate done, int timeoutMs = 3000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < timeoutMs) {
    QCoreApplication::processEvents();
    QThread::msleep(1);
  }
  return done();
}

// Runs the event loop for a while.
inline void RunEventsFor(int ms) {
  RunEventsUntil([] { return false; }, ms);
}

}  // namespace kirv::testing
