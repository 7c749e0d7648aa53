#include "prefs/ChangeDeck.h"

namespace velmora {

ChangeDeck::ChangeDeck(GameState& state, ShownBoard& board, DialogView& dialogs, Pause& pause,
                       Ini& ini, BackChooser& chooser)
    : state_(state),
      board_(board),
      dialogs_(dialogs),
      pause_(pause),
      ini_(ini),
      chooser_(chooser) {}

void ChangeDeck::mnu_ChangeDeck_Click() {
  if (state_.PlayersTurn != 1) return;  // not while the computer plays
  chooser_.Show(dialogs_);
  pause_.AfterModal();
  if (state_.BackChanged == kFalse) return;
  GetNewBackofCards();
  ini_.WriteDeckBack(state_.BackIndex);
}

void ChangeDeck::GetNewBackofCards() {
  for (Int16 s = 1; s <= kCardCount; ++s) {
    if (state_.Board[s].Turned != kTrue && board_.Shows(s) == ShownBoard::Picture::Back) {
      board_.ShowBack(s, state_.BackIndex);
    }
  }
}

}  // namespace velmora
