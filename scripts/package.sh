#!/usr/bin/env bash
# Builds a stripped release with Debian's hardening flags and packs it as
# vesk-poker_<version>_<arch>.deb; the package's path is the last line printed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake --preset package --fresh >/dev/null
cmake --build --preset package
rm -f build-package/vesk-poker_*.deb
(cd build-package && cpack -G DEB >/dev/null)
realpath build-package/vesk-poker_*.deb
