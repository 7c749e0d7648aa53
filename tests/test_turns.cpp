#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/Texts.h"
#include "support/GameFixture.h"

namespace velmora {
namespace {

using testing::GameFixture;
using testing::ScriptedRandom;
using testing::SlotPicture;

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

  Faces FacesShown(double after = -1.0) const {
    Faces faces;
    for (const auto& change : view.boardLog) {
      if (change.picture.kind == SlotPicture::Face && change.time > after) {
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

// The player's pair and miss in both modes, to the millisecond of virtual time: the first
// card at once, 0.75 s, the second card, 2 s look, then taken or turned back; after a miss
// against the computer, 0.75 s and 2 s more before the computer's first card.
struct TimingCase {
  const char* name;
  bool practice;
  int second;
  Faces faces;
  const char* caption;
  std::vector<int> score;  // computer, player
  const char* counter;
};

void PrintTo(const TimingCase& c, std::ostream* out) {
  *out << c.name;
}

class PlayerTimingTest : public TurnTest, public ::testing::WithParamInterface<TimingCase> {};

TEST_P(PlayerTimingTest, CardsShowTurnAndVanishOnTime) {
  const TimingCase& c = GetParam();
  if (c.practice) Practice();
  ComputerDraws({3, 4});
  Schedule({{0.0, 1}, {1.0, c.second}});
  Run();
  EXPECT_EQ(FacesShown(), c.faces);
  const bool pair = c.second == 14;
  const SlotPicture::Kind after = pair ? SlotPicture::Nothing : SlotPicture::Back;
  EXPECT_DOUBLE_EQ(TimeOf(1, after), 3.0);
  EXPECT_DOUBLE_EQ(TimeOf(c.second, after), 3.0);
  EXPECT_DOUBLE_EQ(MatchTime(pair || c.practice ? text::kYourTurn : text::kComputersTurn), 3.0);
  EXPECT_EQ(view.Caption(Label::Match), c.caption);
  EXPECT_EQ(game.state().Scores[0], c.score[0]);
  EXPECT_EQ(game.state().Scores[1], c.score[1]);
  EXPECT_EQ(view.Caption(Label::Counter), c.counter);
  EXPECT_EQ(game.state().PlayersTurn, 1);
  if (!pair && !c.practice) {
    // The computer's two cards turn back 2 s after its second card, and it gives up the turn.
    EXPECT_DOUBLE_EQ(TimeOf(3, SlotPicture::Back), 8.5);
    EXPECT_DOUBLE_EQ(MatchTime(text::kYourTurn), 8.5);
    EXPECT_EQ(Entry(1).Slot, 2) << "the player's second card is remembered";
    EXPECT_EQ(Entry(2).Slot, 3) << "then the computer's own first card";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Turns, PlayerTimingTest,
    ::testing::Values(
        TimingCase{"PairAgainstTheComputer",
                   false,
                   14,
                   {{0.0, 1}, {1.0, 14}},
                   text::kYourTurn,
                   {0, 1},
                   "0"},
        TimingCase{"MissAgainstTheComputer",
                   false,
                   2,
                   {{0.0, 1}, {1.0, 2}, {5.75, 3}, {6.5, 4}},
                   text::kYourTurn,
                   {0, 0},
                   "2"},
        TimingCase{"PairInPractice", true, 14, {{0.0, 1}, {1.0, 14}}, text::kYourTurn, {0, 1}, "0"},
        TimingCase{"MissInPracticeRemembersNothing",
                   true,
                   2,
                   {{0.0, 1}, {1.0, 2}},
                   text::kYourTurn,
                   {0, 0},
                   "0"}),
    [](const auto& info) { return std::string(info.param.name); });

// What a click does when it arrives inside a pause of a turn in progress.
struct PauseClickCase {
  const char* name;
  Clicks clicks;
  Faces faces;
  std::vector<int> score;
  std::pair<double, int> cardsTurnedProbe;  // CardsTurned just after this moment
};

void PrintTo(const PauseClickCase& c, std::ostream* out) {
  *out << c.name;
}

class ClickInPauseTest : public TurnTest, public ::testing::WithParamInterface<PauseClickCase> {};

TEST_P(ClickInPauseTest, FlagsDecideWhatTheClickDoes) {
  const PauseClickCase& c = GetParam();
  ComputerDraws({3, 4});
  Schedule(c.clicks);
  int probed = -1;
  pump.At(c.cardsTurnedProbe.first, [&] { probed = game.fields().CardsTurned; });
  Run();
  EXPECT_EQ(FacesShown(), c.faces);
  EXPECT_EQ(game.state().Scores[0], c.score[0]);
  EXPECT_EQ(game.state().Scores[1], c.score[1]);
  EXPECT_EQ(probed, c.cardsTurnedProbe.second);
  EXPECT_EQ(game.state().PlayersTurn, 1);
  EXPECT_EQ(view.messages.size(), 0u);
}

const Faces kPlayerPair = {{0.0, 1}, {1.0, 14}};
const Faces kMissThenComputer = {{0.0, 1}, {1.0, 2}, {5.75, 3}, {6.5, 4}};

INSTANTIATE_TEST_SUITE_P(
    Turns, ClickInPauseTest,
    ::testing::Values(
        PauseClickCase{"SecondCardInsideTheFirstCardsPause",
                       {{0.0, 1}, {0.5, 14}},
                       {{0.0, 1}, {0.5, 14}},
                       {0, 1},
                       {0.6, 2}},
        PauseClickCase{"FaceUpFirstCardIgnored", {{0.0, 1}, {0.5, 1}}, {{0.0, 1}}, {0, 0}, {5, 1}},
        PauseClickCase{"FaceDownCardDuringTheLook",
                       {{0.0, 1}, {1.0, 14}, {2.0, 5}},
                       kPlayerPair,
                       {0, 1},
                       {2.1, 3}},
        PauseClickCase{"SecondCardAgainDuringItsLook",
                       {{0.0, 1}, {1.0, 14}, {1.5, 14}},
                       kPlayerPair,
                       {0, 1},
                       {3.5, 0}},
        PauseClickCase{
            "TakenCardIgnored", {{0.0, 1}, {1.0, 14}, {4.0, 1}}, kPlayerPair, {0, 1}, {4.1, 0}},
        PauseClickCase{"RefusedBeforeTheComputersTurn",
                       {{0.0, 1}, {1.0, 2}, {3.5, 5}, {4.5, 6}},
                       kMissThenComputer,
                       {0, 0},
                       {4.6, 0}},
        PauseClickCase{"RefusedDuringTheComputersTurn",
                       {{0.0, 1}, {1.0, 2}, {6.0, 5}, {7.0, 6}},
                       kMissThenComputer,
                       {0, 0},
                       {7.1, 0}},
        // The computer gives the turn back before its last 0.75 s pause ends.
        PauseClickCase{"AcceptedInTheComputersLastPause",
                       {{0.0, 1}, {1.0, 2}, {8.7, 7}},
                       {{0.0, 1}, {1.0, 2}, {5.75, 3}, {6.5, 4}, {8.7, 7}},
                       {0, 0},
                       {9.0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

// The computer's own rules for its second card, its memory and its repeated turns.
TEST_F(TurnTest, ComputersSecondCardComesFromMemoryOnlyForAnotherSlot) {
  random.StopRepeating();
  auto& state = game.state();
  state.PlayersTurn = 0;
  // The lowest entry of value 3 is the first card itself: emptied, the drawn card stands even
  // though entry 2 knows a partner; after the miss the first card is remembered again.
  state.Memory[1] = {3, 3, kTrue};
  state.Memory[2] = {16, 3, kTrue};
  ComputerDraws({3, 5});
  Fire([&] { game.computer().ComputersTurn(); });
  EXPECT_EQ(FacesShown(), (Faces{{0.0, 3}, {0.75, 5}}));
  EXPECT_EQ(state.Scores[0], 0);
  EXPECT_EQ(Entry(1).Slot, 3);
  EXPECT_EQ(Entry(2).Slot, 16);

  view.boardLog.clear();
  state.Memory[1] = {16, 3, kTrue};
  state.Memory[2] = kEmptyMemorySlot;
  state.PlayersTurn = 0;
  // First card 3; drawn 5 is swapped for remembered 16 and the pair is won. The drawn slot 5
  // stays face down, and the next draw rejects it as the last drawn slot, and 16 as taken.
  ComputerDraws({3, 5, 5, 16, 6, 7});
  const double start = pump.Now();
  Fire([&] { game.computer().ComputersTurn(); });
  EXPECT_EQ(FacesShown(),
            (Faces{{start, 3}, {start + 0.75, 16}, {start + 3.5, 6}, {start + 4.25, 7}}));
  EXPECT_EQ(state.Scores[0], 1);
  EXPECT_EQ(state.CardsTaken, 2);
  EXPECT_EQ(view.board[5], (SlotPicture{SlotPicture::Back, 1}));
  EXPECT_EQ(Entry(1).Slot, 6) << "the found partner was forgotten; the new miss fills entry 1";
  EXPECT_EQ(view.Caption(Label::Match), text::kYourTurn);
  EXPECT_EQ(view.Caption(Label::Counter), "1");
}

TEST_F(TurnTest, ComputerTakesTheLastTwoPairsInOneTurnAndEndsTheGame) {
  random.StopRepeating();
  for (int s = 3; s <= 13; ++s) TakeEarlier(s, s + 13, s % 2);
  for (int s = 29; s <= 39; ++s) TakeEarlier(s, s + 13, s % 2);
  TakeEarlier(27, 40, 0);
  TakeEarlier(28, 41, 1);
  // Left: 1, 14 (value 1) and 2, 15 (value 2); the scores stand at 12:12.
  ASSERT_EQ(game.state().CardsTaken, 48);
  game.state().Scores = {12, 12};
  game.ShowScores();
  game.state().PlayersTurn = 0;
  ComputerDraws({5, 1, 1, 14, 40, 2, 15});  // taken and repeated slots are drawn again
  Fire([&] { game.computer().ComputersTurn(); });
  EXPECT_EQ(FacesShown(), (Faces{{0.0, 1}, {0.75, 14}, {3.5, 2}, {4.25, 15}}));
  EXPECT_EQ(game.fields().GameOver, kTrue);
  EXPECT_EQ(game.state().PlayersTurn, 1);
  EXPECT_EQ(game.state().MustDeal, kTrue);
  EXPECT_EQ(view.Caption(Label::Match), text::kComputerWins);
  EXPECT_DOUBLE_EQ(MatchTime(text::kComputerWins), 7.0);
}

TEST_F(TurnTest, PlayersLastPairShowsTheResultAfterThePauseAndClosesTheBoard) {
  for (int s = 2; s <= 13; ++s) TakeEarlier(s, s + 13, s % 2);
  for (int s = 28; s <= 39; ++s) TakeEarlier(s, s + 13, s % 2);
  TakeEarlier(27, 40, 0);
  game.state().Memory[1] = {14, 1, kTrue};
  ASSERT_EQ(game.state().CardsTaken, 50);
  ASSERT_EQ(game.state().Scores[0], 13);
  Schedule({{0.0, 1}, {1.0, 14}, {10.0, 14}});
  Run();
  EXPECT_DOUBLE_EQ(MatchTime(text::kYourTurn), 3.0);
  EXPECT_DOUBLE_EQ(MatchTime(text::kYouWin), 3.75) << "13:13 is the player's";
  EXPECT_EQ(view.Caption(Label::Counter), "1") << "left as it was before the pair was forgotten";
  EXPECT_EQ(Entry(1).Slot, 0);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].prompt, text::kMustDeal);
  EXPECT_EQ(view.messages[0].style, kStyleInformation);
  EXPECT_EQ(view.messages[0].title, text::kMessageTitle);
}

// Deal, New Game or Exit inside any pause of a turn. The paused turn must not resume on the
// new deal (a reset) nor touch anything once the program ends.
enum class Interruption { Deal, NewGame, Exit };

struct ResetCase {
  const char* name;
  Clicks clicks;
  double at;
};

void PrintTo(const ResetCase& c, std::ostream* out) {
  *out << c.name;
}

class InterruptedTurnTest
    : public TurnTest,
      public ::testing::WithParamInterface<std::tuple<ResetCase, Interruption>> {};

TEST_P(InterruptedTurnTest, ThePausedTurnUnwindsWithoutTouchingTheNewGame) {
  const auto& [c, interruption] = GetParam();
  Schedule(c.clicks);
  ComputerDraws({3, 16, 5, 6});  // the computer wins a pair, then misses
  view.onOpenModal = [this](Window) { Delay(pump, 3.0f); };
  view.onEndProgram = [this] { pump.End(); };
  pump.At(c.at, [&, interruption = interruption] {
    Fire([&] {
      switch (interruption) {
        case Interruption::Deal:
          game.btn_Deal_Click();
          break;
        case Interruption::NewGame:
          game.mnu_NewGame_Click();
          break;
        case Interruption::Exit:
          game.mnu_Exit_Click();
          checking = false;  // the program ends in mid-turn
          break;
      }
    });
  });
  const auto before = view.boardLog.size();
  Run();
  EXPECT_EQ(unwound, 1) << "exactly the paused handler unwinds";
  // Nothing that the old turn does may show after the interruption, and no face at all on a
  // new board.
  const double settled = interruption == Interruption::Deal ? c.at + 3.0 : c.at;
  for (std::size_t i = before; i < view.boardLog.size(); ++i) {
    const auto& change = view.boardLog[i];
    if (change.time < c.at) continue;
    EXPECT_TRUE(interruption != Interruption::Exit) << "slot " << change.slot << " changed";
    EXPECT_EQ(change.picture.kind, SlotPicture::Back) << "slot " << change.slot;
    EXPECT_DOUBLE_EQ(change.time, settled);
  }
  if (interruption == Interruption::Exit) return;
  const GameState& state = game.state();
  EXPECT_EQ(state.Scores[0] + state.Scores[1], 0);
  EXPECT_EQ(state.CardsTaken, 0);
  EXPECT_EQ(state.PlayersTurn, 1);
  EXPECT_EQ(game.fields().CardsTurned, 0);
  EXPECT_EQ(view.Caption(Label::Match), "");
  EXPECT_EQ(view.Caption(Label::Counter), "0");
  for (int i = 1; i <= kMemoryEntries; ++i) EXPECT_EQ(Entry(i).Slot, 0) << "entry " << i;
}

std::string InterruptedTurnName(
    const ::testing::TestParamInfo<std::tuple<ResetCase, Interruption>>& info) {
  static const char* const kNames[] = {"Deal", "NewGame", "Exit"};
  return std::string(std::get<0>(info.param).name) +
         kNames[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(
    Turns, InterruptedTurnTest,
    ::testing::Combine(
        ::testing::Values(ResetCase{"PlayersFirstCardPause", {{0.0, 1}}, 0.3},
                          ResetCase{"PlayersLook", {{0.0, 1}, {1.0, 2}}, 2.0},
                          ResetCase{"PauseAfterTheMiss", {{0.0, 1}, {1.0, 2}}, 3.3},
                          ResetCase{"WaitBeforeTheComputer", {{0.0, 1}, {1.0, 2}}, 4.5},
                          ResetCase{"ComputersFirstCardPause", {{0.0, 1}, {1.0, 2}}, 6.0},
                          ResetCase{"ComputersLook", {{0.0, 1}, {1.0, 2}}, 7.5},
                          ResetCase{"PauseAfterTheComputersPair", {{0.0, 1}, {1.0, 2}}, 8.8}),
        ::testing::Values(Interruption::Deal, Interruption::NewGame, Interruption::Exit)),
    InterruptedTurnName);

// A level lowered and raised again: an entry hidden meanwhile keeps the slot of a card that
// was taken. The computer must not pair with a card that has left the board.
TEST_F(TurnTest, ARememberedCardThatWasTakenIsNeverUsedAsAPartner) {
  hiddenAbove = 5;  // Beginner hides entries 6 and up for a while
  auto& state = game.state();
  state.MemorySize = 15;
  for (int i = 1; i <= 5; ++i)
    state.Memory[static_cast<std::size_t>(i)] = {Int16(i + 3), Int16(i + 3), kTrue};
  state.Memory[6] = {2, 2, kTrue};               // remembers slot 2, value 2
  pump.At(0.5, [&] { state.MemorySize = 5; });   // Beginner: entry 6 is hidden
  Schedule({{1.0, 2}, {2.0, 15}});               // the player takes 2 and 15 (value 2)
  pump.At(5.0, [&] { state.MemorySize = 15; });  // Advanced again: entry 6 is back
  Schedule({{6.0, 11}, {7.0, 12}});              // a miss hands over the turn
  ComputerDraws({28, 40, 30, 31});               // first card 28 has value 2
  Run();
  EXPECT_EQ(state.Scores[0], 0) << "the computer paired with a card already taken";
  EXPECT_EQ(state.CardsTaken, 2);
  EXPECT_EQ(view.board[2], SlotPicture{});
  EXPECT_DOUBLE_EQ(TimeOf(40, SlotPicture::Face), 7.0 + 2.0 + 0.75 + 2.0 + 0.75)
      << "the drawn card stands";
  // The stale entry was emptied by the hit, and the computer's missed first card took it.
  EXPECT_EQ(Entry(6).Slot, 28);
}

}  // namespace
}  // namespace velmora
