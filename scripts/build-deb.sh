#!/usr/bin/env bash
# Zubrik: builds the Debian package with Debian's own tools, in a copy of the work tree.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: scripts/build-deb.sh [OUT_DIR [JOBS [ARCH]]]   (default build/deb, all
# cores, this machine's architecture)
# Leaves zubrik_VERSION_ARCH.deb (with its .buildinfo and .changes) in OUT_DIR.
# Another ARCH (arm64) is a cross build: scripts/install-arm64-deps.sh installs
# what it needs.
# The copy keeps the package build's obj-* folder and debian/ leftovers out of
# the work tree and away from the developer's build/.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$top/build/deb}")
jobs=${2:-$(nproc 2>/dev/null || echo 2)}
arch=${3:-$(dpkg --print-architecture)}
cross=()
if [[ $arch != "$(dpkg --print-architecture)" ]]; then
  cross=(-a"$arch" -Pcross,nocheck)
  # The package build runs no test (`make check` does); said outright, debhelper
  # does not warn that a cross build cannot run them. CC names the target's
  # compiler, as dpkg-architecture expects of a cross build.
  export DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}"
  CC=$(dpkg-architecture -a"$arch" -qDEB_HOST_GNU_TYPE 2>/dev/null)-gcc
  export CC
fi

cd "$top"
version=$(dpkg-parsechangelog -S Version)
source=$out/zubrik-$version
rm -rf "$out"
"$top/scripts/copy-work-tree.sh" "$source"

(cd "$source" && dpkg-buildpackage -b -us -uc -j"$jobs" "${cross[@]}")
rm -rf "$source"
ls "$out"/zubrik_"$version"_"$arch".deb
