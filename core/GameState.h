#pragma once

#include <array>
#include <cstdint>

namespace velmora {

// Every game integer is a 16-bit signed number, as the game has always stored them.
using Int16 = std::int16_t;

// Flags hold -1 for true and 0 for false (PlayersTurn alone holds 1 or 0).
inline constexpr Int16 kTrue = -1;
inline constexpr Int16 kFalse = 0;

inline constexpr int kCardCount = 52;
inline constexpr int kMemoryEntries = 15;
inline constexpr int kBackCount = 12;

// One board slot. Field order matters: it is the record layout of the game.
struct BoardCard {
  Int16 Slot = 0;
  Int16 CardNo = 0;
  Int16 CardValue = 0;
  Int16 Turned = 0;
  bool operator==(const BoardCard&) const = default;
};

// One entry of the computer's memory; an empty entry is (0, 99, 0).
struct MemorySlot {
  Int16 Slot = 0;
  Int16 Value = 0;
  Int16 Known = 0;
  bool operator==(const MemorySlot&) const = default;
};

inline constexpr MemorySlot kEmptyMemorySlot{0, 99, 0};

// The program-wide game state. Arrays are used from index 1; element 0 stays unused so
// that positions, slots and entries keep their natural numbers.
struct GameState {
  std::array<Int16, kCardCount + 1> Deck{};
  Int16 DealPos = 0;
  std::array<BoardCard, kCardCount + 1> Board{};
  std::array<Int16, 3> TurnPair{};
  std::array<Int16, 2> Scores{};  // 0: computer, 1: player
  Int16 PlayersTurn = 0;
  Int16 CardsTaken = 0;
  Int16 ComputerMode = kFalse;
  Int16 PracticeMode = kFalse;
  Int16 MemorySize = 0;
  std::array<MemorySlot, kMemoryEntries + 1> Memory{};
  Int16 MustDeal = kFalse;
  Int16 GameInProgress = kFalse;
  Int16 FirstCardUp = kFalse;
  Int16 BackIndex = 0;
  Int16 BackChanged = kFalse;  // set by the card-back chooser when OK confirms a new back
  bool operator==(const GameState&) const = default;
};

// Fields held by the main window for the turn in progress.
struct MainWindowFields {
  Int16 CardsTurned = 0;
  Int16 FirstValue = 0;
  Int16 SecondValue = 0;
  Int16 FirstCardNo = 0;
  Int16 SecondCardNo = 0;
  Int16 ComputerFirstSlot = 0;
  Int16 GameOver = kFalse;
  bool operator==(const MainWindowFields&) const = default;
};

}  // namespace velmora
