#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Pause.h"
#include "engine/Game.h"
#include "support/FakeSettingsHost.h"
#include "support/Invariants.h"
#include "support/RecordingView.h"
#include "support/VirtualPump.h"

namespace velmora::testing {

// A whole game on the virtual clock, for long seeded runs: every event is delivered as the
// window delivers it and followed by the invariant check. Modal windows block the player's
// input as they do on screen, while the clock's ticks go on.
class Harness {
 public:
  explicit Harness(std::uint64_t seed, bool practice = false)
      : random_([seed, deals = std::uint64_t{0}]() mutable { return seed * 1000003u + deals++; }),
        game_(view_, pump_, random_, host_, "/nonexistent") {
    view_.clock = [this] { return pump_.Now(); };
    view_.checks[MenuItem::Practice] = practice;
    view_.checks[MenuItem::Computer] = !practice;
    view_.onEndProgram = [this] { pump_.End(); };
    view_.onOpenModal = [this](Window) {
      // Only the shuffle notice has a life of its own; it closes itself after 3 s.
      ++modal_;
      DeliverEvent([this] { Delay(pump_, 3.0f); });
      --modal_;
    };
    game_.state().BackIndex = 1;
    game_.Form_Load();
  }

  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;

  // A click or a menu command: lost while a modal window is open, as on screen.
  // Returns whether it reached the game.
  template <class Handler>
  bool User(Handler handler) {
    if (modal_ != 0 || pump_.Ending()) return false;
    Fire(handler);
    return true;
  }

  // Ticks every second while the window's timer is on.
  void StartTicking() {
    pump_.After(1.0, [this] {
      StartTicking();
      if (view_.timerEnabled && !pump_.Ending()) Fire([this] { game_.Timer1_Timer(); });
    });
  }

  // A level command may hide memory entries; a new game forgets them all.
  void NoteLevelChange() { hiddenAbove_ = std::min<int>(hiddenAbove_, game_.state().MemorySize); }
  void NoteReset() { hiddenAbove_ = game_.state().MemorySize; }

  bool AtRest() const { return depth_ == 0; }
  Game& game() { return game_; }
  RecordingView& view() { return view_; }
  VirtualPump& pump() { return pump_; }
  const std::vector<std::string>& faults() const { return faults_; }
  long checks() const { return checks_; }

 private:
  template <class Handler>
  void Fire(Handler handler) {
    ++depth_;
    DeliverEvent(handler);
    --depth_;
    ++checks_;
    if (pump_.Ending()) return;  // the program ended in mid-turn: nothing more to hold
    for (std::string& fault : CheckInvariants(game_, view_, {depth_ == 0, hiddenAbove_})) {
      if (faults_.size() < 10) faults_.push_back("t=" + std::to_string(pump_.Now()) + ": " + fault);
    }
  }

  RecordingView view_;
  VirtualPump pump_;
  ClockSeededRandom random_;
  FakeSettingsHost host_;
  Game game_;
  int depth_ = 0;
  int modal_ = 0;
  int hiddenAbove_ = kMemoryEntries;
  long checks_ = 0;
  std::vector<std::string> faults_;
};

}  // namespace velmora::testing
