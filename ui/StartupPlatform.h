#pragma once

#include <string>

namespace velmora::ui {

// What the start-up knows about the desktop before Qt is started: the variables as set, and
// whether each display answers.
struct DisplayEnvironment {
  std::string qpaPlatform;      // QT_QPA_PLATFORM
  std::string waylandDisplay;   // WAYLAND_DISPLAY
  bool waylandAnswers = false;  // its socket accepts a connection
  bool waylandPlugin = false;   // Qt's Wayland platform plugin (qt6-wayland) is installed
  std::string x11Display;       // DISPLAY
  bool x11Answers = false;      // a local X server's socket accepts a connection, or a remote one
};

// The platform to start Qt on: `platform` to set as QT_QPA_PLATFORM (empty: leave it as set),
// or, when no display can be used, `failure`: the one line to print before exiting with 1.
struct PlatformChoice {
  std::string platform;
  std::string failure;
};

// A platform set in QT_QPA_PLATFORM is respected. Otherwise native Wayland when the plugin is
// installed and the compositor answers (falling back to X11 if Qt cannot start on it), else X11
// when an X server answers, else the failure.
PlatformChoice ChoosePlatform(const DisplayEnvironment& environment);

// Reads the variables and knocks once on each display's socket.
DisplayEnvironment ReadDisplayEnvironment();

}  // namespace velmora::ui
