#pragma once

#include "core/GameState.h"
#include "core/Random.h"

namespace velmora {

// Fills Deck positions 1..52 with the card numbers 1..52 and sets DealPos to 1. By design
// card 52 never ends on position 52.
void ShuffleDeck(GameState& state, RandomSource& random);

// Deals the card at DealPos and advances it. Dealing past position 52 is a programming error
// and throws std::out_of_range.
Int16 NextCard(GameState& state);

}  // namespace velmora
