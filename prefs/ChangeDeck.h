#pragma once

#include "core/GameState.h"
#include "core/Pause.h"
#include "core/ShownBoard.h"
#include "core/Views.h"
#include "prefs/BackChooser.h"
#include "prefs/Ini.h"

namespace velmora {

// Options > Change Deck: the chooser, then the new back on every face-down card and in the
// settings file.
class ChangeDeck {
 public:
  ChangeDeck(GameState& state, ShownBoard& board, DialogView& dialogs, Pause& pause, Ini& ini,
             BackChooser& chooser);

  void mnu_ChangeDeck_Click();
  // Every face-down card that shows its back shows the chosen one. A face on show (the second
  // card of a turn, a hinted card) stays; it gets the new back when it turns face down.
  void GetNewBackofCards();

 private:
  GameState& state_;
  ShownBoard& board_;
  DialogView& dialogs_;
  Pause& pause_;
  Ini& ini_;
  BackChooser& chooser_;
};

}  // namespace velmora
