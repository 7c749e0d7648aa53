#include "engine/Game.h"

#include "engine/Deck.h"
#include "engine/NumberText.h"

namespace velmora {

Game::Game(MainView& view, EventPump& pump, RandomSource& random, SettingsHost& settingsHost,
           std::optional<std::string> settingsDirectory)
    : memory(state, fields, view),
      clock(state, view, view),
      ini(settingsHost),
      view_(view),
      pump_(pump),
      random_(random),
      settingsDirectory_(std::move(settingsDirectory)) {}

void Game::Form_Initialize() {
  if (settingsDirectory_) {
    ini.SetIniPath(*settingsDirectory_);
  } else {
    ini.SetIniPath();
  }
  ini.ReadDeckBack(state.BackIndex);
}

void Game::Form_Load() {
  view_.SetTimerInterval(1000);
  ResetGame();
  LoadCards();
  ShowScores();
  state.MemorySize = 10;
  view_.EnableDeal();
}

void Game::Form_Unload() {
  view_.EndProgram();
}

void Game::ResetGame() {
  random_.Reseed();
  state.Scores = {0, 0};
  ShuffleDeck(state, random_);
  state.MustDeal = kFalse;
  state.CardsTaken = 0;
  fields.GameOver = kFalse;
  fields.CardsTurned = 0;
  state.FirstCardUp = kFalse;
  view_.SetCaption(Label::Match, "");
  view_.SetCaption(Label::Counter, "0");
  memory.EraseCardsInMemory();
  if (view_.IsChecked(MenuItem::Practice)) {
    state.PracticeMode = kTrue;
    state.ComputerMode = kFalse;
  } else {
    state.PracticeMode = kFalse;
    state.ComputerMode = kTrue;
  }
  GivePlayerTurn();
  clock.ClockRunning = kFalse;
  clock.ResetClockDisplay();
}

void Game::GivePlayerTurn() {
  state.PlayersTurn = 1;
  ShowScores();
}

void Game::ShowScores() {
  view_.SetCaption(Label::PotComputer, SignedText(state.Scores[0]));
  view_.SetCaption(Label::PotPlayer, SignedText(state.Scores[1]));
}

Int16 Game::NextCard() {
  return velmora::NextCard(state);
}

void Game::LoadCards() {
  for (Int16 s = 1; s <= kCardCount; ++s) {
    const Int16 card = NextCard();
    state.Board[s] = {s, card, static_cast<Int16>(card % 13), 0};
    view_.ShowBack(s, state.BackIndex);
  }
}

void Game::StartNewGame() {
  ResetGame();
  LoadCards();
  ShowScores();
  state.MustDeal = kFalse;
  state.GameInProgress = kFalse;
}

void Game::btn_Deal_Click() {
  view_.OpenModal(Window::Shuffle);
  // Exit while the notice was up: the old game must not deal into closing windows.
  if (pump_.Ending()) throw GameEnded{};
  StartNewGame();
}

void Game::mnu_NewGame_Click() {
  StartNewGame();
}

void Game::mnu_Exit_Click() {
  view_.EndProgram();
}

void Game::ShowWhoWon() {
  state.MustDeal = kTrue;
  if (state.PracticeMode != kTrue) {
    view_.SetCaption(Label::Match,
                     state.Scores[0] > state.Scores[1] ? text::kComputerWins : text::kYouWin);
  }
  if (state.PracticeMode == kTrue) view_.SetCaption(Label::Match, text::kGreatJob);
}

void Game::Timer1_Timer() {
  clock.Timer1_Timer();
}

void Game::Delay(float seconds) {
  velmora::Delay(pump_, seconds);
}

// The turns, the hint, the levels and modes, the chooser and the help windows arrive with
// their own changes; until then their events reach these handlers and change nothing.
void Game::img_Cards_Click(Int16) {}
void Game::mnu_Hint_Click() {}
void Game::mnu_Computer_Click() {}
void Game::mnu_Practice_Click() {}
void Game::mnu_Beginner_Click() {}
void Game::mnu_Intermediate_Click() {}
void Game::mnu_Advanced_Click() {}
void Game::mnu_ChangeDeck_Click() {}
void Game::mnu_Rules_Click() {}
void Game::mnu_About_Click() {}

}  // namespace velmora
