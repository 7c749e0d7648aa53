#pragma once

#include <utility>

#include "core/Pause.h"
#include "ui/QtEventPump.h"

namespace velmora::ui {

// Every window hands its events to the game through here. Once the program is ending nothing
// more is run, and a handler unwound out of a pause (by the end or by a new game) stops
// quietly at this point instead of escaping into Qt's event loop.
template <class Handler>
void DeliverWindowEvent(const QtEventPump& pump, Handler&& handler) {
  if (!pump.Ending()) DeliverEvent(std::forward<Handler>(handler));
}

}  // namespace velmora::ui
