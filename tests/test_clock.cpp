#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "clock/GameClock.h"
#include "support/RecordingView.h"

namespace velmora {
namespace {

// Also keeps the clock label's and the timer's calls in one sequence, to check their order.
class OrderedView : public testing::RecordingView {
 public:
  void SetCaption(Label label, std::string_view text) override {
    RecordingView::SetCaption(label, text);
    if (label == Label::Clock) calls.push_back("caption " + std::string(text));
  }
  void SetLabelVisible(Label label, bool visible) override {
    RecordingView::SetLabelVisible(label, visible);
    if (label == Label::Clock) calls.push_back(visible ? "show" : "hide");
  }
  void SetTimerEnabled(bool enabled) override {
    RecordingView::SetTimerEnabled(enabled);
    calls.push_back(enabled ? "timer on" : "timer off");
  }
  std::vector<std::string> calls;
};

std::string Hms(long seconds) {
  char text[16];
  std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600 % 24, seconds / 60 % 60,
                seconds % 60);
  return text;
}

class GameClockTest : public ::testing::Test {
 protected:
  GameClockTest() {
    state.PracticeMode = kTrue;
    state.GameInProgress = kTrue;
    clock.ResetClockDisplay();  // as the window's load does: Idle before any play
  }

  void Tick(long n = 1) {
    for (long i = 0; i < n; ++i) clock.Timer1_Timer();
  }
  std::string Label2() const { return view.Caption(Label::Clock); }
  int Label2Writes() { return view.captionWrites[Label::Clock]; }

  // Runs a fresh clock through a full day of ticks and the one after, into Expired.
  void RunIntoExpired() {
    clock.StartClockDisplay();
    Tick(86398);
    ASSERT_EQ(Label2(), "23:59:59");
    Tick();
    ASSERT_EQ(Label2(), "00:00:00");
    ASSERT_TRUE(view.timerEnabled);
    const int writes = Label2Writes();
    Tick();
    ASSERT_FALSE(view.timerEnabled);
    ASSERT_EQ(clock.ClockRunning, kTrue);
    ASSERT_EQ(Label2Writes(), writes);
  }

