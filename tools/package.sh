#!/usr/bin/env bash
# Installs what is missing, builds the optimised game in build-package/ and makes its Debian
# package there: build-package/velmora_<version>_amd64.deb. Fails when the package would not
# name the libraries it needs, as it would install on a machine without Qt and then not start.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

out=build-package
# Debian's compiler and linker flags for packages, with all its hardening: fortified calls, a
# read-only relocation table, immediate binding. Named on the command line, so that an old cache
# cannot keep others.
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELMORA_TOOLS=OFF \
  -DVELMORA_WERROR=OFF -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build "$out" --parallel "$(nproc)" --target velmora
rm -f "$out"/velmora_*.deb
(cd "$out" && cpack -G DEB >cpack.log 2>&1) || { cat "$out/cpack.log" >&2; exit 1; }
deb=$(echo "$out"/velmora_*_amd64.deb)
# CPack only mentions in passing that it found no libraries, and the font alone would keep
# Depends from being empty.
if [[ ! -f $deb || "$(dpkg-deb -f "$deb" Depends)" != *libqt6widgets6* ]]; then
  rm -f "$out"/velmora_*.deb
  echo "package.sh: the package would not depend on the Qt libraries (no dpkg-shlibdeps?)" >&2
  exit 1
fi
dpkg-deb -f "$deb" Package Version Depends Recommends
echo "Built $deb"
