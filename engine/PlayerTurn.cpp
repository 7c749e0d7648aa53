#include "engine/PlayerTurn.h"

#include "core/Scoreboard.h"
#include "core/Texts.h"

namespace velmora {

PlayerTurn::PlayerTurn(GameState& state, MainWindowFields& fields, LabelView& labels,
                       MessageView& messages, Pause& pause, TurnCards& cards,
                       ComputerMemory& memory, GameClock& clock, ComputerTurn& computer)
    : state_(state),
      fields_(fields),
      labels_(labels),
      messages_(messages),
      pause_(pause),
      cards_(cards),
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
    state_.FirstCardUp = kTrue;
    cards_.TurnFirst(slot);
  } else if (fields_.CardsTurned == 2) {
    TurnSecondCard(slot);
  } else {
    memory_.ShowCardInMemory();
  }
}

void PlayerTurn::TurnSecondCard(Int16 slot) {
  state_.FirstCardUp = kFalse;
  cards_.ShowSecond(slot);
  pause_.Delay(pause::kLook);

  if (fields_.FirstValue == fields_.SecondValue) {
    cards_.TakePair(1);
    labels_.SetCaption(Label::Match, text::kYourTurn);
    // The last pair: the memory count is left as it was before the pair was forgotten.
    if (state_.CardsTaken >= kCardCount) {
      fields_.GameOver = kTrue;
      return;
    }
  } else {
    cards_.TurnBack(state_.TurnPair[1]);
    cards_.TurnBack(state_.TurnPair[2]);
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
