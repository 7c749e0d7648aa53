#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "prefs/Ini.h"

namespace velmora::testing {

// Stands in for the beep and the fatal message box, recording each in the order it came:
// "beep", or "fatal <prompt> | <title>".
class FakeSettingsHost final : public SettingsHost {
 public:
  void Beep() override { events.push_back("beep"); }
  void ShowFatalError(std::string_view prompt, std::string_view title) override {
    events.push_back("fatal " + std::string(prompt) + " | " + std::string(title));
  }

  std::vector<std::string> events;
};

// What the settings reader does when it finds no usable card back.
inline const std::vector<std::string> kFatalSettingsEvents = {
    "beep", "fatal A file is missing or corrupted! | Error - 15"};

}  // namespace velmora::testing
