#include "ui/QtEventPump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cmath>

namespace velmora::ui {

QtEventPump::QtEventPump() {
  elapsed_.start();
}

double QtEventPump::Now() {
  return static_cast<double>(elapsed_.nsecsElapsed()) * 1e-9;
}

void QtEventPump::HandleEventsUntil(double deadline) {
  const double remaining = deadline - Now();
  if (ending_ || remaining <= 0.0) return;
  QEventLoop loop;
  const auto wait =
      std::chrono::milliseconds(static_cast<long long>(std::ceil(remaining * 1000.0)));
  QTimer::singleShot(wait, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
  // While a screen reader reads the board, Qt may hold back a close-box message as user input
  // and then wait for the next X event before it looks at it again; a wake-up here lets the
  // window see it as soon as the pause is over instead of at the player's next move.
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void QtEventPump::RequestEnd() {
  ending_ = true;
  QCoreApplication::exit(0);  // leaves every nested loop too
}

}  // namespace velmora::ui
