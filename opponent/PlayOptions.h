#pragma once

#include "core/GameState.h"
#include "core/Views.h"

namespace velmora {

// The Levels and Select Game menus: how much the computer remembers, and whether the player
// plays against it or alone.
class PlayOptions {
 public:
  PlayOptions(GameState& state, LabelView& labels, MenuView& menu);

  // A level takes effect at the next memory operation; the memory itself is left alone.
  void mnu_Beginner_Click() { SetLevel(MenuItem::Beginner); }
  void mnu_Intermediate_Click() { SetLevel(MenuItem::Intermediate); }
  void mnu_Advanced_Click() { SetLevel(MenuItem::Advanced); }
  // A mode chosen after the first click of a deal ends that deal until the next one.
  void mnu_Computer_Click() { SetMode(false); }
  void mnu_Practice_Click() { SetMode(true); }

 private:
  void SetLevel(MenuItem level);
  void SetMode(bool practice);

  GameState& state_;
  LabelView& labels_;
  MenuView& menu_;
};

}  // namespace velmora
