#include "core/Random.h"

#include <chrono>
#include <cmath>

namespace velmora {

std::uint64_t ClockSeededRandom::SystemClockSeed() {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

ClockSeededRandom::ClockSeededRandom(SeedSource seeds) : seeds_(std::move(seeds)) {
  Reseed();
}

float ClockSeededRandom::Draw() {
  // 24 random bits fill a float's mantissa exactly, so the draw never rounds up to 1.
  return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}

void ClockSeededRandom::Reseed() {
  const std::uint64_t seed = seeds_();
  std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
  engine_.seed(sequence);
}

Int16 RandomInt(RandomSource& random, Int16 n) {
  const double r = static_cast<double>(random.Draw());
  return static_cast<Int16>(std::floor(r * static_cast<double>(n)));
}

}  // namespace velmora
