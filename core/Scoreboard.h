#pragma once

#include "core/GameState.h"
#include "core/Views.h"

namespace velmora {

// Writes both scores, the computer's first: " 0", " 12".
void ShowScores(const GameState& state, LabelView& labels);

// Announces the result of a finished game and closes the board until the next deal.
void ShowWhoWon(GameState& state, LabelView& labels);

}  // namespace velmora
