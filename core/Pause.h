#pragma once

#include <cstdint>
#include <utility>

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

// Thrown out of a pause whose handler must not go on. Every place that delivers an event
// catches it, so the interrupted handler simply stops there, touching nothing more.
struct Unwind {};

// The program is ending: a paused handler must not resume against windows going away.
struct GameEnded : Unwind {};

// A new game was started while the handler waited: its slots, values and scores belong to
// the old deal.
struct GameReset : Unwind {};

// A secondary window closed while one of its handlers waited: there is nothing left to draw on.
struct WindowClosed : Unwind {};

// Waits the given seconds while still handling window events. Zero or less returns at once.
// Throws GameEnded when the program ends during the wait.
void Delay(EventPump& pump, float seconds);

// The game's pause: Delay, and the knowledge of which game a pause belongs to. A reset
// starts a new generation; a pause that began in an older one unwinds when it returns.
class Pause {
 public:
  explicit Pause(EventPump& pump) : pump_(pump) {}

  void Delay(float seconds);
  // Every pause now waiting belongs to the old game.
  void NewGame() { ++generation_; }
  // After a modal window has returned: the handler that opened it stops if the program ended
  // meanwhile, so nothing is drawn into closing windows.
  void AfterModal() {
    if (pump_.Ending()) throw GameEnded{};
  }
  EventPump& Pump() { return pump_; }

 private:
  EventPump& pump_;
  std::uint64_t generation_ = 0;
};

// Runs one event's handler the way the window delivers events: a handler unwound by the end
// of the program or by a new game stops quietly. Returns false when it was unwound.
template <class Handler>
bool DeliverEvent(Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const Unwind&) {
    return false;
  }
}

}  // namespace velmora
