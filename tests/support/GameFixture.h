#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "engine/Game.h"
#include "support/FakeBacksWindow.h"
#include "support/FakeSettingsHost.h"
#include "support/Invariants.h"
#include "support/RecordingView.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedRandom.h"
#include "support/VirtualPump.h"

namespace velmora::testing {

// A game wired to a recording view, a virtual clock and a settings file in a fresh directory.
class GameFixture : public ::testing::Test {
 protected:
  GameFixture() : random(0.0f), game(view, pump, random, host, folder_.Path().string()) {
    view.clock = [this] { return pump.Now(); };
  }

  void WriteSettings(const std::string& contents) {
    std::ofstream(folder_ / "velmora.ini", std::ios::binary) << contents;
  }

  // Starts the game as the program does: settings first, then the window's load.
  void StartUp(int back = 1) {
    WriteSettings("[Deck]\nBack=" + std::to_string(back) + "\n");
    game.Form_Initialize();
    game.Form_Load();
  }

  // Delivers an event as the window does: a handler unwound by the end of the program or by
  // a new game stops quietly. With `checking` on, the game's invariants are checked after it.
  template <class Handler>
  void Fire(Handler handler) {
    ++depth;
    if (!DeliverEvent(handler)) ++unwound;
    --depth;
    if (checking) Check();
  }

  void Check() {
    for (const std::string& fault :
         CheckInvariants(game, view, {depth == 0, hiddenAbove, formerBack})) {
      ADD_FAILURE() << "at " << pump.Now() << " s, depth " << depth << ": " << fault;
    }
    for (const std::string& fault : backs.Faults(game.chooser(), chooserDepth == 0)) {
      ADD_FAILURE() << "at " << pump.Now() << " s, in the chooser: " << fault;
    }
  }

  // Every opening of the chooser plays these steps; its events are checked like the board's.
  void ChooseBacks(std::vector<ChooserStep> steps) {
    view.onOpenBacks = [this, steps](BacksEvents& events) {
      formerBack = game.state().BackIndex;
      backs.Play(events, pump, steps, [this](const std::function<void()>& handler) {
        ++chooserDepth;
        Fire(handler);
        --chooserDepth;
      });
      formerBack = 0;
    };
  }

  ScratchFolder folder_;
  RecordingView view;
  VirtualPump pump;
  ScriptedRandom random;
  FakeSettingsHost host;
  Game game;
  int unwound = 0;
  int depth = 0;  // handlers running, the outer ones paused
  bool checking = false;
  int hiddenAbove = kMemoryEntries;  // see InvariantScope
  Int16 formerBack = 0;              // see InvariantScope
  FakeBacksWindow backs;
  int chooserDepth = 0;  // chooser handlers running
};

}  // namespace velmora::testing
