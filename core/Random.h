#pragma once

#include <cstdint>
#include <functional>
#include <random>

#include "core/GameState.h"

namespace velmora {

// Uniform draws in [0, 1) as single-precision floats, reseeded at every new game.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float Draw() = 0;
  virtual void Reseed() = 0;
};

// The game's generator: a Mersenne Twister seeded from the system clock by default.
class ClockSeededRandom final : public RandomSource {
 public:
  using SeedSource = std::function<std::uint64_t()>;
  static std::uint64_t SystemClockSeed();

  explicit ClockSeededRandom(SeedSource seeds = SystemClockSeed);
  float Draw() override;
  void Reseed() override;

 private:
  SeedSource seeds_;
  std::mt19937 engine_;
};

// An integer in 0..n-1 (0 for n <= 1): floor(r * n), formed at double precision so that the
// largest draw below 1 still gives n - 1.
Int16 RandomInt(RandomSource& random, Int16 n);

}  // namespace velmora
