#pragma once

#include <string>

#include "core/GameState.h"

namespace velmora {

// What a card is called aloud: card 1 is the ace of spades, 26 the king of diamonds, 52 the
// king of hearts. Suits run spades, diamonds, clubs, hearts, thirteen cards each.
inline std::string CardName(Int16 cardNo) {
  static constexpr const char* kRanks[] = {"ace",  "two",   "three", "four", "five",
                                           "six",  "seven", "eight", "nine", "ten",
                                           "jack", "queen", "king"};
  static constexpr const char* kSuits[] = {"spades", "diamonds", "clubs", "hearts"};
  if (cardNo < 1 || cardNo > kCardCount) return "no card";
  return std::string(kRanks[(cardNo - 1) % 13]) + " of " + kSuits[(cardNo - 1) / 13];
}

}  // namespace velmora
