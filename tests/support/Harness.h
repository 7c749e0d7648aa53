#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/Pause.h"
#include "engine/Game.h"
#include "support/FakeBacksWindow.h"
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
        chance_(seed ^ 0x9e3779b97f4a7c15u),
        game_(view_, pump_, random_, host_, "/nonexistent") {
    view_.clock = [this] { return pump_.Now(); };
    view_.checks[MenuItem::Practice] = practice;
    view_.checks[MenuItem::Computer] = !practice;
    view_.onEndProgram = [this] { pump_.End(); };
    view_.onOpenModal = [this](Window window) {
      // The shuffle notice closes itself after 3 s; the player reads the rules or the About
      // box for a while.
      const float open = window == Window::Shuffle
                             ? 3.0f
                             : std::uniform_real_distribution<float>(0.1f, 8.0f)(chance_);
      ++modal_;
      DeliverEvent([this, open] { Delay(pump_, open); });
      --modal_;
    };
    view_.onOpenBacks = [this](BacksEvents& events) {
      ++modal_;
      formerBack_ = game_.state().BackIndex;
      backs_.Play(events, pump_, ChooserScript(), [this](const std::function<void()>& handler) {
        ++chooserDepth_;
        Fire(handler);
        --chooserDepth_;
      });
      formerBack_ = 0;
      --modal_;
    };
    game_.state().BackIndex = 1;
    game_.Form_Load();
  }

  std::size_t SettingsBeeps() const { return host_.events.size(); }

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
    std::vector<std::string> faults =
        CheckInvariants(game_, view_, {depth_ == 0, hiddenAbove_, formerBack_});
    for (std::string& fault : backs_.Faults(game_.chooser(), chooserDepth_ == 0)) {
      faults.push_back("chooser: " + fault);
    }
    for (std::string& fault : faults) {
      if (faults_.size() < 10) faults_.push_back("t=" + std::to_string(pump_.Now()) + ": " + fault);
    }
  }

  // A few clicks on the pictures, often inside the blink of the one before, then OK, Cancel or
  // the close box, which may come inside a blink too.
  std::vector<ChooserStep> ChooserScript() {
    std::vector<ChooserStep> steps;
    double time = 0.0;
    const auto gap = [this] {
      return std::bernoulli_distribution(0.5)(chance_)
                 ? std::uniform_real_distribution<double>(0.0, 0.1)(chance_)
                 : std::uniform_real_distribution<double>(0.1, 3.0)(chance_);
    };
    const int clicks = std::uniform_int_distribution<int>(0, 4)(chance_);
    for (int i = 0; i < clicks; ++i) {
      time += gap();
      steps.push_back({time, std::uniform_int_distribution<int>(1, kBackCount)(chance_)});
    }
    const int endings[] = {kOk, kOk, kCancel, kCloseBox};
    steps.push_back({time + gap(), endings[std::uniform_int_distribution<int>(0, 3)(chance_)]});
    return steps;
  }

  RecordingView view_;
  VirtualPump pump_;
  ClockSeededRandom random_;
  std::mt19937_64 chance_;  // what the user does in the secondary windows
  FakeSettingsHost host_;
  FakeBacksWindow backs_;
  Game game_;
  int depth_ = 0;
  int modal_ = 0;
  int hiddenAbove_ = kMemoryEntries;
  Int16 formerBack_ = 0;
  int chooserDepth_ = 0;
  long checks_ = 0;
  std::vector<std::string> faults_;
};

}  // namespace velmora::testing
