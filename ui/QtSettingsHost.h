#pragma once

#include "prefs/Ini.h"

namespace velmora::ui {

// The settings file's beep and its fatal error box.
class QtSettingsHost final : public SettingsHost {
 public:
  void Beep() override;
  void ShowFatalError(std::string_view prompt, std::string_view title) override;
};

}  // namespace velmora::ui
