#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/Texts.h"
#include "engine/Game.h"
#include "support/RecordingView.h"

namespace velmora::testing {

struct InvariantScope {
  // No handler is paused: the player is to move (or the game is over).
  bool atRest = false;
  // Entries above this number were hidden by a lower level at some time since the last reset,
  // so they may still name cards that have been taken meanwhile.
  int hiddenAbove = kMemoryEntries;
  // While the chooser has changed the back and the board is not yet redrawn, face-down cards
  // may still show this one.
  Int16 formerBack = 0;
};

// What must hold between any two events, also inside a paused turn. Returns one line per
// broken rule; empty when the game is sound.
inline std::vector<std::string> CheckInvariants(Game& game, const RecordingView& view,
                                                InvariantScope scope) {
  std::vector<std::string> faults;
  const auto fault = [&faults](auto&&... parts) {
    std::ostringstream line;
    (line << ... << parts);
    faults.push_back(line.str());
  };
  const GameState& state = game.state();
  const MainWindowFields& fields = game.fields();
  const auto isFlag = [](Int16 flag) { return flag == kTrue || flag == kFalse; };

  // Scores and taken cards agree.
  const int pairs = state.Scores[0] + state.Scores[1];
  if (state.CardsTaken != 2 * pairs || state.CardsTaken < 0 || state.CardsTaken > kCardCount) {
    fault("CardsTaken ", state.CardsTaken, " with scores ", state.Scores[0], "+", state.Scores[1]);
  }
  if (view.Caption(Label::PotComputer) != SignedText(state.Scores[0]) ||
      view.Caption(Label::PotPlayer) != SignedText(state.Scores[1])) {
    fault("score labels '", view.Caption(Label::PotComputer), "' '", view.Caption(Label::PotPlayer),
          "' for ", state.Scores[0], ":", state.Scores[1]);
  }
  if ((fields.GameOver != kFalse) != (state.CardsTaken == kCardCount)) {
    fault("GameOver ", fields.GameOver, " with ", state.CardsTaken, " cards taken");
  }

  // Flags and modes.
  for (Int16 flag : {state.MustDeal, state.GameInProgress, state.FirstCardUp, fields.GameOver,
                     state.ComputerMode, state.PracticeMode}) {
    if (!isFlag(flag)) fault("a flag holds ", flag);
  }
  if (state.ComputerMode == state.PracticeMode) fault("not exactly one game mode");
  if (state.PlayersTurn != 0 && state.PlayersTurn != 1) fault("PlayersTurn ", state.PlayersTurn);
  // The menus' check marks and the labels tell the level and the mode in force.
  const struct {
    MenuItem item;
    Int16 memorySize;
    const char* name;
  } levels[] = {{MenuItem::Beginner, 5, "Beginner"},
                {MenuItem::Intermediate, 10, "Intermediate"},
                {MenuItem::Advanced, 15, "Advanced"}};
  int levelsChecked = 0;
  for (const auto& level : levels) {
    if (!view.IsChecked(level.item)) continue;
    ++levelsChecked;
    if (state.MemorySize != level.memorySize || view.Caption(Label::Level) != level.name) {
      fault("MemorySize ", state.MemorySize, " and label '", view.Caption(Label::Level), "' under ",
            level.name);
    }
  }
  if (levelsChecked != 1) fault(levelsChecked, " levels checked");
  if (view.IsChecked(MenuItem::Practice) == view.IsChecked(MenuItem::Computer)) {
    fault("not exactly one mode checked");
  }
  if ((state.PracticeMode != kFalse) != view.IsChecked(MenuItem::Practice)) {
    fault("PracticeMode ", state.PracticeMode, " against the check mark");
  }

  // Every slot shows what its state says.
  int taken = 0;
  int faceUpFirst = 0;
  for (Int16 s = 1; s <= kCardCount; ++s) {
    const BoardCard& card = state.Board[s];
    const SlotPicture& shown = view.board[s];
    const SlotPicture face{SlotPicture::Face, card.CardNo};
    if (card.CardValue != card.CardNo % 13) fault("slot ", s, " value ", card.CardValue);
    if (card.Turned == kTrue) {
      if (shown.kind == SlotPicture::Nothing) {
        ++taken;
      } else if (shown == face && s == state.TurnPair[1]) {
        ++faceUpFirst;
      } else {
        fault("slot ", s, " is turned but shows kind ", shown.kind, " #", shown.number);
      }
    } else if (card.Turned == 0) {
      const bool back =
          shown == SlotPicture{SlotPicture::Back, state.BackIndex} ||
          (scope.formerBack != 0 && shown == SlotPicture{SlotPicture::Back, scope.formerBack});
      // Faces on show while a handler waits: the second card of a turn, a hinted card.
      const bool faceOnShow =
          !scope.atRest && shown == face && (s == state.TurnPair[2] || game.hint().Glimpsing(s));
      if (!back && !faceOnShow) {
        fault("slot ", s, " is face down but shows kind ", shown.kind, " #", shown.number);
      }
    } else {
      fault("slot ", s, " Turned ", card.Turned);
    }
  }
  if (taken != state.CardsTaken) fault(taken, " empty slots for ", state.CardsTaken, " taken");
  if (faceUpFirst > 1) fault(faceUpFirst, " first cards face up");
  if (state.FirstCardUp != kFalse && faceUpFirst != 1) fault("FirstCardUp without its card");

  // Memory entries are empty or name a card of their value still in play.
  for (int i = 1; i <= kMemoryEntries; ++i) {
    const MemorySlot& entry = state.Memory[i];
    if (entry.Slot == 0 && entry.Value == 99 && entry.Known == 0) continue;
    if (entry.Slot < 1 || entry.Slot > kCardCount || entry.Known != kTrue ||
        state.Board[entry.Slot].CardValue != entry.Value) {
      fault("memory entry ", i, " (", entry.Slot, ", ", entry.Value, ", ", entry.Known, ")");
    } else if (i <= scope.hiddenAbove && view.board[entry.Slot].kind == SlotPicture::Nothing) {
      fault("memory entry ", i, " names taken slot ", entry.Slot);
    }
  }

  // The clock's label and state agree: it shows its own time, and only a clock that is
  // running (or has just been reset, or has run a whole day) keeps its timer on.
  const GameClock& clock = game.clock();
  if (view.Caption(Label::Clock) != GameClock::FormatClock(clock.ClockTime)) {
    fault("the clock shows ", view.Caption(Label::Clock), " for ",
          GameClock::FormatClock(clock.ClockTime));
  }
  const bool zero = view.Caption(Label::Clock) == "00:00:00";
  if (clock.ClockRunning != kFalse && !view.timerEnabled && !zero) fault("a running clock halted");
  if (clock.ClockRunning == kFalse && view.timerEnabled && !zero) fault("a stopped clock ticks");

  if (scope.atRest) {
    if (state.PlayersTurn != 1) fault("at rest on the computer's turn");
    if (fields.GameOver == kFalse) {
      if (fields.CardsTurned != 0 && fields.CardsTurned != 1) {
        fault("CardsTurned ", fields.CardsTurned, " between clicks");
      }
      if ((fields.CardsTurned == 1) != (state.FirstCardUp != kFalse)) {
        fault("CardsTurned ", fields.CardsTurned, " with FirstCardUp ", state.FirstCardUp);
      }
    } else {
      // The result follows the mode in force when the last pair went; a mode chosen after
      // that changes the flags only.
      const std::string winner =
          state.Scores[0] > state.Scores[1] ? text::kComputerWins : text::kYouWin;
      const std::string shown = view.Caption(Label::Match);
      if (state.MustDeal == kFalse) fault("a finished game still open to play");
      if (shown != winner && shown != text::kGreatJob) {
        fault("result '", shown, "', expected '", winner, "' or '", text::kGreatJob, "'");
      }
    }
  }
  return faults;
}

}  // namespace velmora::testing
