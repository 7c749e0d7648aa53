#include "core/Scoreboard.h"

#include "core/NumberText.h"
#include "core/Texts.h"

namespace velmora {

void ShowScores(const GameState& state, LabelView& labels) {
  labels.SetCaption(Label::PotComputer, SignedText(state.Scores[0]));
  labels.SetCaption(Label::PotPlayer, SignedText(state.Scores[1]));
}

void ShowWhoWon(GameState& state, LabelView& labels) {
  state.MustDeal = kTrue;
  if (state.PracticeMode != kTrue) {
    // A tie goes to the player.
    labels.SetCaption(Label::Match,
                      state.Scores[0] > state.Scores[1] ? text::kComputerWins : text::kYouWin);
  }
  if (state.PracticeMode == kTrue) labels.SetCaption(Label::Match, text::kGreatJob);
}

}  // namespace velmora
