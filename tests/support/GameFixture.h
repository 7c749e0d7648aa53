#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "engine/Game.h"
#include "support/Invariants.h"
#include "support/RecordingView.h"
#include "support/ScriptedRandom.h"
#include "support/VirtualPump.h"

namespace velmora::testing {

class RecordingSettingsHost final : public SettingsHost {
 public:
  void Beep() override { ++beeps; }
  void ShowFatalError(std::string_view prompt, std::string_view title) override {
    fatal.push_back({std::string(prompt), 16, std::string(title)});
  }
  int beeps = 0;
  std::vector<Message> fatal;
};

// A game wired to a recording view, a virtual clock and a settings file in a fresh directory.
class GameFixture : public ::testing::Test {
 protected:
  GameFixture()
      : directory_(std::filesystem::temp_directory_path() /
                   ("velmora-test-" + std::to_string(std::random_device{}()))),
        random(0.0f),
        game(view, pump, random, host, directory_.string()) {
    std::filesystem::create_directories(directory_);
    view.clock = [this] { return pump.Now(); };
  }
  ~GameFixture() override { std::filesystem::remove_all(directory_); }

  void WriteSettings(const std::string& contents) {
    std::ofstream(directory_ / "velmora.ini", std::ios::binary) << contents;
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
    for (const std::string& fault : CheckInvariants(game, view, {depth == 0, staleMemoryAllowed})) {
      ADD_FAILURE() << "at " << pump.Now() << " s, depth " << depth << ": " << fault;
    }
  }

  std::filesystem::path directory_;
  RecordingView view;
  VirtualPump pump;
  ScriptedRandom random;
  RecordingSettingsHost host;
  Game game;
  int unwound = 0;
  int depth = 0;  // handlers running, the outer ones paused
  bool checking = false;
  bool staleMemoryAllowed = false;
};

}  // namespace velmora::testing
