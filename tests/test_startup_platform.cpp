#include <gtest/gtest.h>

#include <string>

#include "ui/StartupPlatform.h"

namespace velmora::ui {
namespace {

// One row per desktop the game may be started on, and what it must do there.
struct Row {
  const char* qpa;
  const char* wayland;
  bool waylandAnswers, plugin;
  const char* x11;
  bool x11Answers;
  const char* platform;  // QT_QPA_PLATFORM to set; "" leaves it
  const char* failure;   // after the common start of the line; "" for none
};

const std::string kNeeds = "Velmora Concentration needs a graphical display: ";

constexpr Row kRows[] = {
    // Set by the tests or the player: respected, whatever else is there.
    {"offscreen", "", false, false, "", false, "", ""},
    {"xcb", "wayland-0", true, true, ":0", true, "", ""},
    // Native Wayland, with X11 behind it when there is a server.
    {"", "wayland-0", true, true, ":0", true, "wayland;xcb", ""},
    {"", "wayland-0", true, true, "", false, "wayland", ""},
    // No plugin, or no compositor: X11.
    {"", "wayland-0", true, false, ":0", true, "xcb", ""},
    {"", "wayland-9", false, false, ":0", true, "xcb", ""},
    {"", "", false, false, ":0", true, "xcb", ""},
    // Nothing usable: one line that says what is missing.
    {"", "", false, false, "", false, "", "set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)"},
    {"", "wayland-0", true, false, "", false, "",
     "Wayland at WAYLAND_DISPLAY=wayland-0 needs the package qt6-wayland, and DISPLAY (X11) is not "
     "set"},
    {"", "wayland-9", false, false, ":5", false, "",
     "no Wayland compositor answers at WAYLAND_DISPLAY=wayland-9, and no X server answers at "
     "DISPLAY=:5"},
    {"", "", false, false, ":5", false, "",
     "WAYLAND_DISPLAY is not set, and no X server answers at DISPLAY=:5"},
};

TEST(StartupPlatformTest, EachDesktopGetsItsPlatformOrOneLineSayingWhatIsMissing) {
  for (const Row& row : kRows) {
    const DisplayEnvironment e{row.qpa,    row.wayland, row.waylandAnswers,
                               row.plugin, row.x11,     row.x11Answers};
    const PlatformChoice choice = ChoosePlatform(e);
    SCOPED_TRACE(testing::Message() << "QT_QPA_PLATFORM=" << row.qpa << " WAYLAND_DISPLAY="
                                    << row.wayland << " DISPLAY=" << row.x11);
    EXPECT_EQ(choice.platform, row.platform);
    const std::string failure = *row.failure == '\0' ? "" : kNeeds + row.failure;
    EXPECT_EQ(choice.failure, failure);
  }
}

}  // namespace
}  // namespace velmora::ui
