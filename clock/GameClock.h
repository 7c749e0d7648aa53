#pragma once

#include <string>

#include "core/GameState.h"
#include "core/Views.h"

namespace velmora {

// The elapsed-time display of a practice game. It counts timer ticks, one second each, and
// shows the result as a time of day in Label2.
class GameClock {
 public:
  GameClock(const GameState& state, LabelView& labels, TimerView& timer);

  // Starts counting from 00:00:01, but only in a practice game in progress and not twice.
  void StartClockDisplay();
  // Halts the timer; the label keeps the final time.
  void StopClockDisplay();
  // Shows 00:00:00 at once. The timer is left alone: a pending tick sees zero and halts it.
  void ResetClockDisplay();
  // One tick: one second more, or halt the timer once the display reads 00:00:00.
  void Timer1_Timer();

  // The clock's fields, read and written by the game reset too (it sets ClockRunning false).
  Int16 ClockHours = 0;
  Int16 ClockMinutes = 0;
  Int16 ClockSeconds = 0;
  double ClockTime = 0.0;  // days; the time of day is its fraction
  Int16 ClockRunning = kFalse;

  // "hh:mm:ss" of the time of day in clockTime, to the nearest whole second.
  static std::string FormatClock(double clockTime);

 private:
  void ShowClock();

  const GameState& state_;
  LabelView& labels_;
  TimerView& timer_;
};

}  // namespace velmora
