#!/usr/bin/env bash
# Zubrik: builds the Debian package as Debian's build daemons do, in a fresh chroot.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: scripts/build-deb-clean.sh [OUT_DIR [JOBS]]   (default build/deb-clean, all cores)
# The chroot holds this system's Debian release with build-essential alone;
# sbuild adds the Build-Depends of debian/control and nothing else, so one
# missing there stops the build. mmdebstrap makes it from this machine's apt
# sources as a tarball, OUT_DIR/chroot/CODENAME-ARCH.tar, kept for the next
# run; sbuild unpacks it afresh for every build in a user namespace (unshare
# mode), which needs no chroot set up in /etc and leaves nothing behind.
# Leaves zubrik_VERSION_ARCH.deb (with its .buildinfo and .changes) in OUT_DIR.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$top/build/deb-clean}")
jobs=${2:-$(nproc 2>/dev/null || echo 2)}

codename=$(sed -n "s/^VERSION_CODENAME=//p" /etc/os-release)
arch=$(dpkg --print-architecture)
chroot=$out/chroot/$codename-$arch.tar
version=$(cd "$top" && dpkg-parsechangelog -S Version)

# sbuild maps the chroot's users onto subordinate ids of the user running it;
# a fresh system gives root none.
user=$(id -un)
for kind in uid gid; do
  grep -q "^$user:" "/etc/sub$kind" 2>/dev/null && continue
  if [[ $(id -u) -ne 0 ]]; then
    echo "$user has no subordinate ${kind}s in /etc/sub$kind, which sbuild needs: ask root for a range (usermod --add-sub${kind}s)" >&2
    exit 1
  fi
  # 65536 ids after every range handed out so far, and not below 100000, as adduser does.
  first=$(awk -F: 'BEGIN { end = 100000 } $2 + $3 > end { end = $2 + $3 } END { print end }' "/etc/sub$kind" 2>/dev/null || echo 100000)
  usermod "--add-sub${kind}s" "$first-$((first + 65535))" "$user"
done

mkdir -p "$out/chroot"
find "$out" -mindepth 1 -maxdepth 1 ! -name chroot -exec rm -rf {} +

if [[ ! -e $chroot ]]; then
  sources=/etc/apt/sources.list.d/debian.sources
  [[ -e $sources ]] || sources=/etc/apt/sources.list
  # unsafe-io: dpkg skips its syncs, in the making and in every build; a chroot
  # lost to a crash is simply made again.
  mmdebstrap --variant=buildd --dpkgopt=force-unsafe-io --format=tar \
    "$codename" "$chroot.partial" "$sources"
  mv "$chroot.partial" "$chroot"
  echo "The chroot $chroot made in ${SECONDS}s"
fi

"$top/scripts/copy-work-tree.sh" "$out/source/zubrik-$version"
(cd "$out/source" && dpkg-source --build "zubrik-$version")

# The chroot, over 1 GB once the Build-Depends are in, is unpacked on the RAM
# disk where one has room for it: unpacking, installing into and removing it
# take seconds there, and up to a minute or more each on a busy disk.
ram_disk_fits() {
  [[ $(stat -f -c %T /dev/shm 2>/dev/null) == tmpfs ]] &&
    [[ $(findmnt -no OPTIONS -T /dev/shm | tail -n 1) != *noexec* ]] &&
    (($(df --output=avail -BG /dev/shm | tail -n 1 | tr -dc 0-9) >= 2))
}
config=$out/sbuildrc
{
  ram_disk_fits && echo "\$unshare_tmpdir_template = '/dev/shm/zubrik-sbuild.XXXXXXXXXX';"
  echo '1;'
} >"$config"

# lintian and the package's own tests run outside, in make check.
SBUILD_CONFIG=$config sbuild --nolog --chroot-mode=unshare --chroot="$chroot" --dist="$codename" \
  --no-run-lintian --no-run-piuparts --no-run-autopkgtest --jobs="$jobs" --build-dir="$out" \
  "$out/source/zubrik_$version.dsc"
rm -rf "$out/source" "$config"
ls "$out"/zubrik_"$version"_*.deb
