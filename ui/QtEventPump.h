#pragma once

#include <QElapsedTimer>

#include "core/Pause.h"

namespace velmora::ui {

// Pauses wait in a nested event loop: events are handled as they arrive and the CPU sleeps
// in between. Time comes from a monotonic clock.
class QtEventPump final : public EventPump {
 public:
  QtEventPump();
  double Now() override;
  void HandleEventsUntil(double deadline) override;
  bool Ending() const override { return ending_; }

  // Ends the program: every running loop returns and every pause stops at once.
  void RequestEnd();

 private:
  QElapsedTimer elapsed_;
  bool ending_ = false;
};

}  // namespace velmora::ui
