#include "opponent/TurnCards.h"

#include "core/Scoreboard.h"

namespace velmora {

TurnCards::TurnCards(GameState& state, MainWindowFields& fields, BoardView& board,
                     LabelView& labels, ComputerMemory& memory)
    : state_(state), fields_(fields), board_(board), labels_(labels), memory_(memory) {}

void TurnCards::TurnFirst(Int16 slot) {
  state_.TurnPair[1] = slot;
  fields_.FirstCardNo = state_.Board[slot].CardNo;
  fields_.FirstValue = state_.Board[slot].CardValue;
  state_.Board[slot].Turned = kTrue;
  board_.ShowFace(slot, fields_.FirstCardNo);
  memory_.ShowCardInMemory();
}

void TurnCards::ShowSecond(Int16 slot) {
  state_.TurnPair[2] = slot;
  fields_.SecondCardNo = state_.Board[slot].CardNo;
  fields_.SecondValue = state_.Board[slot].CardValue;
  board_.ShowFace(slot, fields_.SecondCardNo);
}

void TurnCards::TakePair(int side) {
  const auto take = [this](Int16 slot, Int16 value) {
    state_.Board[slot].Turned = kTrue;
    memory_.EraseCardInMemory(value, slot);
    board_.ClearSlot(slot);
  };
  take(state_.TurnPair[1], fields_.FirstValue);
  take(state_.TurnPair[2], fields_.SecondValue);
  ++state_.Scores[static_cast<std::size_t>(side)];
  ShowScores(state_, labels_);
  state_.CardsTaken = static_cast<Int16>(state_.CardsTaken + 2);
}

void TurnCards::TurnBack(Int16 slot) {
  state_.Board[slot].Turned = 0;
  board_.ShowBack(slot, state_.BackIndex);
}

}  // namespace velmora
