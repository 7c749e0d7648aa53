#pragma once

#include <functional>
#include <map>
#include <utility>

#include "core/Pause.h"

namespace velmora::testing {

// A virtual clock standing in for the window's event loop. Scheduled events (clicks, menu
// commands, timer ticks) run at their moments, also inside pauses and pauses within pauses,
// so timing cases run instantly and always the same way.
class VirtualPump final : public EventPump {
 public:
  explicit VirtualPump(double start = 0.0) : now_(start) {}

  double Now() override { return now_; }
  bool Ending() const override { return ending_; }

  void HandleEventsUntil(double deadline) override {
    ++waits;
    while (!ending_ && !queue_.empty() && queue_.begin()->first.first <= deadline) {
      auto node = queue_.extract(queue_.begin());
      if (node.key().first > now_) now_ = node.key().first;
      node.mapped()();
    }
    if (now_ < deadline && !ending_) now_ = deadline;
  }

  void At(double time, std::function<void()> event) {
    queue_.emplace(std::make_pair(time, sequence_++), std::move(event));
  }
  void After(double delay, std::function<void()> event) { At(now_ + delay, std::move(event)); }

  // The main loop: runs everything scheduled up to the given time, as a handler would,
  // swallowing the end-of-program unwinding as the window does.
  void RunUntil(double time) {
    try {
      HandleEventsUntil(time);
    } catch (const Unwind&) {
    }
  }

  void End() { ending_ = true; }
  std::size_t Pending() const { return queue_.size(); }

  int waits = 0;

 private:
  double now_;
  bool ending_ = false;
  long sequence_ = 0;
  std::map<std::pair<double, long>, std::function<void()>> queue_;
};

}  // namespace velmora::testing
