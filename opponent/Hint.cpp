#include "opponent/Hint.h"

#include "core/Texts.h"

namespace velmora {

Hint::Hint(const GameState& state, const MainWindowFields& fields, ShownBoard& board, Pause& pause)
    : state_(state), fields_(fields), board_(board), pause_(pause) {}

Int16 Hint::HintSlot() const {
  for (Int16 s = 1; s <= kCardCount; ++s) {
    const BoardCard& card = state_.Board[s];
    if (card.Turned == kTrue) continue;  // taken, or the face-up first card
    if (card.CardNo != fields_.FirstCardNo && card.CardValue == fields_.FirstValue) return s;
  }
  return 0;
}

void Hint::mnu_Hint_Click() {
  if (state_.PlayersTurn != 1 || state_.FirstCardUp == kFalse) return;
  const Int16 slot = HintSlot();
  if (slot == 0) return;

  board_.ShowHint(slot, state_.Board[slot].CardNo);
  const std::uint64_t drawn = board_.Drawings(slot);
  auto& glimpses = glimpses_.at(static_cast<std::size_t>(slot));
  ++glimpses;
  struct Done {
    int& count;
    ~Done() { --count; }
  } done{glimpses};
  pause_.Delay(pause::kAfterCard);

  // A click during the glimpse may have turned this card as the second of the pair, taken it
  // or turned it back; whoever drew it since has left it showing what it is. Only the hint's
  // own face goes face down again, with the back chosen now.
  if (board_.Drawings(slot) == drawn) board_.ShowBack(slot, state_.BackIndex);
}

}  // namespace velmora
