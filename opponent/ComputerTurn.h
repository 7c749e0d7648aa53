#pragma once

#include "core/GameState.h"
#include "core/Pause.h"
#include "core/Random.h"
#include "core/Views.h"
#include "opponent/ComputerMemory.h"
#include "opponent/TurnCards.h"

namespace velmora {

// The computer's turn: it draws its first card at random, draws a second one and swaps it
// for a remembered partner when it knows one, and keeps the turn while it wins pairs.
class ComputerTurn {
 public:
  ComputerTurn(GameState& state, MainWindowFields& fields, LabelView& labels, Pause& pause,
               RandomSource& random, TurnCards& cards, ComputerMemory& memory);

  // Plays the whole turn; returns when the player has the turn again or the game is over.
  void ComputersTurn();
  // Turns the computer's first (count 1) or second (count 2) card; after the second it judges
  // the pair. slot, pick and count are the turn's own counters, changed for the caller.
  void FlipCard2(Int16& slot, Int16& pick, Int16& count);

 private:
  void TurnSecondCard(Int16& slot, Int16& pick, Int16& count);
  // A remembered slot may be used as the partner only while its card is still on the board:
  // an entry hidden by a lower level keeps its slot after that card has been taken.
  bool CanUseRemembered(Int16 candidate) const;

  GameState& state_;
  MainWindowFields& fields_;
  LabelView& labels_;
  Pause& pause_;
  RandomSource& random_;
  TurnCards& cards_;
  ComputerMemory& memory_;
};

}  // namespace velmora
