#!/usr/bin/env bash
# Zubrik: installs what the cross build for 64-bit ARM (arm64) needs, and the emulator that runs its tests.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Debian only (multiarch): adds arm64 as a foreign architecture, then lets
# install-deps.sh install what is missing, with apt-get as root or through sudo.
# The emulator is qemu-user 8.0 or later: 7.2, Debian 12's own, refuses the
# clone() flags with which Qt 6.4 starts a process (CLONE_PIDFD), so the tests
# that start the game as a process of its own could not run under it. On
# Debian 12 it comes from the backports suite, added if missing and pinned so
# that nothing else is taken from there.
set -euo pipefail

here=$(dirname "$0")
packages=(
  crossbuild-essential-arm64
  qt6-base-dev:arm64 qt6-qpa-plugins:arm64 libcanberra-dev:arm64 libx11-dev:arm64
  libxkbcommon-dev:arm64 pkgconf:arm64 libstb-dev:arm64
)

if ! command -v apt-get >/dev/null 2>&1; then
  echo "The arm64 cross build needs Debian's multiarch and cross compilers (apt-get)." >&2
  exit 1
fi
if [[ $(id -u) -eq 0 ]]; then
  as_root=()
else
  as_root=(sudo)
fi

if ! dpkg --print-foreign-architectures | grep -qx arm64; then
  echo "Adding arm64 as a foreign architecture"
  "${as_root[@]}" dpkg --add-architecture arm64
fi

qemu=qemu-user
qemu_version=$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null || true)
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
if [[ $codename == bookworm ]] && ! dpkg --compare-versions "${qemu_version:-0}" ge 1:8.0; then
  backports=$codename-backports
  configured() { apt-get indextargets --no-release-info --format '$(REPO_URI)' "Release: $1" 'Target-Of: deb'; }
  if [[ -z $(configured "$backports") ]]; then
    # Backports live in the same archive as the release itself.
    mirror=$(configured "$codename" | head -n 1)
    echo "Adding $backports from $mirror, for qemu-user alone"
    "${as_root[@]}" tee /etc/apt/sources.list.d/zubrik-backports.sources >/dev/null <<SOURCES
Types: deb
URIs: $mirror
Suites: $backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    # Package pins are matched before the general one.
    "${as_root[@]}" tee /etc/apt/preferences.d/zubrik-backports >/dev/null <<PIN
Package: qemu-user
Pin: release n=$backports
Pin-Priority: 500

Package: *
Pin: release n=$backports
Pin-Priority: -1
PIN
  fi
  qemu=qemu-user/$backports
fi

"$here/install-deps.sh" "${packages[@]}" "$qemu"
