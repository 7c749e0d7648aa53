#include "engine/Delay.h"

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

}  // namespace velmora
