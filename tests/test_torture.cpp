#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "support/Harness.h"

// Random play against the whole game: clicks on any slot at any moment, every menu command,
// Deal and Exit, with the clock ticking, and the invariants checked after every event. A
// failing session is cut down to the fewest actions that still fail, and printed with its seed.
//
// More sessions, e.g. a long run before a release:
//   VELMORA_TORTURE_SESSIONS=100000 build/tests/velmora_logic_tests
//   --gtest_filter='Shards/Torture*'
// One session again: VELMORA_TORTURE_FIRST=<seed> VELMORA_TORTURE_SESSIONS=1 (same filter).

namespace velmora {
namespace {

using testing::Harness;

// What a session can do besides clicking: every menu command, Deal and Exit.
struct Command {
  const char* name;
  void (MainEvents::*handler)();
  enum Effect { None, Reset, Level } effect = None;
  double weight;  // against 75 for a click
};

const Command kCommands[] = {
    {"New Game", &MainEvents::mnu_NewGame_Click, Command::Reset, 3},
    {"Deal", &MainEvents::btn_Deal_Click, Command::Reset, 2},
    {"Hint", &MainEvents::mnu_Hint_Click, Command::None, 4},
    {"Computer", &MainEvents::mnu_Computer_Click, Command::None, 1.5},
    {"Practice", &MainEvents::mnu_Practice_Click, Command::None, 1.5},
    {"Beginner", &MainEvents::mnu_Beginner_Click, Command::Level, 1},
    {"Intermediate", &MainEvents::mnu_Intermediate_Click, Command::Level, 1},
    {"Advanced", &MainEvents::mnu_Advanced_Click, Command::Level, 1},
    {"Change Deck", &MainEvents::mnu_ChangeDeck_Click, Command::None, 2},
    {"How To Play", &MainEvents::mnu_Rules_Click, Command::None, 1},
    {"About", &MainEvents::mnu_About_Click, Command::None, 1},
    // Rare, since it ends the session.
    {"Exit", &MainEvents::mnu_Exit_Click, Command::None, 0.1},
};
constexpr int kClick = -1;
constexpr int kPairClick = -2;  // a player who remembers: completes a pair when it can

struct Action {
  double time;  // seconds from the start of the session
  int command;  // kClick, kPairClick, or an index into kCommands
  Int16 slot;   // for clicks: any slot, face down, face up or taken
};

std::vector<Action> Generate(std::uint64_t seed, int count) {
  std::mt19937_64 chance(seed);
  // Every third session plays on with few commands and a good memory, so that games reach
  // their end and the clicks after it.
  const bool playsOn = seed % 3 == 0;
  std::vector<double> weights = {playsOn ? 35.0 : 75.0, playsOn ? 40.0 : 0.0};
  for (const Command& command : kCommands) {
    weights.push_back(playsOn ? command.weight / 20 : command.weight);
  }
  std::discrete_distribution<int> pickAct(weights.begin(), weights.end());
  std::uniform_int_distribution<int> pickSlot(1, kCardCount);
  std::bernoulli_distribution burst(0.4);  // several actions inside one pause
  std::vector<Action> actions;
  double time = 0.0;
  for (int i = 0; i < count; ++i) {
    time += burst(chance) ? std::uniform_real_distribution<double>(0.0, 0.2)(chance)
                          : std::uniform_real_distribution<double>(0.0, 5.0)(chance);
    actions.push_back({time, pickAct(chance) - 2, Int16(pickSlot(chance))});
  }
  return actions;
}

// What the sessions reached, so that a generator that stops reaching a part of the game fails.
struct Reach {
  long checks = 0;         // events followed by the invariant check
  long chooser = 0;        // chooser windows opened
  long backChanges = 0;    // backs confirmed with OK
  long glimpses = 0;       // hints that showed a card
  long finishedGames = 0;  // games played to their result
};

// The partner of the face-up first card if there is one, else the first face-down slot from
// `from` on.
Int16 PairingSlot(const Game& game, Int16 from) {
  if (const Int16 partner = game.hint().HintSlot(); game.state().FirstCardUp != kFalse && partner) {
    return partner;
  }
  for (int i = 0; i < kCardCount; ++i) {
    const Int16 s = Int16((from - 1 + i) % kCardCount + 1);
    if (game.state().Board[s].Turned == 0) return s;
  }
  return from;
}

// Plays the actions at their moments on a fresh game; returns the first broken invariant.
std::string Replay(std::uint64_t seed, const std::vector<Action>& actions, Reach* reach = nullptr) {
  Harness harness(seed);
  Game& game = harness.game();
  Reach local;
  for (const Action& action : actions) {
    harness.pump().At(action.time, [&harness, &game, &local, action] {
      if (action.command == kClick) {
        harness.User([&] { game.img_Cards_Click(action.slot); });
        return;
      }
      if (action.command == kPairClick) {
        harness.User([&] { game.img_Cards_Click(PairingSlot(game, action.slot)); });
        return;
      }
      const Command& command = kCommands[action.command];
      const GameState& state = game.state();
      const bool hintDue = command.handler == &MainEvents::mnu_Hint_Click &&
                           state.PlayersTurn == 1 && state.FirstCardUp != kFalse;
      // A confirmed back is saved; the harness has no settings file, so every save beeps.
      const std::size_t saves = harness.SettingsBeeps();
      if (!harness.User([&] { (game.*command.handler)(); })) return;
      local.glimpses += hintDue;
      local.backChanges += harness.SettingsBeeps() > saves;
      if (command.effect == Command::Reset) harness.NoteReset();
      if (command.effect == Command::Level) harness.NoteLevelChange();
    });
  }
  harness.StartTicking();
  const double end = actions.empty() ? 60.0 : actions.back().time + 60.0;
  harness.pump().RunUntil(end);
  if (reach != nullptr) {
    const auto& view = harness.view();
    reach->checks += harness.checks();
    reach->chooser += view.backsOpenings;
    reach->backChanges += local.backChanges;
    reach->glimpses += local.glimpses;
    for (const auto& [time, caption] : view.matchLog) {
      reach->finishedGames +=
          caption == text::kComputerWins || caption == text::kYouWin || caption == text::kGreatJob;
    }
  }
  return harness.faults().empty() ? std::string() : harness.faults().front();
}

// Cuts the actions down while the session still fails: ever smaller chunks are dropped, the
// others keep their moments, so a click stays inside the pause it fell into.
std::vector<Action> Shrink(std::uint64_t seed, std::vector<Action> actions) {
  for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t start = 0; start < actions.size();) {
      std::vector<Action> fewer(actions.begin(), actions.begin() + std::ptrdiff_t(start));
      fewer.insert(fewer.end(),
                   actions.begin() + std::ptrdiff_t(std::min(start + chunk, actions.size())),
                   actions.end());
      if (!Replay(seed, fewer).empty()) {
        actions = std::move(fewer);
      } else {
        start += chunk;
      }
    }
  }
  return actions;
}

