#pragma once

namespace velmora {

// The source of window events during a pause. The Qt pump sleeps in a nested event loop;
// the test pump runs a virtual clock.
class EventPump {
 public:
  virtual ~EventPump() = default;
  // Monotonic seconds; never jumps at midnight or when the wall clock is set.
  virtual double Now() = 0;
  // Handles window events as they arrive until Now() reaches the deadline (it may return early).
  virtual void HandleEventsUntil(double deadline) = 0;
  // True once the program has been told to end: pauses must stop waiting.
  virtual bool Ending() const = 0;
};

// Thrown out of a pause when the program ends, so that a paused turn never resumes against
// windows that are going away. Every event handler entry point catches it.
struct GameEnded {};

// Waits the given seconds while still handling window events. Zero or less returns at once.
void Delay(EventPump& pump, float seconds);

}  // namespace velmora
