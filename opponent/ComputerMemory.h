#pragma once

#include "core/GameState.h"
#include "core/Views.h"

namespace velmora {

// The computer's memory of cards it has seen: a fixed table of which the level uses the first
// MemorySize entries. It never evicts; room comes only from hits and erasures.
class ComputerMemory {
 public:
  ComputerMemory(GameState& state, const MainWindowFields& fields, LabelView& view);

  // Looks for a remembered partner of fields.FirstValue. On a hit the lowest such entry's slot
  // is written into `slot` and the entry is forgotten; on a miss `slot` is left as passed.
  void GetCardInMemory(Int16& slot);
  // Remembers a card unless its slot is already known or every usable entry is taken.
  void PutCardInMemory(Int16 slot, Int16 value);
  // Forgets everything, including entries above the current MemorySize.
  void EraseCardsInMemory();
  // Forgets the entry holding exactly this value at this slot, if there is one.
  void EraseCardInMemory(Int16 value, Int16 slot);
  // Writes the number of remembered cards into the hidden counter label.
  void ShowCardInMemory();

 private:
  // MemorySize capped to the table, so a stray size can never index past it.
  int Bound() const;

  GameState& state_;
  const MainWindowFields& fields_;
  LabelView& view_;
};

}  // namespace velmora
