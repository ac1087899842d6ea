#pragma once
// Waiting on the controller in a benchmark: its answers arrive through the
// event loop.

#include <QCoreApplication>
#include <QElapsedTimer>

namespace event_wait {

// Runs the event loop until `done` holds; false after `timeout_ms`.
template <typename Done>
bool spin_until(Done done, int timeout_ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeout_ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

}  // namespace event_wait