  GameState state;
  OrderedView view;
  GameClock clock{state, view, view};
};

TEST(GameClockFormat, ShowsTimeOfDayToNearestSecond) {
  EXPECT_EQ(GameClock::FormatClock(0.0), "00:00:00");
  EXPECT_EQ(GameClock::FormatClock(65 / 86400.0), "00:01:05");
  EXPECT_EQ(GameClock::FormatClock(45296 / 86400.0), "12:34:56");
  EXPECT_EQ(GameClock::FormatClock(86399 / 86400.0), "23:59:59");
  EXPECT_EQ(GameClock::FormatClock(1.0), "00:00:00");
  EXPECT_EQ(GameClock::FormatClock(2.0 + 3661 / 86400.0), "01:01:01");
  EXPECT_EQ(GameClock::FormatClock((3600 - 1e-7) / 86400.0), "01:00:00");
}

TEST_F(GameClockTest, StartsOnlyInPracticeGameInProgress) {
  state.PracticeMode = kFalse;
  state.ComputerMode = kTrue;
  clock.StartClockDisplay();
  EXPECT_FALSE(view.timerEnabled);
  EXPECT_EQ(clock.ClockRunning, kFalse);
  EXPECT_EQ(Label2(), "00:00:00");

  state.PracticeMode = kTrue;
  state.ComputerMode = kFalse;
  state.GameInProgress = kFalse;
  clock.StartClockDisplay();
  EXPECT_FALSE(view.timerEnabled);
  EXPECT_EQ(clock.ClockRunning, kFalse);
  EXPECT_EQ(Label2(), "00:00:00");

  state.GameInProgress = kTrue;
  clock.StartClockDisplay();
  EXPECT_TRUE(view.timerEnabled);
  EXPECT_EQ(clock.ClockRunning, kTrue);
  EXPECT_EQ(Label2(), "00:00:01");
  EXPECT_EQ(clock.ClockSeconds, 1);
}

TEST_F(GameClockTest, RunningCountsOneSecondPerTick) {
  clock.StartClockDisplay();
  Tick();
  EXPECT_EQ(Label2(), "00:00:02");
  Tick(63);
  EXPECT_EQ(Label2(), "00:01:05");
  EXPECT_TRUE(view.timerEnabled);
  EXPECT_EQ(clock.ClockSeconds, 1);  // a tick moves ClockTime only

  const int writes = Label2Writes();
  clock.StartClockDisplay();  // a later click does not restart it
  EXPECT_EQ(Label2Writes(), writes);
  EXPECT_EQ(GameClock::FormatClock(clock.ClockTime), "00:01:05");
}

TEST_F(GameClockTest, TickHidesLabelAroundCaptionChange) {
  clock.StartClockDisplay();
  EXPECT_TRUE(view.visibilityLog.empty());  // start shows the time without hiding
  view.calls.clear();

  Tick();

  const std::vector<std::string> expected{"timer off", "hide", "caption 00:00:02", "show",
                                          "timer on"};
  EXPECT_EQ(view.calls, expected);
  ASSERT_EQ(view.visibilityLog.size(), 2u);
  EXPECT_FALSE(view.visibilityLog[0].second);
  EXPECT_TRUE(view.visibilityLog[1].second);
  EXPECT_FALSE(view.hidden[Label::Clock]);
}

TEST_F(GameClockTest, StopKeepsFinalTimeUntilResetOrRestart) {
  clock.StopClockDisplay();  // Idle: nothing to stop
  EXPECT_EQ(view.calls, std::vector<std::string>{"caption 00:00:00"});

  clock.StartClockDisplay();
  Tick(9);
  state.GameInProgress = kFalse;
  clock.StopClockDisplay();  // needs a game in progress
  EXPECT_EQ(clock.ClockRunning, kTrue);
  EXPECT_TRUE(view.timerEnabled);

  state.GameInProgress = kTrue;
  clock.StopClockDisplay();
  EXPECT_FALSE(view.timerEnabled);
  EXPECT_EQ(clock.ClockRunning, kFalse);
  EXPECT_EQ(Label2(), "00:00:10");
  clock.StopClockDisplay();
  EXPECT_EQ(Label2(), "00:00:10");

  clock.StartClockDisplay();  // Stopped -> Running from the start
  EXPECT_EQ(Label2(), "00:00:01");
  EXPECT_TRUE(view.timerEnabled);
  clock.StopClockDisplay();

  clock.ResetClockDisplay();  // Stopped -> Idle
  EXPECT_EQ(Label2(), "00:00:00");
  EXPECT_FALSE(view.timerEnabled);
  EXPECT_EQ(clock.ClockRunning, kFalse);
}

TEST_F(GameClockTest, ResetWhileRunningLeavesTickToHaltTimer) {
  clock.StartClockDisplay();
  Tick(4);
  clock.ResetClockDisplay();
  EXPECT_EQ(Label2(), "00:00:00");
  EXPECT_TRUE(view.timerEnabled);  // Reset pending
  EXPECT_EQ(clock.ClockRunning, kFalse);
  EXPECT_EQ(clock.ClockTime, 0.0);

  const int writes = Label2Writes();
  const auto shown = view.visibilityLog.size();
  Tick();
  EXPECT_FALSE(view.timerEnabled);  // Idle
  EXPECT_EQ(Label2Writes(), writes);
  EXPECT_EQ(view.visibilityLog.size(), shown);
  EXPECT_EQ(Label2(), "00:00:00");
}

TEST_F(GameClockTest, StartBeforePendingTickRunsFromOneSecond) {
  clock.StartClockDisplay();
  Tick(30);
  clock.ResetClockDisplay();
  clock.StartClockDisplay();
  EXPECT_EQ(Label2(), "00:00:01");
  Tick();
  EXPECT_EQ(Label2(), "00:00:02");
  EXPECT_TRUE(view.timerEnabled);
}

TEST_F(GameClockTest, FullDayShowsEverySecondWithoutDrift) {
  clock.StartClockDisplay();
  for (long k = 1; k < 86400; ++k) {
    Tick();
    ASSERT_EQ(Label2(), Hms(1 + k)) << "tick " << k;
  }
  EXPECT_EQ(Label2(), "00:00:00");
  EXPECT_EQ(clock.ClockTime, 1.0);  // whole seconds, exactly one day
  EXPECT_TRUE(view.timerEnabled);
}

TEST_F(GameClockTest, ExpiredIgnoresStartAndLeavesOnStop) {
  RunIntoExpired();
  const int writes = Label2Writes();

  clock.StartClockDisplay();
  EXPECT_FALSE(view.timerEnabled);
  EXPECT_EQ(Label2Writes(), writes);

  clock.StopClockDisplay();
  EXPECT_EQ(clock.ClockRunning, kFalse);  // Stopped
  EXPECT_FALSE(view.timerEnabled);
  EXPECT_EQ(Label2(), "00:00:00");

  clock.StartClockDisplay();
  EXPECT_EQ(Label2(), "00:00:01");
}

TEST_F(GameClockTest, ExpiredResetsToIdle) {
  RunIntoExpired();
  clock.ResetClockDisplay();
  EXPECT_EQ(clock.ClockRunning, kFalse);
  EXPECT_FALSE(view.timerEnabled);
  EXPECT_EQ(Label2(), "00:00:00");

  clock.StartClockDisplay();
  Tick();
  EXPECT_EQ(Label2(), "00:00:02");
}

}  // namespace
}  // namespace velmora
