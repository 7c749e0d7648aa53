#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/Views.h"
#include "prefs/BackChooser.h"
#include "support/VirtualPump.h"

namespace velmora::testing {

// What a user does in the chooser: click picture 1..12, or one of these.
enum ChooserAction : int { kOk = 100, kCancel, kCloseBox };

struct ChooserStep {
  double time;  // seconds after the window opened
  int action;
};

// Runs one event of the chooser window the way the window delivers it.
using ChooserDeliver = std::function<void(const std::function<void()>&)>;

// The chooser window as a record of borders and hidden pictures. Anything asked of it after
// it has been unloaded is counted: that would be drawing on a window that is gone.
class FakeBacksWindow final : public BacksView {
 public:
  void SetBorder(Int16 index, bool on) override {
    if (Gone()) return;
    border.at(Index(index)) = on;
  }
  void SetBackVisible(Int16 index, bool visible) override {
    if (Gone()) return;
    hidden.at(Index(index)) = !visible;
  }
  void Unload() override {
    if (Gone()) return;
    open = false;
  }

  // Opens the window modally on the virtual clock: loads it, delivers the steps at their
  // moments (a step due after the window has gone is lost, as on screen) and returns once the
  // window has gone. A script that never closes the window ends with the close box.
  void Play(BacksEvents& events, VirtualPump& pump, const std::vector<ChooserStep>& steps,
            const ChooserDeliver& deliver) {
    const int opening = ++openings;
    border = {};
    hidden = {};
    open = true;
    events.Form_Load(*this);
    const double start = pump.Now();
    BacksEvents* target = &events;
    for (const ChooserStep& step : steps) {
      pump.At(start + step.time, [this, opening, target, step, deliver] {
        if (openings == opening && open) Deliver(*target, step.action, deliver);
      });
    }
    while (open && !pump.Ending()) {
      if (pump.Pending() == 0) {
        Deliver(events, kCloseBox, deliver);
        break;
      }
      pump.HandleEventsUntil(pump.Now() + 0.05);
    }
  }

  // What must hold after every event of an open chooser: the border on exactly the picture a
  // click would take it from, and no picture hidden but one blinking; none once no handler
  // of the chooser waits.
  std::vector<std::string> Faults(const BackChooser& chooser, bool atRest) const {
    std::vector<std::string> faults;
    if (afterUnload != 0) faults.push_back("the chooser drew on its window after it was gone");
    if (!open) return faults;
    int borders = 0;
    int hiddenCount = 0;
    for (int k = 1; k <= kBackCount; ++k) {
      borders += border[Index(k)];
      hiddenCount += hidden[Index(k)];
    }
    if (borders != 1 || !border.at(Index(chooser.MarkedBack))) {
      faults.push_back(std::to_string(borders) + " borders, MarkedBack " +
                       std::to_string(chooser.MarkedBack));
    }
    if (hiddenCount > (atRest ? 0 : 1)) {
      faults.push_back(std::to_string(hiddenCount) + " pictures hidden");
    }
    return faults;
  }

  bool open = false;
  int openings = 0;
  int afterUnload = 0;
  std::array<bool, kBackCount + 1> border{};
  std::array<bool, kBackCount + 1> hidden{};

 private:
  static std::size_t Index(int k) { return static_cast<std::size_t>(k); }
  void Deliver(BacksEvents& events, int action, const ChooserDeliver& deliver) {
    switch (action) {
      case kOk:
        deliver([&events] { events.cmd_Ok_Click(); });
        break;
      case kCancel:
        deliver([&events] { events.cmd_Cancel_Click(); });
        break;
      case kCloseBox:
        // The close box: the window tells the chooser, then goes.
        deliver([this, &events] {
          events.Form_Unload();
          open = false;
        });
        break;
      default:
        deliver([&events, action] { events.img_Back_Click(static_cast<Int16>(action)); });
    }
  }
  bool Gone() {
    if (open) return false;
    ++afterUnload;
    return true;
  }
};

}  // namespace velmora::testing
