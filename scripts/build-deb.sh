#!/usr/bin/env bash
# Zubrik: builds the Debian package with Debian's own tools, in a copy of the work tree.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: scripts/build-deb.sh [OUT_DIR [JOBS]]   (default build/deb, all cores)
# Leaves zubrik_VERSION_ARCH.deb (with its .buildinfo and .changes) in OUT_DIR.
# The copy keeps the package build's obj-* folder and debian/ leftovers out of
# the work tree and away from the developer's build/.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$top/build/deb}")
jobs=${2:-$(nproc 2>/dev/null || echo 2)}

cd "$top"
version=$(dpkg-parsechangelog -S Version)
source=$out/zubrik-$version
rm -rf "$out"
"$top/scripts/copy-work-tree.sh" "$source"

(cd "$source" && dpkg-buildpackage -b -us -uc -j"$jobs")
rm -rf "$source"
ls "$out"/zubrik_"$version"_*.deb
