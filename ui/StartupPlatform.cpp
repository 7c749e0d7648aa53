#include "ui/StartupPlatform.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>
#include <cstdlib>
#include <cstring>

namespace velmora::ui {

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// Connects to a Unix socket and hangs up at once; `abstract` names Linux's abstract namespace.
bool SocketAnswers(const std::string& path, bool abstract) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::size_t offset = abstract ? 1 : 0;
  if (path.empty() || path.size() + offset >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path + offset, path.data(), path.size());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                             path.size() + (abstract ? 0 : 1));
  const bool answers = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
  ::close(fd);
  return answers;
}

bool WaylandAnswers(const std::string& display) {
  if (!Variable("WAYLAND_SOCKET").empty()) return true;  // a socket handed over by the parent
  if (display.empty()) return false;
  if (display.front() == '/') return SocketAnswers(display, false);
  const std::string runtime = Variable("XDG_RUNTIME_DIR");
  return !runtime.empty() && SocketAnswers(runtime + "/" + display, false);
}

// DISPLAY is [host]:number[.screen]; a local server listens on /tmp/.X11-unix/X<number>, also in
// the abstract namespace. A remote one is taken at its word: Qt will say if it does not answer.
bool X11Answers(const std::string& display) {
  const std::size_t colon = display.rfind(':');
  if (colon == std::string::npos) return false;
  const std::string host = display.substr(0, colon);
  if (!host.empty() && host != "unix") return true;
  const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return false;
  const std::string path = "/tmp/.X11-unix/X" + number;
  return SocketAnswers(path, true) || SocketAnswers(path, false);
}

bool WaylandPluginInstalled() {
  QStringList folders =
      qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
  folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
  for (const QString& folder : folders) {
    const QDir platforms(folder + QStringLiteral("/platforms"));
    if (!platforms.entryList({QStringLiteral("libqwayland-*.so")}, QDir::Files).isEmpty()) {
      return true;
    }
  }
  return false;
}

}  // namespace

PlatformChoice ChoosePlatform(const DisplayEnvironment& e) {
  if (!e.qpaPlatform.empty()) return {};
  const bool wayland = e.waylandAnswers && e.waylandPlugin;
  if (wayland) return {e.x11Answers ? "wayland;xcb" : "wayland", ""};
  if (e.x11Answers) return {"xcb", ""};

  std::string failure = "Velmora Concentration needs a graphical display: ";
  if (e.waylandDisplay.empty() && e.x11Display.empty()) {
    return {"", failure + "set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)"};
  }
  if (e.waylandDisplay.empty()) {
    failure += "WAYLAND_DISPLAY is not set";
  } else if (!e.waylandAnswers) {
    failure += "no Wayland compositor answers at WAYLAND_DISPLAY=" + e.waylandDisplay;
  } else {
    failure += "Wayland at WAYLAND_DISPLAY=" + e.waylandDisplay + " needs the package qt6-wayland";
  }
  if (e.x11Display.empty()) {
    failure += ", and DISPLAY (X11) is not set";
  } else {
    failure += ", and no X server answers at DISPLAY=" + e.x11Display;
  }
  return {"", failure};
}

DisplayEnvironment ReadDisplayEnvironment() {
  DisplayEnvironment e;
  e.qpaPlatform = Variable("QT_QPA_PLATFORM");
  if (!e.qpaPlatform.empty()) return e;  // nothing more to learn: the choice is made
  e.waylandDisplay = Variable("WAYLAND_DISPLAY");
  e.waylandAnswers = WaylandAnswers(e.waylandDisplay);
  e.waylandPlugin = e.waylandAnswers && WaylandPluginInstalled();
  e.x11Display = Variable("DISPLAY");
  e.x11Answers = X11Answers(e.x11Display);
  return e;
}

}  // namespace velmora::ui
