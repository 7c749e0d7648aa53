#include "core/Random.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>

namespace velmora {

namespace {

// std::seed_seq's algorithm for two seed words, step for step, so the generator starts exactly
// where std::seed_seq would put it. The library's version takes a remainder at every index, and
// a new deal spent most of its time there.
class TwoWordSeedSequence {
 public:
  using result_type = std::uint32_t;

  TwoWordSeedSequence(std::uint32_t low, std::uint32_t high) : words_{low, high} {}
  std::size_t size() const { return 2; }
  template <class Out>
  void param(Out out) const {
    std::copy(words_, words_ + 2, out);
  }

  template <class It>
  void generate(It begin, It end) const {
    const std::size_t n = static_cast<std::size_t>(end - begin);
    if (n == 0) return;
    std::fill(begin, end, 0x8b8b8b8bu);
    const std::size_t s = 2;
    const std::size_t t = n >= 623 ? 11 : n >= 68 ? 7 : n >= 39 ? 5 : n >= 7 ? 3 : (n - 1) / 2;
    const std::size_t p = (n - t) / 2;
    const std::size_t q = p + t;
    const std::size_t m = std::max(s + 1, n);
    const auto word = [&](std::size_t i) -> std::uint32_t { return begin[i] & 0xffffffffu; };
    const auto mix = [](std::uint32_t x) { return x ^ (x >> 27); };
    // k % n, (k + p) % n, (k + q) % n and (k - 1) % n, kept in step without division.
    std::size_t i = 0, ip = p % n, iq = q % n, im = n - 1;
    const auto step = [&] {
      im = i;
      i = i + 1 == n ? 0 : i + 1;
      ip = ip + 1 == n ? 0 : ip + 1;
      iq = iq + 1 == n ? 0 : iq + 1;
    };
    for (std::size_t k = 0; k < m; ++k) {
      const std::uint32_t r1 = 1664525u * mix(word(i) ^ word(ip) ^ word(im));
      std::uint32_t r2 = r1 + static_cast<std::uint32_t>(i);
      if (k == 0) {
        r2 = r1 + static_cast<std::uint32_t>(s);
      } else if (k <= s) {
        r2 += words_[k - 1];
      }
      begin[ip] = (word(ip) + r1) & 0xffffffffu;
      begin[iq] = (word(iq) + r2) & 0xffffffffu;
      begin[i] = r2;
      step();
    }
    for (std::size_t k = m; k < m + n; ++k) {
      const std::uint32_t r3 = 1566083941u * mix(word(i) + word(ip) + word(im));
      const std::uint32_t r4 = r3 - static_cast<std::uint32_t>(i);
      begin[ip] = (word(ip) ^ r3) & 0xffffffffu;
      begin[iq] = (word(iq) ^ r4) & 0xffffffffu;
      begin[i] = r4;
      step();
    }
  }

 private:
  std::uint32_t words_[2];
};

}  // namespace

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
  TwoWordSeedSequence sequence{static_cast<std::uint32_t>(seed),
                               static_cast<std::uint32_t>(seed >> 32)};
  engine_.seed(sequence);
}

Int16 RandomInt(RandomSource& random, Int16 n) {
  const double r = static_cast<double>(random.Draw());
  return static_cast<Int16>(std::floor(r * static_cast<double>(n)));
}

}  // namespace velmora
