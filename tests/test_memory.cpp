#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "opponent/ComputerMemory.h"
#include "support/RecordingView.h"

namespace velmora {
namespace {

// Entries as (Slot, Value, Known) tuples, which compare and print readably.
using Entry = std::tuple<int, int, int>;
const Entry kEmpty{0, 99, 0};
Entry Held(int slot, int value) {
  return {slot, value, kTrue};
}

class ComputerMemoryTest : public ::testing::Test {
 protected:
  ComputerMemoryTest() {
    state.MemorySize = 5;
    memory.EraseCardsInMemory();
  }

  Entry At(int i) const {
    const MemorySlot& m = state.Memory[i];
    return {m.Slot, m.Value, m.Known};
  }
  std::vector<Entry> Table() const {
    std::vector<Entry> all;
    for (int i = 1; i <= kMemoryEntries; ++i) all.push_back(At(i));
    return all;
  }

  std::string Counter() {
    memory.ShowCardInMemory();
    return view.Caption(Label::Counter);
  }

  GameState state;
  MainWindowFields fields;
  testing::RecordingView view;
  ComputerMemory memory{state, fields, view};
};

TEST_F(ComputerMemoryTest, PutFillsFirstFreeEntryAndIgnoresKnownSlot) {
  memory.PutCardInMemory(17, 4);
  memory.PutCardInMemory(30, 4);
  memory.PutCardInMemory(17, 9);  // same slot, other value: stays as first remembered

  EXPECT_EQ(At(1), Held(17, 4));
  EXPECT_EQ(At(2), Held(30, 4));
  EXPECT_EQ(At(3), kEmpty);
  EXPECT_EQ(Counter(), "2");
}

TEST_F(ComputerMemoryTest, FullTableStoresNothingMore) {
  for (Int16 s = 1; s <= 5; ++s) memory.PutCardInMemory(s, s);
  const auto before = Table();

  memory.PutCardInMemory(40, 1);

  EXPECT_EQ(Table(), before);
  EXPECT_EQ(Counter(), "5");
}

TEST_F(ComputerMemoryTest, FreedEntryIsReusedBeforeLaterOnes) {
  state.MemorySize = 10;
  for (Int16 s = 1; s <= 5; ++s) memory.PutCardInMemory(s, s);
  memory.EraseCardInMemory(3, 3);

  memory.PutCardInMemory(44, 8);

  EXPECT_EQ(At(3), Held(44, 8));
  EXPECT_EQ(At(6), kEmpty);
}

TEST_F(ComputerMemoryTest, GetTakesLowestMatchingEntryAndEmptiesIt) {
  memory.PutCardInMemory(11, 2);
  memory.PutCardInMemory(21, 7);
  memory.PutCardInMemory(12, 3);
  memory.PutCardInMemory(13, 4);
  memory.PutCardInMemory(25, 7);
  fields.FirstValue = 7;

  Int16 slot = 0;
  memory.GetCardInMemory(slot);
  EXPECT_EQ(slot, 21);
  EXPECT_EQ(At(2), kEmpty);
  EXPECT_EQ(At(5), Held(25, 7));

  memory.GetCardInMemory(slot);
  EXPECT_EQ(slot, 25);
  EXPECT_EQ(Counter(), "3");
}

TEST_F(ComputerMemoryTest, GetWithoutHitLeavesSlotAndTableAlone) {
  memory.PutCardInMemory(11, 2);
  state.Memory[6] = {30, 7, kTrue};  // above MemorySize: not searched
  const auto before = Table();
  fields.FirstValue = 7;

  Int16 slot = 38;
  memory.GetCardInMemory(slot);

  EXPECT_EQ(slot, 38);
  EXPECT_EQ(Table(), before);
}

TEST_F(ComputerMemoryTest, EraseNeedsBothValueAndSlot) {
  memory.PutCardInMemory(9, 6);
  const auto before = Table();

  memory.EraseCardInMemory(6, 10);
  EXPECT_EQ(Table(), before);
  memory.EraseCardInMemory(5, 9);
  EXPECT_EQ(Table(), before);

  memory.EraseCardInMemory(6, 9);
  EXPECT_EQ(At(1), kEmpty);
}

TEST_F(ComputerMemoryTest, EntriesAboveSizeAreHiddenButClearedByEraseAll) {
  state.MemorySize = 15;
  for (Int16 s = 1; s <= 15; ++s) memory.PutCardInMemory(s, s % 13);
  EXPECT_EQ(Counter(), "15");

  state.MemorySize = 5;
  memory.EraseCardInMemory(1, 14);  // entry 14 is out of reach
  EXPECT_EQ(At(14), Held(14, 1));
  memory.EraseCardInMemory(2, 2);
  memory.PutCardInMemory(40, 1);
  EXPECT_EQ(At(2), Held(40, 1));
  EXPECT_EQ(Counter(), "5");

  memory.EraseCardsInMemory();
  for (int i = 1; i <= kMemoryEntries; ++i) EXPECT_EQ(At(i), kEmpty) << i;
  EXPECT_EQ(Counter(), "0");
}

TEST_F(ComputerMemoryTest, ZeroSizeRemembersAndFindsNothing) {
  state.Memory[1] = {8, 7, kTrue};
  state.MemorySize = 0;
  fields.FirstValue = 7;

  memory.PutCardInMemory(20, 3);
  Int16 slot = 5;
  memory.GetCardInMemory(slot);

  EXPECT_EQ(slot, 5);
  EXPECT_EQ(At(1), Held(8, 7));
  EXPECT_EQ(At(2), kEmpty);
  EXPECT_EQ(Counter(), "0");
}

}  // namespace
}  // namespace velmora
