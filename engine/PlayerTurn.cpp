#include "engine/PlayerTurn.h"

#include "core/Scoreboard.h"
#include "core/Texts.h"

namespace velmora {

PlayerTurn::PlayerTurn(GameState& state, MainWindowFields& fields, BoardView& board,
                       LabelView& labels, MessageView& messages, Pause& pause,
                       ComputerMemory& memory, GameClock& clock, ComputerTurn& computer)
    : state_(state),
      fields_(fields),
      board_(board),
      labels_(labels),
      messages_(messages),
      pause_(pause),
      memory_(memory),
      clock_(clock),
      computer_(computer) {}

void PlayerTurn::img_Cards_Click(Int16 slot) {
  if (slot < 1 || slot > kCardCount) return;  // the board has no such slot
  if (state_.MustDeal != kFalse) {
    messages_.ShowMessage(text::kMustDeal, kStyleInformation, text::kMessageTitle);
    return;
  }
  state_.GameInProgress = kTrue;
  if (state_.PlayersTurn == 1) {
    clock_.StartClockDisplay();
    // The face-up first card and taken cards ignore the click.
    if (state_.Board[slot].Turned != kTrue) {
      ++fields_.CardsTurned;
      FlipCard1(slot);
      pause_.Delay(pause::kAfterCard);
      if (state_.PlayersTurn == 0 && fields_.GameOver == kFalse) {
        pause_.Delay(pause::kLook);
        computer_.ComputersTurn();
      }
    }
  }
  // Also for a click handled inside a pause: the result may be shown more than once.
  if (fields_.GameOver != kFalse) {
    state_.PlayersTurn = 1;
    clock_.StopClockDisplay();
    ShowWhoWon(state_, labels_);
  }
}

void PlayerTurn::FlipCard1(Int16 slot) {
  if (fields_.CardsTurned == 1) {
    TurnFirstCard(slot);
  } else if (fields_.CardsTurned == 2) {
    TurnSecondCard(slot);
  } else {
    memory_.ShowCardInMemory();
  }
}

void PlayerTurn::TurnFirstCard(Int16 slot) {
  state_.FirstCardUp = kTrue;
  state_.TurnPair[1] = slot;
  fields_.FirstCardNo = state_.Board[slot].CardNo;
  fields_.FirstValue = state_.Board[slot].CardValue;
  state_.Board[slot].Turned = kTrue;
  board_.ShowFace(slot, fields_.FirstCardNo);
  memory_.ShowCardInMemory();
}

void PlayerTurn::TurnSecondCard(Int16 slot) {
  state_.FirstCardUp = kFalse;
  state_.TurnPair[2] = slot;
  fields_.SecondCardNo = state_.Board[slot].CardNo;
  fields_.SecondValue = state_.Board[slot].CardValue;
  // Turned stays 0 while the second card is on show.
  board_.ShowFace(slot, fields_.SecondCardNo);
  pause_.Delay(pause::kLook);

  if (fields_.FirstValue == fields_.SecondValue) {
    const Int16 first = state_.TurnPair[1];
    state_.Board[first].Turned = kTrue;
    memory_.EraseCardInMemory(fields_.FirstValue, first);
    board_.ClearSlot(first);
    const Int16 second = state_.TurnPair[2];
    state_.Board[second].Turned = kTrue;
    memory_.EraseCardInMemory(fields_.SecondValue, second);
    board_.ClearSlot(second);
    ++state_.Scores[1];
    ShowScores(state_, labels_);
    state_.CardsTaken = static_cast<Int16>(state_.CardsTaken + 2);
    labels_.SetCaption(Label::Match, text::kYourTurn);
    // The last pair: the memory count is left as it was before the pair was forgotten.
    if (state_.CardsTaken >= kCardCount) {
      fields_.GameOver = kTrue;
      return;
    }
  } else {
    for (int element : {1, 2}) {
      const Int16 s = state_.TurnPair[static_cast<std::size_t>(element)];
      state_.Board[s].Turned = 0;
      board_.ShowBack(s, state_.BackIndex);
    }
    if (state_.ComputerMode != kFalse) {
      labels_.SetCaption(Label::Match, text::kComputersTurn);
      state_.PlayersTurn = 0;
      // Only the second card: the computer never remembers the player's first.
      memory_.PutCardInMemory(state_.TurnPair[2], fields_.SecondValue);
    } else {
      labels_.SetCaption(Label::Match, text::kYourTurn);
    }
  }
  fields_.CardsTurned = 0;
  memory_.ShowCardInMemory();
}

}  // namespace velmora
