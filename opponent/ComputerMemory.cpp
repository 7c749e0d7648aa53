#include "opponent/ComputerMemory.h"

#include <algorithm>
#include <string>

namespace velmora {

ComputerMemory::ComputerMemory(GameState& state, const MainWindowFields& fields, LabelView& view)
    : state_(state), fields_(fields), view_(view) {}

int ComputerMemory::Bound() const {
  return std::min<int>(state_.MemorySize, kMemoryEntries);
}

void ComputerMemory::GetCardInMemory(Int16& slot) {
  const int bound = Bound();
  for (int i = 1; i <= bound; ++i) {
    MemorySlot& entry = state_.Memory[i];
    if (entry.Value == fields_.FirstValue) {
      slot = entry.Slot;
      // Forgotten even if the caller ends up not using it.
      entry = kEmptyMemorySlot;
      return;
    }
  }
}

void ComputerMemory::PutCardInMemory(Int16 slot, Int16 value) {
  const int bound = Bound();
  // A slot already known keeps its entry as it is; only the slot identifies a card here.
  for (int i = 1; i <= bound; ++i) {
    if (state_.Memory[i].Slot == slot) return;
  }
  // The first free entry wins, so a gap left by a hit or erasure is refilled before later ones.
  for (int j = 1; j <= bound; ++j) {
    if (state_.Memory[j].Slot == 0) {
      state_.Memory[j] = MemorySlot{slot, value, kTrue};
      return;
    }
  }
}

void ComputerMemory::EraseCardsInMemory() {
  // The whole table, not just MemorySize: entries hidden by a lower level must not survive a reset.
  for (int i = 1; i <= kMemoryEntries; ++i) state_.Memory[i] = kEmptyMemorySlot;
}

void ComputerMemory::EraseCardInMemory(Int16 value, Int16 slot) {
  const int bound = Bound();
  for (int i = 1; i <= bound; ++i) {
    MemorySlot& entry = state_.Memory[i];
    if (entry.Value == value && entry.Slot == slot) {
      entry = kEmptyMemorySlot;
      return;
    }
  }
}

void ComputerMemory::ShowCardInMemory() {
  const int bound = Bound();
  int count = 0;
  for (int i = 1; i <= bound; ++i) {
    if (state_.Memory[i].Known != 0) ++count;
  }
  view_.SetCaption(Label::Counter, std::to_string(count));
}

}  // namespace velmora
