#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/GameFixture.h"

namespace velmora::testing {

using Clicks = std::vector<std::pair<double, int>>;  // (time, slot)
using Faces = std::vector<std::pair<double, int>>;   // (time, slot) a face appeared

// A dealt board where slot s holds card s, so slots 13 apart pair (1 with 14, 27 and 40) and
// neighbours never do. Invariants are checked after every event.
class TurnTest : public GameFixture {
 protected:
  void SetUp() override {
    StartUp();
    for (Int16 s = 1; s <= kCardCount; ++s) {
      game.state().Board[s] = {s, s, static_cast<Int16>(s % 13), 0};
    }
    view.boardLog.clear();
    view.matchLog.clear();
    checking = true;
  }

  void ClickAt(double time, int slot) {
    pump.At(time, [this, slot] { Fire([this, slot] { game.img_Cards_Click(Int16(slot)); }); });
  }
  void Schedule(const Clicks& clicks) {
    for (auto [time, slot] : clicks) ClickAt(time, slot);
  }
  void ComputerDraws(const std::vector<int>& slots) {
    for (int slot : slots) random.Push(ScriptedRandom::ForSlot(slot));
  }
  void Practice() {
    view.checks[MenuItem::Practice] = true;
    view.checks[MenuItem::Computer] = false;
    game.state().PracticeMode = kTrue;
    game.state().ComputerMode = kFalse;
  }
  // Takes a pair off the board as if it had been won earlier.
  void TakeEarlier(int a, int b, int scorer) {
    for (int s : {a, b}) {
      game.state().Board[s].Turned = kTrue;
      view.ClearSlot(Int16(s));
    }
    ++game.state().Scores[scorer];
    game.state().CardsTaken = Int16(game.state().CardsTaken + 2);
    game.ShowScores();
  }
  void Run(double until = 60.0) {
    pump.RunUntil(until);
    if (checking) Check();
  }

  Faces FacesShown() const {
    Faces faces;
    for (const auto& change : view.boardLog) {
      if (change.picture.kind == SlotPicture::Face) {
        faces.emplace_back(change.time, change.slot);
      }
    }
    return faces;
  }
  double TimeOf(int slot, SlotPicture::Kind kind) const {
    for (const auto& change : view.boardLog) {
      if (change.slot == slot && change.picture.kind == kind) return change.time;
    }
    return -1.0;
  }
  double MatchTime(const std::string& caption) const {
    for (const auto& [time, text] : view.matchLog) {
      if (text == caption) return time;
    }
    return -1.0;
  }
  const MemorySlot& Entry(int i) { return game.state().Memory[static_cast<std::size_t>(i)]; }
};

}  // namespace velmora::testing
