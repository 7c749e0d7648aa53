#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "support/Harness.h"

namespace velmora {
namespace {

using testing::RecordingView;
using testing::SlotPicture;

enum class Player { Random, PerfectMemory };

// One seeded game from the deal to its result. The player clicks at random moments, also
// inside the pauses of its own and the computer's turns; the clock ticks every second while
// its timer is on; the invariants are checked after every event.
class Session {
 public:
  Session(unsigned seed, Int16 memorySize, Player player, bool practice)
      : harness_(seed, practice), player_(player), chance_(seed * 7919u + 1u) {
    switch (memorySize) {
      case 5:
        game().mnu_Beginner_Click();
        break;
      case 15:
        game().mnu_Advanced_Click();
        break;
      default:
        game().mnu_Intermediate_Click();
    }
    harness_.NoteReset();
  }

  // Plays until the result is shown; false if the game never ends.
  bool Play(double limit = 20000.0) {
    ScheduleClick(0.0);
    harness_.StartTicking();
    auto& pump = harness_.pump();
    while (!Finished() && pump.Now() < limit) pump.RunUntil(pump.Now() + 10.0);
    return Finished();
  }

  void PlayOn(double seconds) {
    auto& pump = harness_.pump();
    pump.RunUntil(pump.Now() + seconds);
  }

  bool Finished() {
    return harness_.AtRest() && game().fields().GameOver != kFalse &&
           game().state().MustDeal != kFalse;
  }

  Game& game() { return harness_.game(); }
  RecordingView& view() { return harness_.view(); }
  const std::vector<std::string>& faults() const { return harness_.faults(); }
  long checks() const { return harness_.checks(); }

 private:
  void ScheduleClick(double gap) {
    harness_.pump().After(gap, [this] {
      // The next click is due whatever this one does, so it can land inside its pauses.
      ScheduleClick(std::uniform_real_distribution<double>(0.05, 3.0)(chance_));
      const Int16 slot = Choose();
      harness_.User([this, slot] { game().img_Cards_Click(slot); });
    });
  }

  // What the player has seen: every face shown so far, by slot.
  void Look() {
    const auto& log = view().boardLog;
    for (; seen_ < log.size(); ++seen_) {
      if (log[seen_].picture.kind == SlotPicture::Face) {
        known_[log[seen_].slot] = log[seen_].picture.number;
      }
    }
  }

  Int16 Choose() {
    Look();
    std::vector<Int16> faceDown;
    std::vector<Int16> unseen;
    for (Int16 s = 1; s <= kCardCount; ++s) {
      if (view().board[s].kind != SlotPicture::Back) continue;
      faceDown.push_back(s);
      if (!known_.count(s)) unseen.push_back(s);
    }
    const auto pick = [this](const std::vector<Int16>& from) {
      return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(chance_)];
    };
    // Now and then any slot at all: a face-up or taken card, or one mid-turn.
    if (faceDown.empty() || std::bernoulli_distribution(0.1)(chance_)) {
      return Int16(std::uniform_int_distribution<int>(1, kCardCount)(chance_));
    }
    if (player_ == Player::PerfectMemory) {
      const GameState& state = game().state();
      for (Int16 a : faceDown) {
        if (!known_.count(a)) continue;
        const int value = known_[a] % 13;
        if (state.FirstCardUp != kFalse) {
          const Int16 first = state.TurnPair[1];
          if (a != first && value == state.Board[first].CardValue) return a;
          continue;
        }
        for (Int16 b : faceDown) {
          if (b != a && known_.count(b) && known_[b] % 13 == value) return a;
        }
      }
      if (!unseen.empty()) return pick(unseen);
    }
    return pick(faceDown);
  }

