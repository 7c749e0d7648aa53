#include "clock/GameClock.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velmora {

namespace {

constexpr long long kSecondsPerDay = 86400;

// ClockTime is kept in whole seconds; rounding absorbs the error of storing them as a
// fraction of a day, so a long game never shows a second too few.
long long WholeSeconds(double clockTime) {
  return std::llround(clockTime * kSecondsPerDay);
}

}  // namespace

GameClock::GameClock(const GameState& state, LabelView& labels, TimerView& timer)
    : state_(state), labels_(labels), timer_(timer) {}

std::string GameClock::FormatClock(double clockTime) {
  // Only the time of day is shown, so whole days drop out; a negative time shows its
  // magnitude, as a date before the epoch does.
  const long long ofDay = std::llabs(WholeSeconds(clockTime)) % kSecondsPerDay;
  char text[16];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", ofDay / 3600, ofDay / 60 % 60,
                ofDay % 60);
  return text;
}

void GameClock::ShowClock() {
  ClockTime = (ClockHours * 3600.0 + ClockMinutes * 60.0 + ClockSeconds) / kSecondsPerDay;
  labels_.SetCaption(Label::Clock, FormatClock(ClockTime));
}

void GameClock::StartClockDisplay() {
  if (ClockRunning != kFalse || state_.GameInProgress == kFalse || state_.PracticeMode == kFalse)
    return;
  timer_.SetTimerEnabled(true);
  ClockHours = 0;
  ClockMinutes = 0;
  ClockSeconds = 1;
  ClockRunning = kTrue;
  ShowClock();
}

void GameClock::StopClockDisplay() {
  if (state_.GameInProgress == kFalse || ClockRunning == kFalse) return;
  timer_.SetTimerEnabled(false);
  ClockRunning = kFalse;
}

void GameClock::ResetClockDisplay() {
  ClockHours = 0;
  ClockMinutes = 0;
  ClockSeconds = 0;
  ClockTime = 0.0;
  ClockRunning = kFalse;
  ShowClock();
}

void GameClock::Timer1_Timer() {
  // Off while the tick is handled, so the next one comes a full interval after this one ends.
  timer_.SetTimerEnabled(false);
  // Zero means a reset since the last tick, or a day of play wrapped round: either way, halt.
  if (FormatClock(ClockTime) == "00:00:00") return;
  ClockTime = static_cast<double>(WholeSeconds(ClockTime) + 1) / kSecondsPerDay;
  labels_.SetLabelVisible(Label::Clock, false);
  labels_.SetCaption(Label::Clock, FormatClock(ClockTime));
  labels_.SetLabelVisible(Label::Clock, true);
  timer_.SetTimerEnabled(true);
}

}  // namespace velmora
