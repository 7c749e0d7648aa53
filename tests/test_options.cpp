#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "prefs/Ini.h"
#include "support/TurnFixture.h"

namespace velmora {
namespace {

using testing::ChooserStep;
using testing::Clicks;
using testing::kCancel;
using testing::kCloseBox;
using testing::kOk;
using testing::SlotPicture;
using testing::TurnTest;

using Command = void (MainEvents::*)();
using Checks = std::vector<std::pair<MenuItem, bool>>;

// ---- Levels and game modes ---------------------------------------------------------------

enum class When { FreshDeal, FirstCardUp, Finished };

struct OptionCase {
  const char* name;
  When when;
  Command command;
  Checks checks;  // the check marks set, in order
  Label label;
  const char* caption;
  Int16 memorySize;  // afterwards
  Int16 practice;    // PracticeMode afterwards
  Int16 mustDeal;    // afterwards
};

void PrintTo(const OptionCase& c, std::ostream* out) {
  *out << c.name;
}

const Checks kToBeginner = {
    {MenuItem::Beginner, true}, {MenuItem::Intermediate, false}, {MenuItem::Advanced, false}};
const Checks kToAdvanced = {
    {MenuItem::Beginner, false}, {MenuItem::Intermediate, false}, {MenuItem::Advanced, true}};
const Checks kToComputer = {{MenuItem::Practice, false}, {MenuItem::Computer, true}};
const Checks kToPractice = {{MenuItem::Practice, true}, {MenuItem::Computer, false}};

class OptionTest : public TurnTest, public ::testing::WithParamInterface<OptionCase> {};

// A level or mode command changes its check marks, its label and its flags, and nothing else
// but MustDeal: a mode chosen once the deal has been touched ends that deal.
TEST_P(OptionTest, ChangesItsMarksLabelAndFlagsOnly) {
  const OptionCase& c = GetParam();
  if (c.when != When::FreshDeal) {
    TakeEarlier(3, 16, 1);
    game.state().Memory[1] = {7, 7, kTrue};
    ClickAt(0.0, 1);
    Run(0.1);  // the first card is up, its pause still running
  }
  if (c.when == When::Finished) game.state().MustDeal = kTrue;
  GameState expected = game.state();
  const MainWindowFields fields = game.fields();
  const auto board = view.boardLog.size();
  view.checkLog.clear();

  Fire([&] { (game.*c.command)(); });

  EXPECT_EQ(view.checkLog, c.checks);
  EXPECT_EQ(view.Caption(c.label), c.caption);
  expected.MemorySize = c.memorySize;
  expected.PracticeMode = c.practice;
  expected.ComputerMode = c.practice == kTrue ? kFalse : kTrue;
  expected.MustDeal = c.mustDeal;
  EXPECT_TRUE(game.state() == expected) << "more than the command's own flags changed";
  EXPECT_TRUE(game.fields() == fields);
  EXPECT_EQ(view.boardLog.size(), board) << "the board is not drawn";
}

INSTANTIATE_TEST_SUITE_P(
    Commands, OptionTest,
    ::testing::Values(
        OptionCase{"BeginnerMidGame", When::FirstCardUp, &MainEvents::mnu_Beginner_Click,
                   kToBeginner, Label::Level, "Beginner", 5, kFalse, kFalse},
        OptionCase{"AdvancedOnAFreshDeal", When::FreshDeal, &MainEvents::mnu_Advanced_Click,
                   kToAdvanced, Label::Level, "Advanced", 15, kFalse, kFalse},
        OptionCase{"PracticeBeforeTheFirstClick", When::FreshDeal, &MainEvents::mnu_Practice_Click,
                   kToPractice, Label::GameMode, "Practice", 10, kTrue, kFalse},
        OptionCase{"PracticeAfterTheFirstClick", When::FirstCardUp, &MainEvents::mnu_Practice_Click,
                   kToPractice, Label::GameMode, "Practice", 10, kTrue, kTrue},
        OptionCase{"TheModeInForceAfterTheFirstClick", When::FirstCardUp,
                   &MainEvents::mnu_Computer_Click, kToComputer, Label::GameMode, "Computer", 10,
                   kFalse, kTrue},
        OptionCase{"PracticeAfterAFinishedGame", When::Finished, &MainEvents::mnu_Practice_Click,
                   kToPractice, Label::GameMode, "Practice", 10, kTrue, kTrue}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TurnTest, AModeSwitchTakesEffectOnTheNextClickOrEndsTheDealInPlay) {
  // Before any click: the deal is simply played alone, a miss keeps the turn.
  Fire([&] { game.mnu_Practice_Click(); });
  Schedule({{0.0, 1}, {1.0, 2}});
  Run(5.0);
  EXPECT_EQ(view.Caption(Label::Match), text::kYourTurn);
  EXPECT_EQ(game.state().PlayersTurn, 1);

  // Once played, a switch closes the board until the next deal, whose mode follows the mark.
  Fire([&] { game.mnu_Computer_Click(); });
  ClickAt(6.0, 5);
  Run(7.0);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].prompt, text::kMustDeal);
  view.checks[MenuItem::Practice] = true;  // the mark, not the flags, decides the next game
  view.checks[MenuItem::Computer] = false;
  Fire([&] { game.mnu_NewGame_Click(); });
  EXPECT_EQ(game.state().PracticeMode, kTrue);
  EXPECT_EQ(game.state().ComputerMode, kFalse);
  EXPECT_EQ(game.state().MustDeal, kFalse);
}

// ---- Hint ----------------------------------------------------------------------------------

class HintTest : public TurnTest {
 protected:
  // Value 5 (card 5 at slot 5) with its partners, cards 18, 31 and 44, at slots 9, 30 and 41.
  void DealFives() {
    auto& board = game.state().Board;
    for (auto [a, b] : {std::pair{9, 18}, {30, 31}, {41, 44}}) {
      std::swap(board[a].CardNo, board[b].CardNo);
      std::swap(board[a].CardValue, board[b].CardValue);
    }
  }
  void HintAt(double time) {
    pump.At(time, [this] { Fire([this] { game.mnu_Hint_Click(); }); });
  }
  std::vector<testing::BoardChange> ChangesAfter(double time) const {
    std::vector<testing::BoardChange> changes;
    for (const auto& change : view.boardLog) {
      if (change.time >= time) changes.push_back(change);
    }
    return changes;
  }
};

TEST_F(HintTest, ShowsTheLowestPartnerForAGlimpseEveryTimeAndChangesNothing) {
  DealFives();
  for (bool practice : {false, true}) {
    SCOPED_TRACE(practice ? "practice" : "computer");
    if (practice) Practice();
    const double start = pump.Now();
    ClickAt(start, 5);
    Run(start + 1.0);
    const GameState state = game.state();
    const MainWindowFields fields = game.fields();
    const std::string counter = view.Caption(Label::Counter);
    for (double t : {1.0, 3.0, 5.0}) HintAt(start + t);
    Run(start + 7.0);
    const std::vector<testing::BoardChange> changes = ChangesAfter(start + 1.0);
    ASSERT_EQ(changes.size(), 6u);
    for (std::size_t i = 0; i < changes.size(); i += 2) {
      const double shown = start + 1.0 + static_cast<double>(i);
      EXPECT_EQ(changes[i].slot, 9);
      EXPECT_EQ(changes[i].picture, (SlotPicture{SlotPicture::Face, 18}));
      EXPECT_DOUBLE_EQ(changes[i].time, shown);
      EXPECT_EQ(changes[i + 1].slot, 9);
      EXPECT_EQ(changes[i + 1].picture, (SlotPicture{SlotPicture::Back, 1}));
      EXPECT_DOUBLE_EQ(changes[i + 1].time, shown + pause::kAfterCard);
    }
    EXPECT_TRUE(game.state() == state) << "the hint costs nothing";
    EXPECT_TRUE(game.fields() == fields);
    EXPECT_EQ(view.Caption(Label::Counter), counter);
    Fire([&] { game.mnu_NewGame_Click(); });
    for (Int16 s = 1; s <= kCardCount; ++s) game.state().Board[s] = {s, s, Int16(s % 13), 0};
    DealFives();
  }
}

// The hint needs the player's first card up and nothing more; Change Deck waits while the
// computer plays, from the miss that hands it the turn.
TEST_F(HintTest, HintAndChangeDeckAreRefusedOutsideTheirMoments) {
  ComputerDraws({5, 6});
  ChooseBacks({{0.1, 5}, {0.3, kOk}});
  HintAt(0.2);  // before the first card
  Schedule({{0.5, 1}, {1.5, 2}});
  HintAt(2.5);  // during the look at the second card
  HintAt(4.0);  // after the miss, before the computer's turn
  HintAt(6.5);  // during the computer's turn
  HintAt(9.5);  // the player's turn again, no card up
  for (double t : {4.0, 5.0, 6.5, 7.5}) {
    pump.At(t, [this] { Fire([this] { game.mnu_ChangeDeck_Click(); }); });
  }
  Run(12.0);
  EXPECT_EQ(FacesShown(), (testing::Faces{{0.5, 1}, {1.5, 2}, {6.25, 5}, {7.0, 6}}));
  EXPECT_EQ(view.backsOpenings, 0);
  EXPECT_EQ(game.state().BackIndex, 1);
}

// The hint's glimpse ends with the back only if nobody drew the slot meanwhile: a click in the
// glimpse may take the hinted card, or turn it face up as the first card of the next turn.
TEST_F(HintTest, AGlimpseEndsShowingWhatTheSlotHoldsThen) {
  struct Case {
    const char* name;
    Clicks clicks;  // the hint is asked for at 1.0 and shows slot 14
    SlotPicture at14;
  };
  const Case cases[] = {
      {"taken as the second card", {{0.0, 1}, {1.2, 14}}, {}},
      {"turned up as the next first card",
       {{0.0, 1}, {1.1, 2}, {3.3, 14}},  // 2 misses; 14 opens the next turn inside the pause
       {SlotPicture::Face, 14}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fire([&] { game.mnu_NewGame_Click(); });
    for (Int16 s = 1; s <= kCardCount; ++s) game.state().Board[s] = {s, s, Int16(s % 13), 0};
    Practice();
    const double start = pump.Now();
    for (auto [t, slot] : c.clicks) ClickAt(start + t, slot);
    HintAt(start + 1.0);
    Run(start + 10.0);
    EXPECT_EQ(view.board[14], c.at14);
  }
}

// ---- The card-back chooser -----------------------------------------------------------------

class ChooserTest : public TurnTest {
 protected:
  std::filesystem::path SettingsFile() { return folder_ / "velmora.ini"; }
  std::string Settings() {
    std::ifstream in(SettingsFile(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void ChangeDeckAt(double time) {
    pump.At(time, [this] { Fire([this] { game.mnu_ChangeDeck_Click(); }); });
  }
};

struct ChooserCase {
  const char* name;
  std::vector<ChooserStep> steps;
  Int16 back;    // BackIndex afterwards
  bool written;  // whether the settings file was written
};

void PrintTo(const ChooserCase& c, std::ostream* out) {
  *out << c.name;
}

class ChooserScriptTest : public ChooserTest, public ::testing::WithParamInterface<ChooserCase> {};

// Every picture click moves the border and blinks; OK alone confirms the last one clicked. The
// fixture checks after every event that exactly one picture has the border and no picture is
// left hidden, and that nothing is drawn on the window once it has gone.
TEST_P(ChooserScriptTest, OnlyOkAfterAClickChangesAndSavesTheBack) {
  const ChooserCase& c = GetParam();
  TakeEarlier(3, 16, 1);
  std::filesystem::remove(SettingsFile());  // any write brings it back
  ChooseBacks(c.steps);
  Fire([this] { game.mnu_ChangeDeck_Click(); });
  EXPECT_EQ(view.backsOpenings, 1);
  EXPECT_EQ(game.state().BackChanged, kFalse) << "no chooser is open";
  EXPECT_EQ(game.state().BackIndex, c.back);
  EXPECT_EQ(std::filesystem::exists(SettingsFile()), c.written);
  if (c.written) {
    EXPECT_EQ(Settings(), "[Deck]\nBack= " + std::to_string(c.back) + "\n");
  }
  EXPECT_EQ(view.board[3], SlotPicture{}) << "taken slots stay empty";
  EXPECT_EQ(view.board[40], (SlotPicture{SlotPicture::Back, c.back}));
  EXPECT_TRUE(host.events.empty()) << "nothing beeps";

  // The next opening marks the current back alone.
  ChooseBacks({});
  Fire([this] { game.mnu_ChangeDeck_Click(); });
  for (Int16 k = 1; k <= kBackCount; ++k) EXPECT_EQ(backs.border[k], k == c.back) << k;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ChooserScriptTest,
    ::testing::Values(
        ChooserCase{"OkWithoutAClick", {{0.5, kOk}}, 1, false},
        ChooserCase{"TheCurrentBackAgain", {{0.5, 1}, {1.0, kOk}}, 1, true},
        ChooserCase{
            "SeveralClicksKeepTheLast", {{0.5, 3}, {1.0, 7}, {1.5, 5}, {2.0, kOk}}, 5, true},
        ChooserCase{"AClickInsideTheBlink", {{0.5, 3}, {0.55, 7}, {1.0, kOk}}, 7, true},
        ChooserCase{"ClicksAndOkInsideTheBlink", {{0.5, 3}, {0.55, 7}, {0.57, kOk}}, 7, true},
        ChooserCase{"TheSamePictureInsideItsBlink", {{0.5, 9}, {0.52, 9}, {0.54, kOk}}, 9, true},
        ChooserCase{"Cancel", {{0.5, 6}, {1.0, kCancel}}, 1, false},
        ChooserCase{"CancelInsideTheBlink", {{0.5, 6}, {0.55, kCancel}}, 1, false},
        ChooserCase{"TheCloseBox", {{0.5, 12}, {1.0, kCloseBox}}, 1, false},
        ChooserCase{
            "TheCloseBoxInsideTheBlink", {{0.5, 4}, {0.55, 11}, {0.6, kCloseBox}}, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Faces on show keep their faces through a change of back, and turn down with the new one.
TEST_F(ChooserTest, FacesOnShowKeepThemAndTurnDownWithTheNewBack) {
  Practice();
  ChooseBacks({{0.1, 5}, {0.3, kOk}});
  ClickAt(0.0, 1);                                                    // the first card
  pump.At(0.8, [this] { Fire([this] { game.mnu_Hint_Click(); }); });  // 14 shows till 1.55
  ChangeDeckAt(1.0);                                                  // back 5, closes at 1.3
  pump.At(1.4, [this] {
    EXPECT_EQ(view.board[1], (SlotPicture{SlotPicture::Face, 1}));
    EXPECT_EQ(view.board[14], (SlotPicture{SlotPicture::Face, 14}));
    EXPECT_EQ(view.board[2], (SlotPicture{SlotPicture::Back, 5}));
  });
  pump.At(1.6, [this] { EXPECT_EQ(view.board[14], (SlotPicture{SlotPicture::Back, 5})); });
  ClickAt(2.0, 2);  // the second card: a miss, on show till 4.0
  pump.At(2.5, [this] {
    ChooseBacks({{0.1, 8}, {0.3, kOk}});
    Fire([this] { game.mnu_ChangeDeck_Click(); });
    EXPECT_EQ(view.board[1], (SlotPicture{SlotPicture::Face, 1}));
    EXPECT_EQ(view.board[2], (SlotPicture{SlotPicture::Face, 2}));
    EXPECT_EQ(view.board[3], (SlotPicture{SlotPicture::Back, 8}));
  });
  Run(6.0);
  EXPECT_EQ(view.board[1], (SlotPicture{SlotPicture::Back, 8}));
  EXPECT_EQ(view.board[2], (SlotPicture{SlotPicture::Back, 8}));
  EXPECT_EQ(view.backsOpenings, 2);
  EXPECT_EQ(Settings(), "[Deck]\nBack= 8\n");
}

TEST_F(ChooserTest, AFailedSaveBeepsAndTheBoardStillChanges) {
  std::filesystem::remove(SettingsFile());
  std::filesystem::create_directory(SettingsFile());  // nothing can be written there
  ChooseBacks({{0.1, 10}, {0.3, kOk}});
  Fire([this] { game.mnu_ChangeDeck_Click(); });
  EXPECT_EQ(host.events, std::vector<std::string>{"beep"});
  EXPECT_EQ(game.state().BackIndex, 10);
  EXPECT_EQ(view.board[7], (SlotPicture{SlotPicture::Back, 10}));
}

}  // namespace
}  // namespace velmora
