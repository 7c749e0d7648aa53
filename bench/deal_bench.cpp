#include <benchmark/benchmark.h>

#include "core/Random.h"
#include "engine/Deck.h"

namespace {

// A new game reseeds, shuffles and deals: it must stay far below anything a player can notice.
void ShuffleAndDeal(benchmark::State& bench) {
  velmora::ClockSeededRandom random([] { return 2026u; });
  velmora::GameState state;
  for (auto _ : bench) {
    random.Reseed();
    velmora::ShuffleDeck(state, random);
    for (int s = 1; s <= velmora::kCardCount; ++s)
      benchmark::DoNotOptimize(velmora::NextCard(state));
  }
}
BENCHMARK(ShuffleAndDeal);

}  // namespace
