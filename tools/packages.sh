# Debian packages the game needs, and a helper that installs the missing ones.
# Sourced by play.sh and test.sh.

BUILD_PACKAGES=(g++ cmake make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  fonts-liberation2)
TEST_PACKAGES=(libgtest-dev libgmock-dev xvfb xauth)

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
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}
