# Debian packages the game needs, and a helper that installs the missing ones.
# Sourced by play.sh, test.sh, package.sh, bench.sh and fuzz.sh.

# Compiler, CMake with make, Qt's headers and tools (moc, rcc), the OpenGL headers Qt's GUI
# module asks CMake for, and the bold sans-serif built into the game. DejaVu for the menus and
# message boxes: with Liberation alone, fontconfig gives them Liberation Mono for sans-serif.
# Qt Linguist's lupdate and lrelease (qt6-l10n-tools) with their CMake functions (qt6-tools-dev)
# compile the translations into the game; Qt's own translations (qt6-translations-l10n) give
# the buttons Qt draws, OK and Cancel, in the player's language too.
BUILD_PACKAGES=(g++ cmake make qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation2
  fonts-dejavu-core qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
# GoogleTest alone: no test uses GMock, and the widget tests run on Qt's offscreen platform,
# which comes with Qt's GUI library, so they need no X server. The sanitizer pass needs nothing
# more: g++ brings gcc's AddressSanitizer and UndefinedBehaviorSanitizer runtimes. The desktop
# entry and the AppStream data are checked with their own validators.
TEST_PACKAGES=(libgtest-dev desktop-file-utils appstream)
# To make the Debian package: CPack's DEB generator asks `file` which files are programs, and
# dpkg-shlibdeps (in dpkg-dev) which packages hold the libraries they need. The test command
# makes the package too, to check what it holds.
PACKAGE_PACKAGES=(file dpkg-dev)
# The black-box cases in tests/blackbox/: a virtual X server, real clicks and keys, screenshots,
# a D-Bus session with the accessibility bus, and Debian's Python with the AT-SPI and X client
# modules, through which they read the game's windows and press its close box; weston with Qt's
# Wayland plugin and openbox, the desktops the windows are tried on; and a screen reader, Orca
# under openbox, speaking through speech-dispatcher to libao's silent driver.
BLACKBOX_PACKAGES=(xvfb xdotool imagemagick dbus-daemon at-spi2-core python3-pyatspi python3-xlib
  weston qt6-wayland openbox orca speech-dispatcher speech-dispatcher-espeak-ng libao4)
# To build bench/: Google Benchmark, and Xlib with the DAMAGE and XTEST extensions for the
# X probe. The test command builds bench/ too, so that it keeps compiling without warnings.
BENCH_BUILD_PACKAGES=(libbenchmark-dev libx11-dev libxdamage-dev libxtst-dev)
# To run the bench: an X server without a screen, /usr/bin/time for the peak memory,
# dbus-run-session, so the programs find a session bus as they would on a desktop, and weston
# with Qt's Wayland plugin for the start-up on Wayland.
BENCH_RUN_PACKAGES=(xvfb time dbus-daemon weston qt6-wayland)
# Only for the fuzz targets in tests/fuzz/: clang with libFuzzer and the sanitizer runtimes, and
# llvm-symbolizer (in llvm-N) so that a crash report names files and lines. Each release ships
# its own clang: 14 on Debian 12, 19 on Debian 13 and later. tools/fuzz.sh uses the same one.
case "$(. /etc/os-release && echo "${VERSION_ID:-}")" in
  12) LLVM_VERSION=14 ;;
  *) LLVM_VERSION=19 ;;
esac
FUZZ_PACKAGES=("clang-$LLVM_VERSION" "libclang-rt-$LLVM_VERSION-dev" "llvm-$LLVM_VERSION")

ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if [[ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null)" != ii* ]]; then
      missing+=("$package")
    fi
  done
  [[ ${#missing[@]} -eq 0 ]] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
      echo "Installing needs root: run this as root, or install sudo" >&2
      return 1
    fi
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}
