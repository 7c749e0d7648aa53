#include "opponent/ComputerTurn.h"

#include "core/Scoreboard.h"
#include "core/Texts.h"

namespace velmora {

ComputerTurn::ComputerTurn(GameState& state, MainWindowFields& fields, LabelView& labels,
                           Pause& pause, RandomSource& random, TurnCards& cards,
                           ComputerMemory& memory)
    : state_(state),
      fields_(fields),
      labels_(labels),
      pause_(pause),
      random_(random),
      cards_(cards),
      memory_(memory) {}

void ComputerTurn::ComputersTurn() {
  if (state_.PlayersTurn == 0 && fields_.GameOver == kFalse) {
    Int16 pick = 1;
    Int16 count = 0;
    Int16 lastDrawn = 0;
    fields_.ComputerFirstSlot = 0;
    while (pick <= 2) {
      Int16 s = static_cast<Int16>(RandomInt(random_, kCardCount) + 1);
      // Redrawn at once: the slot just drawn, or a card that is face up or taken.
      if (s == lastDrawn || state_.Board[s].Turned == kTrue) continue;
      lastDrawn = s;
      ++count;
      FlipCard2(s, pick, count);
      pause_.Delay(pause::kAfterCard);
      ++pick;
      if (fields_.GameOver != kFalse) break;
    }
  }
  if (fields_.GameOver != kFalse) {
    state_.PlayersTurn = 1;
    ShowWhoWon(state_, labels_);
  }
}

void ComputerTurn::FlipCard2(Int16& slot, Int16& pick, Int16& count) {
  if (count == 1) {
    fields_.ComputerFirstSlot = slot;
    cards_.TurnFirst(slot);
  } else if (count == 2) {
    TurnSecondCard(slot, pick, count);
  }
}

bool ComputerTurn::CanUseRemembered(Int16 candidate) const {
  return candidate >= 1 && candidate <= kCardCount && candidate != fields_.ComputerFirstSlot &&
         state_.Board[candidate].Turned != kTrue;
}

void ComputerTurn::TurnSecondCard(Int16& slot, Int16& pick, Int16& count) {
  // A hit empties the memory entry whatever happens next; a miss leaves the drawn slot.
  Int16 candidate = slot;
  memory_.GetCardInMemory(candidate);
  if (CanUseRemembered(candidate)) slot = candidate;
  cards_.ShowSecond(slot);
  pause_.Delay(pause::kLook);

  const bool won = fields_.FirstValue == fields_.SecondValue;
  if (won) {
    cards_.TakePair(0);
    slot = state_.TurnPair[2];
    pick = 0;
    labels_.SetCaption(Label::Match, text::kComputersTurn);
    if (state_.CardsTaken >= kCardCount) fields_.GameOver = kTrue;
  } else {
    slot = state_.TurnPair[1];
    cards_.TurnBack(slot);
    // The computer remembers its own first card, not its second.
    memory_.PutCardInMemory(slot, fields_.FirstValue);
    slot = state_.TurnPair[2];
    cards_.TurnBack(slot);
    labels_.SetCaption(Label::Match, text::kYourTurn);
  }
  count = 0;
  if (!won) state_.PlayersTurn = 1;
  memory_.ShowCardInMemory();
}

}  // namespace velmora
