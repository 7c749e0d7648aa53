#pragma once

#include <deque>
#include <stdexcept>

#include "core/Random.h"

namespace velmora::testing {

// Hands out exactly the draws a test scripts, or a fixed draw when set to repeat.
class ScriptedRandom final : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(float repeat) : repeat_(repeat), repeating_(true) {}

  void Push(float draw) { draws_.push_back(draw); }
  float Draw() override {
    if (!draws_.empty()) {
      const float draw = draws_.front();
      draws_.pop_front();
      return draw;
    }
    // A turn that redraws forever would hang the test; fail it instead.
    if (repeating_ && ++repeats_ < kMaxRepeats) return repeat_;
    throw std::logic_error("no scripted draw left, or endless redraws");
  }
  void Reseed() override { ++reseeds; }
  // From now on only scripted draws: running out is a test failure, never an endless redraw.
  void StopRepeating() { repeating_ = false; }
  // A draw that RandomInt(52) + 1 turns into this board slot.
  static float ForSlot(int slot) { return (static_cast<float>(slot) - 0.5f) / 52.0f; }

  int reseeds = 0;

 private:
  std::deque<float> draws_;
  static constexpr long kMaxRepeats = 1'000'000;
  float repeat_ = 0.0f;
  long repeats_ = 0;
  bool repeating_ = false;
};

}  // namespace velmora::testing