  testing::Harness harness_;
  Player player_;
  std::mt19937 chance_;
  std::map<Int16, Int16> known_;
  std::size_t seen_ = 0;
};

struct WholeGameCase {
  Int16 memorySize;
  Player player;
  bool practice;
  int games;
};

void PrintTo(const WholeGameCase& c, std::ostream* out) {
  *out << (c.practice ? "practice" : "memory ") << c.memorySize
       << (c.player == Player::Random ? ", random player" : ", perfect player");
}

class WholeGameTest : public ::testing::TestWithParam<WholeGameCase> {};

TEST_P(WholeGameTest, EverySeededGameEndsWithAResultAndKeepsItsInvariants) {
  const WholeGameCase& c = GetParam();
  int computerWins = 0;
  long checks = 0;
  for (int seed = 1; seed <= c.games; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Session session(static_cast<unsigned>(seed * 1000 + c.memorySize), c.memorySize, c.player,
                    c.practice);
    ASSERT_TRUE(session.Play()) << "the game never ended";
    checks += session.checks();
    for (const std::string& fault : session.faults()) ADD_FAILURE() << fault;
    if (!session.faults().empty()) return;

    const GameState& state = session.game().state();
    EXPECT_EQ(state.CardsTaken, kCardCount);
    EXPECT_EQ(state.Scores[0] + state.Scores[1], 26);
    EXPECT_EQ(state.PlayersTurn, 1);
    const RecordingView& view = session.view();
    if (c.practice) {
      EXPECT_EQ(state.Scores[0], 0) << "nobody plays against the practising player";
      EXPECT_EQ(view.Caption(Label::Match), text::kGreatJob);
      // The clock shows 00:00:01 at the first card and stops at the last pair, and its time
      // then stays. Ticks come each whole second, so the count may be one off the interval.
      const auto first = std::find_if(view.clockLog.begin(), view.clockLog.end(),
                                      [](const auto& entry) { return entry.second != "00:00:00"; });
      ASSERT_NE(first, view.clockLog.end()) << "the clock never ran";
      EXPECT_EQ(first->second, "00:00:01");
      EXPECT_DOUBLE_EQ(first->first, view.boardLog[52].time) << "from the first card turned";
      const auto result =
          std::find_if(view.matchLog.begin(), view.matchLog.end(),
                       [](const auto& entry) { return entry.second == text::kGreatJob; });
      const double played = result->first - first->first;
      const std::string final = view.Caption(Label::Clock);
      const int shown = std::stoi(final.substr(0, 2)) * 3600 + std::stoi(final.substr(3, 2)) * 60 +
                        std::stoi(final.substr(6, 2));
      EXPECT_NEAR(shown, 1.0 + played, 1.0);
      EXPECT_FALSE(view.timerEnabled) << "the clock stops at the last pair";
      session.PlayOn(5.0);
      EXPECT_EQ(view.Caption(Label::Clock), final) << "and keeps its time";
    } else {
      for (const auto& [time, shown] : view.clockLog) {
        ASSERT_EQ(shown, "00:00:00")
            << "at " << time << ": the clock never runs against the computer";
      }
      computerWins += state.Scores[0] > state.Scores[1];
    }
  }
  EXPECT_GT(checks, 100L * c.games) << "the invariants were checked after every event";
  if (!c.practice) {
    // Both sides really play: the computer's memory beats a player who guesses, and a player
    // who forgets nothing beats the computer's few remembered cards.
    if (c.player == Player::Random) {
      EXPECT_GT(computerWins, c.games / 2);
    } else {
      EXPECT_LT(computerWins, c.games / 2);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeded, WholeGameTest,
                         ::testing::Values(WholeGameCase{5, Player::Random, false, 150},
                                           WholeGameCase{10, Player::Random, false, 150},
                                           WholeGameCase{15, Player::Random, false, 150},
                                           WholeGameCase{5, Player::PerfectMemory, false, 150},
                                           WholeGameCase{10, Player::PerfectMemory, false, 150},
                                           WholeGameCase{15, Player::PerfectMemory, false, 150},
                                           WholeGameCase{10, Player::PerfectMemory, true, 50}),
                         [](const auto& info) {
                           const WholeGameCase& c = info.param;
                           return std::string(c.practice ? "Practice" : "Memory") +
                                  std::to_string(c.memorySize) +
                                  (c.player == Player::Random ? "RandomPlayer" : "PerfectPlayer");
                         });

}  // namespace
}  // namespace velmora
