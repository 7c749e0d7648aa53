#pragma once

#include <array>

#include "core/GameState.h"
#include "core/Pause.h"
#include "core/ShownBoard.h"

namespace velmora {

// File > Hint: a glimpse of a partner of the player's face-up first card. It costs nothing:
// no score, counter, turn or memory changes.
class Hint {
 public:
  Hint(const GameState& state, const MainWindowFields& fields, ShownBoard& board, Pause& pause);

  void mnu_Hint_Click();
  // The lowest-numbered face-down slot holding a partner of the first card; 0 when none.
  Int16 HintSlot() const;
  // Whether a glimpse of this slot is on show now (the hint is waiting).
  bool Glimpsing(Int16 slot) const { return glimpses_.at(static_cast<std::size_t>(slot)) > 0; }

 private:
  const GameState& state_;
  const MainWindowFields& fields_;
  ShownBoard& board_;
  Pause& pause_;
  std::array<int, kCardCount + 1> glimpses_{};
};

}  // namespace velmora
