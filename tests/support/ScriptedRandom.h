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
    if (repeating_) return repeat_;
    throw std::logic_error("no scripted draw left");
  }
  void Reseed() override { ++reseeds; }

  int reseeds = 0;

 private:
  std::deque<float> draws_;
  float repeat_ = 0.0f;
  bool repeating_ = false;
};

}  // namespace velmora::testing
