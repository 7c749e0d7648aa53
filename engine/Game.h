#pragma once

#include <optional>
#include <string>

#include "clock/GameClock.h"
#include "engine/Delay.h"
#include "engine/GameState.h"
#include "engine/Random.h"
#include "engine/Views.h"
#include "opponent/ComputerMemory.h"
#include "prefs/Ini.h"

namespace velmora {

// The texts the game shows.
namespace text {
inline constexpr const char* kComputerWins = "Computer Wins!";
inline constexpr const char* kYouWin = "You Win!";
inline constexpr const char* kGreatJob = "Great Job!";
}  // namespace text

// The main window's logic: it owns the game state and handles every event the window
// delivers. It changes the display only through MainView.
class Game {
 public:
  // settingsDirectory: where velmora.ini lives; empty means beside the executable.
  Game(MainView& view, EventPump& pump, RandomSource& random, SettingsHost& settingsHost,
       std::optional<std::string> settingsDirectory = std::nullopt);

  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Window events.
  void Form_Initialize();
  void Form_Load();
  void Form_Unload();
  void img_Cards_Click(Int16 slot);
  void btn_Deal_Click();
  void Timer1_Timer();

  // Menu commands.
  void mnu_NewGame_Click();
  void mnu_Hint_Click();
  void mnu_Exit_Click();
  void mnu_Computer_Click();
  void mnu_Practice_Click();
  void mnu_Beginner_Click();
  void mnu_Intermediate_Click();
  void mnu_Advanced_Click();
  void mnu_ChangeDeck_Click();
  void mnu_Rules_Click();
  void mnu_About_Click();

  // Operations shared with the other parts of the game.
  void ResetGame();
  void GivePlayerTurn();
  void ShowScores();
  void LoadCards();
  Int16 NextCard();
  void ShowWhoWon();
  void Delay(float seconds);

  GameState state;
  MainWindowFields fields;
  ComputerMemory memory;
  GameClock clock;
  Ini ini;

 private:
  void StartNewGame();

  MainView& view_;
  EventPump& pump_;
  RandomSource& random_;
  std::optional<std::string> settingsDirectory_;
};

}  // namespace velmora
