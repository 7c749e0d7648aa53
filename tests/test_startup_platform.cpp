#include <gtest/gtest.h>

#include <string_view>

#include "ui/StartupPlatform.h"

namespace velmora::ui {
namespace {

TEST(StartupPlatformTest, EachDesktopGetsItsPlatformOrOneLineSayingWhatIsMissing) {
  // QT_QPA_PLATFORM, WAYLAND_DISPLAY, it answers, Qt's plugin, DISPLAY, it answers; then the
  // platform chosen, or how the one line printed instead ends.
  const struct {
    DisplayEnvironment desktop;
    const char* platform;
    const char* missing;
  } rows[] = {
      {{"offscreen", "", false, false, "", false}, "", ""},  // the player's choice is kept
      {{"xcb", "wayland-0", true, true, ":0", true}, "", ""},
      {{"", "wayland-0", true, true, ":0", true}, "wayland;xcb", ""},
      {{"", "wayland-0", true, true, "", false}, "wayland", ""},
      {{"", "wayland-0", true, false, ":0", true}, "xcb", ""},
      {{"", "wayland-9", false, false, ":0", true}, "xcb", ""},
      {{"", "", false, false, "", false}, "", ": set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)"},
      {{"", "wayland-0", true, false, "", false}, "", "qt6-wayland, and DISPLAY (X11) is not set"},
      {{"", "wayland-9", false, false, ":5", false}, "", "no X server answers at DISPLAY=:5"},
      {{"", "", false, false, ":5", false},
       "",
       ": WAYLAND_DISPLAY is not set, and no X server "
       "answers at DISPLAY=:5"},
  };
  for (const auto& row : rows) {
    const PlatformChoice choice = ChoosePlatform(row.desktop);
    EXPECT_EQ(choice.platform, row.platform) << row.missing;
    const std::string_view line = choice.failure;
    EXPECT_EQ(line.empty(), *row.missing == '\0') << line;
    EXPECT_TRUE(line.empty() ||
                (line.starts_with("Velmora Concentration needs a graphical display") &&
                 line.ends_with(row.missing)))
        << line;
  }
}

}  // namespace
}  // namespace velmora::ui
