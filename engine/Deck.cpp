#include "engine/Deck.h"

#include <stdexcept>

namespace velmora {

void ShuffleDeck(GameState& state, RandomSource& random) {
  auto& deck = state.Deck;
  for (int p = 1; p <= kCardCount; ++p) deck[p] = -1;

  for (Int16 c = 1; c <= kCardCount; ++c) {
    // n ranges over one fewer than the empty positions, which keeps position 52 free until
    // card 52 itself arrives there.
    const int n = RandomInt(random, static_cast<Int16>(kCardCount - c)) + 1;
    int empties = 0;
    for (int k = 1; k <= kCardCount; ++k) {
      if (deck[k] == -1 && ++empties == n) {
        deck[k] = c;
        break;
      }
    }
  }

  // Move card 52 off the last position in exchange for a random card.
  const int r = RandomInt(random, kCardCount - 1) + 1;
  deck[kCardCount] = deck[r];
  deck[r] = kCardCount;
  state.DealPos = 1;
}

Int16 NextCard(GameState& state) {
  if (state.DealPos < 0 || state.DealPos > kCardCount) {
    throw std::out_of_range("dealt past the end of the deck");
  }
  const Int16 card = state.Deck[state.DealPos];
  ++state.DealPos;
  return card;
}

}  // namespace velmora
