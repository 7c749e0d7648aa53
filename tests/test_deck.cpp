#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <stdexcept>

#include "core/Random.h"
#include "core/Twips.h"
#include "engine/Deck.h"
#include "support/ScriptedRandom.h"

namespace velmora {
namespace {

using testing::ScriptedRandom;

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

TEST(RandomIntTest, StaysInsideItsRangeAtTheEdges) {
  ScriptedRandom random;
  for (float draw : {0.0f, 0.5f, kLargestBelowOne}) {
    random.Push(draw);
    EXPECT_EQ(RandomInt(random, 0), 0) << draw;
    random.Push(draw);
    EXPECT_EQ(RandomInt(random, 1), 0) << draw;
  }
  random.Push(kLargestBelowOne);
  EXPECT_EQ(RandomInt(random, 52), 51);  // the top draw gives the last value, never 52
  random.Push(0.0f);
  EXPECT_EQ(RandomInt(random, 52), 0);
  random.Push(0.5f);
  EXPECT_EQ(RandomInt(random, 52), 26);

  // Just below 41/52 the exact product is 40.9999983, which single precision rounds up to 41:
  // only a product in double precision floors to 40.
  const float belowEdge = 0x1.93b13ap-1f;
  ASSERT_EQ(belowEdge * 52.0f, 41.0f) << "a single-precision product must round up here";
  random.Push(belowEdge);
  EXPECT_EQ(RandomInt(random, 52), 40);
}

TEST(RandomIntTest, GeneratorDrawsStayBelowOneAndReseedChangesTheSequence) {
  std::uint64_t seed = 7;
  ClockSeededRandom random([&seed] { return seed; });
  std::array<float, 8> first{};
  for (float& draw : first) {
    draw = random.Draw();
    EXPECT_GE(draw, 0.0f);
    EXPECT_LT(draw, 1.0f);
  }
  seed = 8;
  random.Reseed();
  std::array<float, 8> second{};
  for (float& draw : second) draw = random.Draw();
  EXPECT_NE(first, second);
  seed = 7;
  random.Reseed();
  for (float draw : first) EXPECT_EQ(random.Draw(), draw);
}

TEST(RandomIntTest, ReseedStartsTheGeneratorWhereTheStandardSeedSequenceWould) {
  // Past 624 draws, so the generator's second block of state is compared too.
  for (std::uint64_t seed :
       {0ull, 1ull, 7ull, 0xffffffffull, 0x100000000ull, 0xfedcba9876543210ull, ~0ull}) {
    ClockSeededRandom random([seed] { return seed; });
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    std::mt19937 expected(sequence);
    for (int i = 0; i < 1500; ++i) {
      ASSERT_EQ(random.Draw(), static_cast<float>(expected() >> 8) * 0x1p-24f)
          << "seed " << seed << ", draw " << i;
    }
  }
}

void ExpectPermutation(const GameState& state) {
  std::array<int, kCardCount + 1> seen{};
  for (int p = 1; p <= kCardCount; ++p) {
    ASSERT_GE(state.Deck[p], 1);
    ASSERT_LE(state.Deck[p], kCardCount);
    ++seen[state.Deck[p]];
  }
  for (int c = 1; c <= kCardCount; ++c) ASSERT_EQ(seen[c], 1) << "card " << c;
  EXPECT_EQ(state.DealPos, 1);
}

TEST(ShuffleDeckTest, ScriptedDrawsPlaceCardsExactly) {
  GameState state;
  ScriptedRandom lowest(0.0f);
  ShuffleDeck(state, lowest);
  ExpectPermutation(state);
  // Every card goes to the first empty position; the final exchange swaps positions 1 and 52.
  EXPECT_EQ(state.Deck[1], 52);
  for (int p = 2; p <= 51; ++p) EXPECT_EQ(state.Deck[p], p);
  EXPECT_EQ(state.Deck[52], 1);

  ScriptedRandom highest(kLargestBelowOne);
  ShuffleDeck(state, highest);
  ExpectPermutation(state);
  // Card c takes the (52 - c)th empty position, which is position 52 - c; card 52 lands on 52
  // and is then exchanged with position 51, which holds card 1.
  for (int p = 1; p <= 50; ++p) EXPECT_EQ(state.Deck[p], 52 - p);
  EXPECT_EQ(state.Deck[51], 52);
  EXPECT_EQ(state.Deck[52], 1);
}

// Pearson's chi-square against a uniform spread over 51 cells (50 degrees of freedom); 86.66
// is the 0.1% critical value, so a sound shuffle fails this with a fixed seed essentially never.
double ChiSquare(const std::array<int, kCardCount + 1>& counts, int first, int last,
                 double expected) {
  double sum = 0.0;
  for (int i = first; i <= last; ++i) sum += std::pow(counts[i] - expected, 2) / expected;
  return sum;
}

TEST(ShuffleDeckTest, EveryShuffleIsAPermutationAndCard52SpreadsOverTheOtherPositions) {
  constexpr int kShuffles = 51 * 400;
  std::uint64_t seed = 12345;
  ClockSeededRandom random([&seed] { return seed++; });
  GameState state;
  std::array<int, kCardCount + 1> positionOf52{};
  std::array<int, kCardCount + 1> cardOnLast{};
  for (int i = 0; i < kShuffles; ++i) {
    random.Reseed();
    ShuffleDeck(state, random);
    ExpectPermutation(state);
    ASSERT_NE(state.Deck[52], 52) << "card 52 must never lie on position 52";
    const auto* where = std::find(state.Deck.begin() + 1, state.Deck.end(), 52);
    ++positionOf52[static_cast<std::size_t>(where - state.Deck.begin())];
    ++cardOnLast[static_cast<std::size_t>(state.Deck[52])];
  }
  EXPECT_EQ(positionOf52[52], 0);
  EXPECT_LT(ChiSquare(positionOf52, 1, 51, kShuffles / 51.0), 86.66);
  EXPECT_LT(ChiSquare(cardOnLast, 1, 51, kShuffles / 51.0), 86.66);
}

TEST(NextCardTest, DealsInOrderAndRefusesAFiftyThirdCard) {
  GameState state;
  ScriptedRandom lowest(0.0f);
  ShuffleDeck(state, lowest);
  for (int p = 1; p <= kCardCount; ++p) EXPECT_EQ(NextCard(state), state.Deck[p]);
  EXPECT_EQ(state.DealPos, 53);
  EXPECT_THROW(NextCard(state), std::out_of_range);
}

TEST(TwipsTest, ConvertsAtTheScreensLogicalDpi) {
  EXPECT_EQ(TwipsToPixels(1440, 96), 96);
  EXPECT_EQ(TwipsToPixels(15, 96), 1);
  EXPECT_EQ(TwipsToPixels(1440, 120), 120);
  // Slot 1 at (204, 120), 864 x 1392: edges round separately, so the size follows the edges.
  EXPECT_EQ(TwipsToPixels(204, 120, 864, 1392, 96), (PixelRect{14, 8, 57, 93}));
  EXPECT_EQ(TwipsToPixels(240, 120, 864, 1392, 96), (PixelRect{16, 8, 58, 93}));
  EXPECT_EQ(TwipsToPixels(6960, 5880, 864, 1392, 96), (PixelRect{464, 392, 58, 93}));
  EXPECT_EQ(TwipsToPixels(6960, 5880, 864, 1392, 120), (PixelRect{580, 490, 72, 116}));
}

// After the truncating halving, ties to even and ties away from zero always give the same
// origin, so the rows check what can differ: rounding the difference against truncating,
// flooring or ceiling it, and truncating the half against flooring or rounding it.
TEST(TwipsTest, CentringRoundsTheDifferenceThenHalvesTowardZero) {
  struct Row {
    double screen, outer;
    int origin;
  };
  const Row rows[] = {
      {15360, 5861, 4749},  // 9499 / 2 drops the half; rounding it would give 4750
      {1001.5, 0, 501},     // 1001.5 rounds to 1002; truncated or floored it would give 500
      {0, 1001.5, -501},    // -1001.5 rounds to -1002; truncated or ceiled it would give -500
      {1000, 1003, -1},     // -3 / 2 truncates toward zero; flooring would give -2
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CentredOrigin(row.screen, row.outer), row.origin) << row.screen << " - " << row.outer;
  }
}

}  // namespace
}  // namespace velmora
