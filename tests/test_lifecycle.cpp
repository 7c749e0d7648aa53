#include <gtest/gtest.h>

#include <array>

#include "core/NumberText.h"
#include "support/GameFixture.h"

namespace velmora {
namespace {

using testing::GameFixture;
using testing::SlotPicture;

class LifecycleTest : public GameFixture {
 protected:
  void ExpectFreshDeal(Int16 back) {
    std::array<int, 13> perValue{};
    for (Int16 s = 1; s <= kCardCount; ++s) {
      const BoardCard& card = game.state().Board[s];
      EXPECT_EQ(card.Slot, s);
      EXPECT_EQ(card.CardNo, game.state().Deck[s]);
      EXPECT_EQ(card.CardValue, card.CardNo % 13);
      EXPECT_EQ(card.Turned, 0);
      EXPECT_EQ(view.board[s], (SlotPicture{SlotPicture::Back, back})) << "slot " << s;
      ++perValue[static_cast<std::size_t>(card.CardValue)];
    }
    for (int count : perValue) EXPECT_EQ(count, 4);
    EXPECT_EQ(game.state().DealPos, 53);
  }

  void ExpectResetState() {
    EXPECT_EQ(game.state().Scores[0], 0);
    EXPECT_EQ(game.state().Scores[1], 0);
    EXPECT_EQ(view.Caption(Label::PotComputer), " 0");
    EXPECT_EQ(view.Caption(Label::PotPlayer), " 0");
    EXPECT_EQ(view.Caption(Label::Match), "");
    EXPECT_EQ(view.Caption(Label::Counter), "0");
    EXPECT_EQ(view.Caption(Label::Clock), "00:00:00");
    EXPECT_EQ(game.state().PlayersTurn, 1);
    EXPECT_EQ(game.state().MustDeal, kFalse);
    EXPECT_EQ(game.state().CardsTaken, 0);
    EXPECT_EQ(game.fields().GameOver, kFalse);
    EXPECT_EQ(game.fields().CardsTurned, 0);
    EXPECT_EQ(game.state().FirstCardUp, kFalse);
    EXPECT_EQ(game.clock().ClockRunning, kFalse);
    for (int i = 1; i <= kMemoryEntries; ++i) {
      EXPECT_EQ(game.state().Memory[i].Slot, 0);
      EXPECT_EQ(game.state().Memory[i].Value, 99);
      EXPECT_EQ(game.state().Memory[i].Known, 0);
    }
  }

