#include <benchmark/benchmark.h>

#include <bit>

#include "Match.h"

namespace {

using velmora::Int16;

// Turns the face-down cards from the top left, in reading order: no memory and no chance, so
// the time goes to the engine and the computer's own play.
class InOrderPlayer final : public velmora::bench::ModelPlayer {
 public:
  void Seen(Int16, Int16) override {}
  void Gone(Int16) override {}
  void NewDeal() override {}
  // The first card on show is face up, so it is never among the face-down ones.
  Int16 Choose(velmora::bench::SlotSet faceDown, Int16) override {
    return static_cast<Int16>(std::countr_zero(faceDown));
  }
};

// Whole games against the computer, from the deal to the result, at the level given as the
// argument (cards remembered). The pauses cost nothing on the virtual clock.
void FullGames(benchmark::State& bench) {
  velmora::bench::Match match(2026u, static_cast<Int16>(bench.range(0)));
  InOrderPlayer player;
  for (auto _ : bench) benchmark::DoNotOptimize(match.Play(player).computer);
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(FullGames)->ArgName("memory")->Arg(5)->Arg(10)->Arg(15);

}  // namespace
