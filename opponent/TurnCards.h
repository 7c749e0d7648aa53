#pragma once

#include "core/GameState.h"
#include "core/Views.h"
#include "opponent/ComputerMemory.h"

namespace velmora {

// What the player's turn and the computer's turn do alike with the two cards of a pair.
class TurnCards {
 public:
  TurnCards(GameState& state, MainWindowFields& fields, BoardView& board, LabelView& labels,
            ComputerMemory& memory);

  // The first card of a pair: face up, and no longer to be chosen by either side.
  void TurnFirst(Int16 slot);
  // The second card: its face on show while Turned stays 0.
  void ShowSecond(Int16 slot);
  // Both cards of the pair leave the board and the memory; side 0 (computer) or 1 scores.
  void TakePair(int side);
  // A card of a failed pair lies face down again, with the back chosen now.
  void TurnBack(Int16 slot);

 private:
  GameState& state_;
  MainWindowFields& fields_;
  BoardView& board_;
  LabelView& labels_;
  ComputerMemory& memory_;
};

}  // namespace velmora