std::string Listing(const std::vector<Action>& actions) {
  std::ostringstream out;
  for (const Action& action : actions) {
    out << "\n  t=" << action.time << " ";
    if (action.command == kClick) {
      out << "click slot " << action.slot;
    } else if (action.command == kPairClick) {
      out << "click a partner, or the first face-down slot from " << action.slot;
    } else {
      out << kCommands[action.command].name;
    }
  }
  return out.str();
}

long Setting(const char* name, long fallback) {
  const char* text = std::getenv(name);
  return text != nullptr ? std::strtol(text, nullptr, 10) : fallback;
}

// Four shards, so that ctest can run them side by side.
class TortureTest : public ::testing::TestWithParam<int> {};

TEST_P(TortureTest, NoSequenceOfActionsBreaksTheGame) {
  constexpr int kShards = 4;
  const long sessions = Setting("VELMORA_TORTURE_SESSIONS", 2000);
  const long first = Setting("VELMORA_TORTURE_FIRST", 1);
  const int count = static_cast<int>(Setting("VELMORA_TORTURE_ACTIONS", 500));
  Reach reach;
  for (long n = GetParam(); n < sessions; n += kShards) {
    const auto seed = static_cast<std::uint64_t>(first + n);
    const std::vector<Action> actions = Generate(seed, count);
    const std::string fault = Replay(seed, actions, &reach);
    if (!fault.empty()) {
      const std::vector<Action> shortest = Shrink(seed, actions);
      FAIL() << "seed " << seed << ": " << fault << "\nshortest failing actions ("
             << shortest.size() << " of " << actions.size()
             << "), which gives: " << Replay(seed, shortest) << Listing(shortest);
    }
  }
  std::printf(
      "%ld events checked; %ld chooser windows, %ld backs chosen, %ld hints shown, "
      "%ld results shown\n",
      reach.checks, reach.chooser, reach.backChanges, reach.glimpses, reach.finishedGames);
  if (sessions >= 100 && count >= 100) {
    EXPECT_GT(reach.chooser, 0);
    EXPECT_GT(reach.backChanges, 0);
    EXPECT_GT(reach.glimpses, 0);
    EXPECT_GT(reach.finishedGames, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, TortureTest, ::testing::Range(0, 4));

}  // namespace
}  // namespace velmora
