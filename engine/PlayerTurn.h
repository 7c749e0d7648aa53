#pragma once

#include "clock/GameClock.h"
#include "core/GameState.h"
#include "core/Pause.h"
#include "core/Views.h"
#include "opponent/ComputerMemory.h"
#include "opponent/ComputerTurn.h"
#include "opponent/TurnCards.h"

namespace velmora {

// The player's move: a click on a board slot turns the first or second card of a turn,
// judges the pair and, in a game against the computer, hands a failed turn over.
class PlayerTurn {
 public:
  PlayerTurn(GameState& state, MainWindowFields& fields, LabelView& labels, MessageView& messages,
             Pause& pause, TurnCards& cards, ComputerMemory& memory, GameClock& clock,
             ComputerTurn& computer);

  void img_Cards_Click(Int16 slot);
  // Acts on CardsTurned: 1 turns the first card, 2 the second and judges the pair; a click
  // during the second card's look (3 or more) only refreshes the memory count.
  void FlipCard1(Int16 slot);

 private:
  void TurnSecondCard(Int16 slot);

  GameState& state_;
  MainWindowFields& fields_;
  LabelView& labels_;
  MessageView& messages_;
  Pause& pause_;
  TurnCards& cards_;
  ComputerMemory& memory_;
  GameClock& clock_;
  ComputerTurn& computer_;
};

}  // namespace velmora
