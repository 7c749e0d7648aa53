// How often the computer wins at each level against model players, on the headless engine.
// Prints a Markdown table: level x player, games, the computer's win rate and its 95 % Wilson
// interval. Usage: velmora_strength [games per cell, default 10000]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Match.h"

namespace {

struct Interval {
  double low, high;
};

// Wilson's score interval: sound near 0 % and 100 %, where the normal approximation is not.
Interval Wilson(long wins, long games, double z = 1.959964) {
  const double n = static_cast<double>(games);
  const double p = static_cast<double>(wins) / n;
  const double z2 = z * z;
  const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
  const double half = z * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / (1 + z2 / n);
  return {centre - half, centre + half};
}

}  // namespace

int main(int argc, char** argv) {
  const long games = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
  if (games <= 0) {
    std::fprintf(stderr, "usage: velmora_strength [games per cell]\n");
    return 2;
  }
  struct Level {
    velmora::Int16 memory;
    const char* name;
  };
  const Level levels[] = {{5, "Beginner (5)"}, {10, "Intermediate (10)"}, {15, "Advanced (15)"}};
  struct Player {
    std::size_t capacity;
    const char* name;
  };
  const Player players[] = {{0, "random"},
                            {5, "remembers last 5"},
                            {10, "remembers last 10"},
                            {20, "remembers last 20"},
                            {velmora::bench::RememberingPlayer::kPerfect, "perfect memory"}};

  std::printf("| Level | Player | Games | Computer wins | 95 %% interval (Wilson) |\n");
  std::printf("| --- | --- | ---: | ---: | --- |\n");
  std::uint64_t seed = 1;
  for (const Level& level : levels) {
    for (const Player& model : players) {
      velmora::bench::Match match(seed, level.memory);
      velmora::bench::RememberingPlayer player(model.capacity, seed * 7919u);
      ++seed;
      long wins = 0;
      for (long g = 0; g < games; ++g) wins += match.Play(player).ComputerWon() ? 1 : 0;
      const Interval ci = Wilson(wins, games);
      std::printf("| %s | %s | %ld | %.2f %% | %.2f – %.2f %% |\n", level.name, model.name, games,
                  100.0 * static_cast<double>(wins) / static_cast<double>(games), 100.0 * ci.low,
                  100.0 * ci.high);
      std::fflush(stdout);
    }
  }
  return 0;
}
