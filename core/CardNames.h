#pragma once

#include <string>

#include "core/GameState.h"
#include "core/Texts.h"

namespace velmora {

// The parts of a card's name, each translated on its own; a language orders them through the
// template (German "Kreuz-König", French "roi de trèfle").
inline constexpr const char* kCardRanks[] = {
    //: A card's rank, as it stands in a card's name ("%1 of %2"); ten to king likewise.
    VELMORA_TEXT("Cards", "ace"),   VELMORA_TEXT("Cards", "two"),   VELMORA_TEXT("Cards", "three"),
    VELMORA_TEXT("Cards", "four"),  VELMORA_TEXT("Cards", "five"),  VELMORA_TEXT("Cards", "six"),
    VELMORA_TEXT("Cards", "seven"), VELMORA_TEXT("Cards", "eight"), VELMORA_TEXT("Cards", "nine"),
    VELMORA_TEXT("Cards", "ten"),   VELMORA_TEXT("Cards", "jack"),  VELMORA_TEXT("Cards", "queen"),
    VELMORA_TEXT("Cards", "king")};
inline constexpr const char* kCardSuits[] = {
    //: A suit, as it stands in a card's name ("%1 of %2"); diamonds, clubs, hearts likewise.
    VELMORA_TEXT("Cards", "spades"), VELMORA_TEXT("Cards", "diamonds"),
    VELMORA_TEXT("Cards", "clubs"), VELMORA_TEXT("Cards", "hearts")};
// %1 is the rank, %2 the suit.
inline constexpr const char* kCardNameTemplate =
    //: A card's name: %1 is its rank (ace ... king), %2 its suit (spades ... hearts). Order and
    //: join them as your language names a card, e.g. "%2-%1" for "Kreuz-König".
    VELMORA_TEXT("Cards", "%1 of %2");
inline constexpr const char* kNoCard = VELMORA_TEXT("Cards", "no card");

// What a card is called aloud: card 1 is the ace of spades, 26 the king of diamonds, 52 the
// king of hearts. Suits run spades, diamonds, clubs, hearts, thirteen cards each.
inline const char* CardRank(Int16 cardNo) {
  return kCardRanks[(cardNo - 1) % 13];
}
inline const char* CardSuit(Int16 cardNo) {
  return kCardSuits[(cardNo - 1) / 13];
}
inline bool IsCard(Int16 cardNo) {
  return cardNo >= 1 && cardNo <= kCardCount;
}
inline std::string CardName(Int16 cardNo) {
  if (!IsCard(cardNo)) return kNoCard;
  return std::string(CardRank(cardNo)) + " of " + CardSuit(cardNo);
}

}  // namespace velmora
