#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/Texts.h"
#include "support/TurnFixture.h"

namespace velmora {
namespace {

using testing::Clicks;
using testing::Faces;
using testing::GameFixture;
using testing::ScriptedRandom;
using testing::SlotPicture;
using testing::TurnTest;

// One turn's course, from the clicks: every picture change after the deal and every status
// text with its moment of virtual time, the scores, what the computer remembers, and
// CardsTurned at one moment. The first card shows at once, 0.75 s pass, the second card shows
// for a 2 s look; after a miss against the computer 0.75 s and 2 s more pass before the
// computer's first card. Clicks inside those pauses do what the flags say.
using Changes = std::vector<std::tuple<double, int, char>>;  // F face, B back, N nothing
using Matches = std::vector<std::pair<double, std::string>>;

struct TurnCase {
  const char* name;
  bool practice;
  Clicks clicks;
  Changes changes;
  Matches matches;
  std::vector<int> score;        // computer, player
  std::vector<int> remembered;   // slots in the memory's entries, in order
  std::pair<double, int> probe;  // CardsTurned just after this moment
};

void PrintTo(const TurnCase& c, std::ostream* out) {
  *out << c.name;
}

class TurnCourseTest : public TurnTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(TurnCourseTest, PicturesTextsAndMemoryFollowTheClicks) {
  const TurnCase& c = GetParam();
  if (c.practice) Practice();
  ComputerDraws({3, 4});
  Schedule(c.clicks);
  int probed = -1;
  pump.At(c.probe.first, [&] { probed = game.fields().CardsTurned; });
  Run();
  Changes changes;
  for (const auto& change : view.boardLog) {
    changes.emplace_back(change.time, change.slot, "NFB"[change.picture.kind]);
  }
  EXPECT_EQ(changes, c.changes);
  EXPECT_EQ(view.matchLog, c.matches);
  EXPECT_EQ(game.state().Scores[0], c.score[0]);
  EXPECT_EQ(game.state().Scores[1], c.score[1]);
  std::vector<int> remembered;
  for (int i = 1; i <= kMemoryEntries && Entry(i).Slot != 0; ++i)
    remembered.push_back(Entry(i).Slot);
  EXPECT_EQ(remembered, c.remembered);
  EXPECT_EQ(probed, c.probe.second);
  EXPECT_EQ(game.state().PlayersTurn, 1);
  EXPECT_TRUE(view.messages.empty());
}

const Changes kPair = {{0.0, 1, 'F'}, {1.0, 14, 'F'}, {3.0, 1, 'N'}, {3.0, 14, 'N'}};
const Changes kMiss = {{0.0, 1, 'F'}, {1.0, 2, 'F'}, {3.0, 1, 'B'}, {3.0, 2, 'B'}};
const Changes kMissThenComputer = {{0.0, 1, 'F'},  {1.0, 2, 'F'}, {3.0, 1, 'B'}, {3.0, 2, 'B'},
                                   {5.75, 3, 'F'}, {6.5, 4, 'F'}, {8.5, 3, 'B'}, {8.5, 4, 'B'}};
const Matches kYours = {{3.0, text::kYourTurn}};
const Matches kComputersThenYours = {{3.0, text::kComputersTurn}, {8.5, text::kYourTurn}};
// The player's second card is remembered, then the computer's own first card.
const std::vector<int> kBothRemembered = {2, 3};

INSTANTIATE_TEST_SUITE_P(
    Turns, TurnCourseTest,
    ::testing::Values(
        TurnCase{"PairAgainstTheComputer",
                 false,
                 {{0.0, 1}, {1.0, 14}},
                 kPair,
                 kYours,
                 {0, 1},
                 {},
                 {3.5, 0}},
        TurnCase{"MissAgainstTheComputer",
                 false,
                 {{0.0, 1}, {1.0, 2}},
                 kMissThenComputer,
                 kComputersThenYours,
                 {0, 0},
                 kBothRemembered,
                 {4.0, 0}},
        TurnCase{
            "PairInPractice", true, {{0.0, 1}, {1.0, 14}}, kPair, kYours, {0, 1}, {}, {3.5, 0}},
        TurnCase{"MissInPracticeRemembersNothing",
                 true,
                 {{0.0, 1}, {1.0, 2}},
                 kMiss,
                 kYours,
                 {0, 0},
                 {},
                 {3.5, 0}},
        TurnCase{"SecondCardInsideTheFirstCardsPause",
                 false,
                 {{0.0, 1}, {0.5, 14}},
                 {{0.0, 1, 'F'}, {0.5, 14, 'F'}, {2.5, 1, 'N'}, {2.5, 14, 'N'}},
                 {{2.5, text::kYourTurn}},
                 {0, 1},
                 {},
                 {0.6, 2}},
        TurnCase{"FaceUpFirstCardIgnored",
                 false,
                 {{0.0, 1}, {0.5, 1}},
                 {{0.0, 1, 'F'}},
                 {},
                 {0, 0},
                 {},
                 {5.0, 1}},
        TurnCase{"FaceDownCardDuringTheLookOnlyCounts",
                 false,
                 {{0.0, 1}, {1.0, 14}, {2.0, 5}},
                 kPair,
                 kYours,
                 {0, 1},
                 {},
                 {2.1, 3}},
        TurnCase{"SecondCardAgainDuringItsLook",
                 false,
                 {{0.0, 1}, {1.0, 14}, {1.5, 14}},
                 kPair,
                 kYours,
                 {0, 1},
                 {},
                 {3.5, 0}},
        TurnCase{"TakenCardIgnored",
                 false,
                 {{0.0, 1}, {1.0, 14}, {4.0, 1}},
                 kPair,
                 kYours,
                 {0, 1},
                 {},
                 {4.1, 0}},
        TurnCase{"RefusedBeforeTheComputersTurn",
                 false,
                 {{0.0, 1}, {1.0, 2}, {3.5, 5}, {4.5, 6}},
                 kMissThenComputer,
                 kComputersThenYours,
                 {0, 0},
                 kBothRemembered,
                 {4.6, 0}},
        TurnCase{"RefusedDuringTheComputersTurn",
                 false,
                 {{0.0, 1}, {1.0, 2}, {6.0, 5}, {7.0, 6}},
                 kMissThenComputer,
                 kComputersThenYours,
                 {0, 0},
                 kBothRemembered,
                 {7.1, 0}},
        // The computer gives the turn back before its last 0.75 s pause ends.
        TurnCase{"AcceptedInTheComputersLastPause",
                 false,
                 {{0.0, 1}, {1.0, 2}, {8.7, 7}},
                 {{0.0, 1, 'F'},
                  {1.0, 2, 'F'},
                  {3.0, 1, 'B'},
                  {3.0, 2, 'B'},
                  {5.75, 3, 'F'},
                  {6.5, 4, 'F'},
                  {8.5, 3, 'B'},
                  {8.5, 4, 'B'},
                  {8.7, 7, 'F'}},
                 kComputersThenYours,
                 {0, 0},
                 kBothRemembered,
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
  game.mnu_Advanced_Click();
  for (int i = 1; i <= 5; ++i)
    state.Memory[static_cast<std::size_t>(i)] = {Int16(i + 3), Int16(i + 3), kTrue};
  state.Memory[6] = {2, 2, kTrue};                                  // remembers slot 2, value 2
  pump.At(0.5, [&] { Fire([&] { game.mnu_Beginner_Click(); }); });  // entry 6 is hidden
  Schedule({{1.0, 2}, {2.0, 15}});  // the player takes 2 and 15 (value 2)
  pump.At(5.0, [&] { Fire([&] { game.mnu_Advanced_Click(); }); });  // entry 6 is back
  Schedule({{6.0, 11}, {7.0, 12}});                                 // a miss hands over the turn
  ComputerDraws({28, 40, 30, 31});                                  // first card 28 has value 2
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
