#include "engine/Game.h"

#include "core/Scoreboard.h"
#include "engine/Deck.h"

namespace velmora {

Game::Game(MainView& view, EventPump& pump, RandomSource& random, SettingsHost& settingsHost,
           std::optional<std::string> settingsDirectory)
    : view_(view),
      random_(random),
      settingsDirectory_(std::move(settingsDirectory)),
      pause_(pump),
      board_(view),
      memory_(state_, fields_, view),
      clock_(state_, view, view),
      ini_(settingsHost),
      cards_(state_, fields_, board_, view, memory_),
      computer_(state_, fields_, view, pause_, random, cards_, memory_),
      player_(state_, fields_, view, view, pause_, cards_, memory_, clock_, computer_),
      options_(state_, view, view),
      hint_(state_, fields_, board_, pause_),
      chooser_(state_, board_, view, pause_, ini_) {}

void Game::Form_Initialize() {
  if (settingsDirectory_) {
    ini_.SetIniPath(*settingsDirectory_);
  } else {
    ini_.SetIniPath();
  }
  ini_.ReadDeckBack(state_.BackIndex);
}

void Game::Form_Load() {
  view_.SetTimerInterval(1000);
  ResetGame();
  LoadCards();
  ShowScores();
  state_.MemorySize = 10;
  view_.EnableDeal();
}

void Game::Form_Unload() {
  view_.EndProgram();
}

void Game::ResetGame() {
  // A turn paused under this reset belongs to the old deal: its pause unwinds it.
  pause_.NewGame();
  random_.Reseed();
  state_.Scores = {0, 0};
  ShuffleDeck(state_, random_);
  state_.MustDeal = kFalse;
  state_.CardsTaken = 0;
  fields_.GameOver = kFalse;
  fields_.CardsTurned = 0;
  state_.FirstCardUp = kFalse;
  view_.SetCaption(Label::Match, "");
  view_.SetCaption(Label::Counter, "0");
  memory_.EraseCardsInMemory();
  // The check mark is the lasting record of the mode.
  if (view_.IsChecked(MenuItem::Practice)) {
    state_.PracticeMode = kTrue;
    state_.ComputerMode = kFalse;
  } else {
    state_.PracticeMode = kFalse;
    state_.ComputerMode = kTrue;
  }
  GivePlayerTurn();
  clock_.ClockRunning = kFalse;
  clock_.ResetClockDisplay();
}

void Game::GivePlayerTurn() {
  state_.PlayersTurn = 1;
  ShowScores();
}

void Game::ShowScores() {
  velmora::ShowScores(state_, view_);
}

void Game::ShowWhoWon() {
  velmora::ShowWhoWon(state_, view_);
}

Int16 Game::NextCard() {
  return velmora::NextCard(state_);
}

void Game::LoadCards() {
  for (Int16 s = 1; s <= kCardCount; ++s) {
    const Int16 card = NextCard();
    state_.Board[s] = {s, card, static_cast<Int16>(card % 13), 0};
    board_.ShowBack(s, state_.BackIndex);
  }
  board_.Dealt();
}

void Game::StartNewGame() {
  ResetGame();
  LoadCards();
  ShowScores();
  state_.MustDeal = kFalse;
  state_.GameInProgress = kFalse;
}

void Game::btn_Deal_Click() {
  view_.OpenModal(Window::Shuffle);
  pause_.AfterModal();  // Exit while the notice was up: no deal into closing windows
  StartNewGame();
}

void Game::mnu_NewGame_Click() {
  StartNewGame();
}

void Game::mnu_Exit_Click() {
  view_.EndProgram();
}

void Game::mnu_Rules_Click() {
  view_.OpenModal(Window::Rules);
}

void Game::mnu_About_Click() {
  view_.OpenModal(Window::About);
}

}  // namespace velmora
