#include "ui/QtEventPump.h"

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
}

void QtEventPump::RequestEnd() {
  ending_ = true;
  QCoreApplication::exit(0);  // leaves every nested loop too
}

}  // namespace velmora::ui