  // A game some way in: pairs taken, cards remembered, a running clock, a finished result.
  void PlaySomeWay() {
    game.state().Scores = {3, 4};
    game.ShowScores();
    game.state().CardsTaken = 14;
    game.state().GameInProgress = kTrue;
    game.state().MustDeal = kTrue;
    game.fields().GameOver = kTrue;
    game.fields().CardsTurned = 1;
    game.state().FirstCardUp = kTrue;
    game.state().Memory[3] = {17, 4, kTrue};
    game.state().MemorySize = 15;
    for (Int16 s : {2, 9, 40}) {
      game.state().Board[s].Turned = kTrue;
      view.ClearSlot(s);
    }
    view.SetCaption(Label::Match, "Computer Wins!");
    view.SetCaption(Label::Counter, "1");
    game.clock().ClockRunning = kTrue;
    view.SetCaption(Label::Clock, "00:03:10");
    view.SetTimerEnabled(true);
  }
};

TEST_F(LifecycleTest, StartUpDealsAPlayableGameAgainstTheComputer) {
  StartUp(5);
  EXPECT_EQ(game.state().BackIndex, 5);
  EXPECT_EQ(view.timerInterval, 1000);
  EXPECT_FALSE(view.timerEnabled);
  EXPECT_TRUE(view.dealEnabled);
  EXPECT_EQ(random.reseeds, 1);
  ExpectResetState();
  ExpectFreshDeal(5);
  EXPECT_EQ(game.state().MemorySize, 10);
  EXPECT_EQ(game.state().GameInProgress, kFalse);
  EXPECT_EQ(game.state().ComputerMode, kTrue);
  EXPECT_EQ(game.state().PracticeMode, kFalse);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_TRUE(view.opened.empty());
  EXPECT_TRUE(host.events.empty());
}

TEST_F(LifecycleTest, MissingSettingsEndTheProgramBeforeTheWindowLoads) {
  EXPECT_THROW(game.Form_Initialize(), ProgramEnd);
  EXPECT_EQ(host.events, testing::kFatalSettingsEvents);
  EXPECT_EQ(view.board[1], SlotPicture{});
  EXPECT_FALSE(std::filesystem::exists(folder_ / "velmora.ini"));
}

TEST_F(LifecycleTest, NewGameMidGameStartsAgainAtOnceKeepingLevelAndBack) {
  StartUp(7);
  PlaySomeWay();
  game.mnu_NewGame_Click();
  EXPECT_TRUE(view.opened.empty()) << "New Game shows no shuffle notice";
  ExpectResetState();
  ExpectFreshDeal(7);
  EXPECT_EQ(game.state().MemorySize, 15);
  EXPECT_EQ(game.state().GameInProgress, kFalse);
  EXPECT_EQ(random.reseeds, 2);
}

TEST_F(LifecycleTest, TheModeOfEveryNewGameFollowsThePracticeCheckMark) {
  StartUp();
  view.checks[MenuItem::Practice] = true;
  game.mnu_NewGame_Click();
  EXPECT_EQ(game.state().PracticeMode, kTrue);
  EXPECT_EQ(game.state().ComputerMode, kFalse);
  view.checks[MenuItem::Practice] = false;
  game.state().PracticeMode = kTrue;
  game.mnu_NewGame_Click();
  EXPECT_EQ(game.state().PracticeMode, kFalse);
  EXPECT_EQ(game.state().ComputerMode, kTrue);
}

TEST_F(LifecycleTest, DealResetsOnlyAfterTheShuffleNoticeHasClosed) {
  StartUp();
  PlaySomeWay();
  bool resetDuringNotice = false;
  view.onOpenModal = [&](Window window) {
    ASSERT_EQ(window, Window::Shuffle);
    pump.After(2.9, [&] { resetDuringNotice = view.Caption(Label::PotPlayer) != " 4"; });
    Delay(pump, 3.0f);  // the notice's own wait
  };
  game.btn_Deal_Click();
  EXPECT_FALSE(resetDuringNotice);
  EXPECT_DOUBLE_EQ(pump.Now(), 3.0);
  ExpectResetState();
  ExpectFreshDeal(1);
  EXPECT_EQ(game.state().GameInProgress, kFalse);
}

TEST_F(LifecycleTest, ClockTicksAfterAResetFindZeroAndStop) {
  StartUp();
  PlaySomeWay();
  game.mnu_NewGame_Click();
  EXPECT_TRUE(view.timerEnabled) << "the reset leaves a running timer for its next tick";
  game.Timer1_Timer();
  EXPECT_FALSE(view.timerEnabled);
  EXPECT_EQ(view.Caption(Label::Clock), "00:00:00");
}

TEST_F(LifecycleTest, ExitEndsTheProgramFromAnyState) {
  StartUp();
  game.mnu_Exit_Click();
  EXPECT_EQ(view.endRequests, 1);
  game.Form_Unload();
  EXPECT_EQ(view.endRequests, 2);
}

TEST_F(LifecycleTest, ExitDuringTheShuffleNoticeNeverDealsIntoTheClosingWindow) {
  StartUp();
  PlaySomeWay();
  view.onEndProgram = [&] { pump.End(); };
  view.onOpenModal = [&](Window) {
    pump.After(1.0, [&] { Fire([&] { game.mnu_Exit_Click(); }); });
    try {
      Delay(pump, 3.0f);
    } catch (const GameEnded&) {
      // The notice closes with the program; the deal must notice on its own.
    }
  };
  Fire([&] { game.btn_Deal_Click(); });
  EXPECT_EQ(unwound, 1);
  EXPECT_EQ(view.endRequests, 1);
  EXPECT_EQ(view.Caption(Label::PotPlayer), " 4") << "the old game was not reset";
  EXPECT_EQ(random.reseeds, 1);
}

TEST_F(LifecycleTest, ExitInsideAPauseUnwindsThePausedHandler) {
  StartUp();
  view.onEndProgram = [&] { pump.End(); };
  bool resumed = false;
  pump.At(0.5, [&] { Fire([&] { game.mnu_Exit_Click(); }); });
  Fire([&] {
    game.Delay(2.0f);
    resumed = true;
  });
  EXPECT_FALSE(resumed);
  EXPECT_EQ(unwound, 1);
  EXPECT_LT(pump.Now(), 2.0);
}

TEST_F(LifecycleTest, ShowWhoWonAnnouncesTheResultAndClosesTheBoard) {
  StartUp();
  struct Case {
    Int16 computer, player, practice;
    const char* expected;
  };
  for (const Case& c : {Case{13, 13, kFalse, "You Win!"}, Case{14, 12, kFalse, "Computer Wins!"},
                        Case{12, 14, kFalse, "You Win!"}, Case{20, 6, kTrue, "Great Job!"},
                        Case{0, 26, kTrue, "Great Job!"}}) {
    game.state().MustDeal = kFalse;
    game.state().Scores = {c.computer, c.player};
    game.state().PracticeMode = c.practice;
    game.state().ComputerMode = c.practice == kTrue ? kFalse : kTrue;
    game.ShowWhoWon();
    EXPECT_EQ(view.Caption(Label::Match), c.expected) << c.computer << ":" << c.player;
    EXPECT_EQ(game.state().MustDeal, kTrue);
    game.ShowWhoWon();  // shown twice when the computer takes the last pair
    EXPECT_EQ(view.Caption(Label::Match), c.expected);
    EXPECT_EQ(game.state().MustDeal, kTrue);
  }
  EXPECT_TRUE(view.messages.empty());
}

TEST(SignedTextTest, NumbersCarryOneLeadingBlankUnlessNegative) {
  EXPECT_EQ(SignedText(0), " 0");
  EXPECT_EQ(SignedText(12), " 12");
  EXPECT_EQ(SignedText(-1), "-1");
  EXPECT_EQ(SignedText(-32768), "-32768");
}

}  // namespace
}  // namespace velmora
