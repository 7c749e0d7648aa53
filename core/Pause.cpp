#include "core/Pause.h"

namespace velmora {

void Delay(EventPump& pump, float seconds) {
  if (!(seconds > 0.0f)) return;
  if (pump.Ending()) throw GameEnded{};
  const double deadline = pump.Now() + static_cast<double>(seconds);
  while (pump.Now() < deadline) {
    pump.HandleEventsUntil(deadline);
    if (pump.Ending()) throw GameEnded{};
  }
}

void Pause::Delay(float seconds) {
  const std::uint64_t generation = generation_;
  velmora::Delay(pump_, seconds);
  if (generation_ != generation) throw GameReset{};
}

}  // namespace velmora
