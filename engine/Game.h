#pragma once

#include <optional>
#include <string>

#include "clock/GameClock.h"
#include "core/GameState.h"
#include "core/Pause.h"
#include "core/Random.h"
#include "core/ShownBoard.h"
#include "core/Views.h"
#include "engine/PlayerTurn.h"
#include "opponent/ComputerMemory.h"
#include "opponent/ComputerTurn.h"
#include "opponent/Hint.h"
#include "opponent/PlayOptions.h"
#include "prefs/BackChooser.h"
#include "prefs/Ini.h"

namespace velmora {

// The main window's handler set: it owns the game state, starts and resets games, and hands
// every other event in one line to the part of the game that handles it. It changes the
// display only through MainView.
class Game final : public MainEvents {
 public:
  // settingsDirectory: where velmora.ini lives; empty means beside the executable.
  Game(MainView& view, EventPump& pump, RandomSource& random, SettingsHost& settingsHost,
       std::optional<std::string> settingsDirectory = std::nullopt);

  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Start-up, before the window shows.
  void Form_Initialize();
  void Form_Load();

  // MainEvents
  void Form_Unload() override;
  void img_Cards_Click(Int16 slot) override { player_.img_Cards_Click(slot); }
  void btn_Deal_Click() override;
  void Timer1_Timer() override { clock_.Timer1_Timer(); }
  void mnu_NewGame_Click() override;
  void mnu_Hint_Click() override { hint_.mnu_Hint_Click(); }
  void mnu_Exit_Click() override;
  void mnu_Computer_Click() override { options_.mnu_Computer_Click(); }
  void mnu_Practice_Click() override { options_.mnu_Practice_Click(); }
  void mnu_Beginner_Click() override { options_.mnu_Beginner_Click(); }
  void mnu_Intermediate_Click() override { options_.mnu_Intermediate_Click(); }
  void mnu_Advanced_Click() override { options_.mnu_Advanced_Click(); }
  void mnu_ChangeDeck_Click() override { chooser_.mnu_ChangeDeck_Click(); }
  void mnu_Rules_Click() override;
  void mnu_About_Click() override;

  // The game's own steps, also used by tests to set up a position.
  void ResetGame();
  void GivePlayerTurn();
  void ShowScores();
  void LoadCards();
  Int16 NextCard();
  void ShowWhoWon();
  void Delay(float seconds) { pause_.Delay(seconds); }

  GameState& state() { return state_; }
  MainWindowFields& fields() { return fields_; }
  const GameState& state() const { return state_; }
  const MainWindowFields& fields() const { return fields_; }
  GameClock& clock() { return clock_; }
  ComputerTurn& computer() { return computer_; }
  const Hint& hint() const { return hint_; }
  BackChooser& chooser() { return chooser_; }

 private:
  void StartNewGame();

  MainView& view_;
  RandomSource& random_;
  std::optional<std::string> settingsDirectory_;
  GameState state_;
  MainWindowFields fields_;
  Pause pause_;
  ShownBoard board_;
  ComputerMemory memory_;
  GameClock clock_;
  Ini ini_;
  TurnCards cards_;
  ComputerTurn computer_;
  PlayerTurn player_;
  PlayOptions options_;
  Hint hint_;
  BackChooser chooser_;
};

}  // namespace velmora
