#!/usr/bin/env bash
# Zubrik: the Debian package: lintian, its fields and files, and the game run from it.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: deb_check.sh DEB_DIR VERSION PICTURES_DIR [CLEAN_DEB_DIR [CROSS_DEB_DIR]]
# As root (as in CI) the package is installed with apt-get, the installed game is
# started, and the package is purged again; otherwise it is unpacked into a
# scratch folder and the game started from there. Exits 77 (skipped) when
# DEB_DIR holds no package: `make deb` builds one, and `make check` does first.
# CLEAN_DEB_DIR holds the package built in a fresh chroot (make deb-clean), if
# built; it must be the same, byte for byte, unless it was built with newer
# tools than this system's (then the same files, see below). A package cross-built for another
# architecture in CROSS_DEB_DIR (`make deb-arm64`) is linted too and compared
# with this one.
set -euo pipefail

deb_dir=$1 version=$2 pictures=$3 clean_deb_dir=${4:-} cross_dir=${5:-}
apt_get=$(realpath "$(dirname "$0")/../scripts/apt-get-waiting.sh")
shopt -s nullglob
debs=("$deb_dir"/zubrik_"$version"_*.deb)
if ((${#debs[@]} != 1)); then
  echo "no zubrik_${version}_*.deb in $deb_dir: run make deb first"
  exit 77
fi
deb=$(realpath "${debs[0]}")

installed_here=
HOLDER_PID=
purge() {
  DEBIAN_FRONTEND=noninteractive "$apt_get" purge -y -qq -o APT::Get::AutomaticRemove=false zubrik
}
deb_cleanup() {
  if [[ -n $HOLDER_PID ]]; then kill "$HOLDER_PID" 2>/dev/null || true; fi
  if [[ -n $installed_here ]] && dpkg-query -W zubrik >/dev/null 2>&1; then purge >/dev/null || true; fi
}
# Sets WORK, fail, start_xvfb, start_game; its own clean-up runs after ours.
ZUBRIK=
source "$(dirname "$0")/e2e_lib.sh"
trap 'deb_cleanup; e2e_cleanup' EXIT

# lintian: no error and no warning; info tags are shown.
echo "lintian $(lintian --version | awk '{print $2}') on $(basename "$deb"):"
lintian --info --fail-on error,warning "$deb" || fail "lintian found errors or warnings"

# Reproducible: the package from the clean chroot has the same bytes (and so
# passes lintian too), though the two builds ran on different systems. Only
# where the archive has moved on from this system's tools (a newer compiler,
# Qt or debhelper in the chroot) may the bytes differ: then the same files,
# with the same modes, must still be there.
toolchain() { # the versions that make the package's bytes, from a .buildinfo
  sed -n '/^Installed-Build-Depends:/,/^[^ ]/p' "$1" | tr -d ' ,' |
    grep -E '^(binutils|cpp-12|gcc-12|g\+\+-12|libstdc\+\+-12-dev|cmake|debhelper|dpkg-dev|qt6-base-dev(-tools)?|libqt6[a-z]*6|libcanberra-dev)\(' || true
}
listing() { dpkg-deb -c "$1" | awk '{print $1, $6}'; }
clean_deb=$clean_deb_dir/$(basename "$deb")
if [[ -n $clean_deb_dir && -e $clean_deb ]]; then
  if cmp -s "$deb" "$clean_deb"; then
    echo "the clean chroot built the same package, byte for byte"
  elif ! newer=$(diff <(toolchain "${deb%.deb}.buildinfo") <(toolchain "${clean_deb%.deb}.buildinfo")); then
    diff <(listing "$deb") <(listing "$clean_deb") || fail "the clean chroot's package holds other files (above)"
    echo "the clean chroot built with other tools than this system's, and the same files:"
    echo "$newer"
  else
    diff "${deb%.deb}.buildinfo" "${clean_deb%.deb}.buildinfo" || true
    fail "with the same tools, the clean chroot built another package (their .buildinfo above)"
  fi
else
  echo "no package from a clean chroot in '$clean_deb_dir' (make deb-clean): not compared"
fi

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Version) == "$version" ]] || fail "version is $(field Version), not $version"
[[ $(field Section) == games ]] || fail "section is $(field Section)"
depends=$(field Depends)
# libqt6gui6 carries the X11 platform plugin too; the font writes the captions.
for needed in 'libqt6gui6 ' 'libqt6widgets6 ' 'fonts-ipafont-gothic | fonts-noto-cjk'; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks '$needed': $depends"
done
[[ $(field Recommends) == *qt6-wayland* ]] || fail "qt6-wayland is not recommended"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(/usr/games/zubrik /usr/share/man/man6/zubrik.6.gz
  /usr/share/doc/zubrik/copyright /usr/share/doc/zubrik/changelog.gz /usr/share/doc/zubrik/Readme.txt
  /usr/share/applications/org.example.zubrik.desktop /usr/share/metainfo/org.example.zubrik.metainfo.xml)
for size in 32 48 64 96 128 192 256 512; do
  expected+=("/usr/share/icons/hicolor/${size}x$size/apps/org.example.zubrik.png")
done
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done

# The cross-built package: lintian, and what a package for any architecture
# shares with this one: every path with its mode and owner, the fields but the
# architecture, the installed size and the versions depended on, and the
# architecture-independent files (under /usr/share) byte for byte.
shared_part() {
  dpkg-deb -c "$1" | awk '{ $3 = $4 = $5 = ""; print }'
  dpkg-deb -f "$1" | grep -vE '^(Architecture|Installed-Size):' | sed -E '/^Depends:/ s/ \([^)]*\)//g'
  dpkg-deb -I "$1" md5sums | grep ' usr/share/'
}
cross_debs=()
[[ -z $cross_dir ]] || cross_debs=("$cross_dir"/zubrik_"$version"_*.deb)
if ((${#cross_debs[@]} == 1)); then
  cross=${cross_debs[0]} arch=$(dpkg-deb -f "${cross_debs[0]}" Architecture)
  [[ $arch != "$(field Architecture)" ]] || fail "$cross is for $arch too"
  echo "lintian on $(basename "$cross"):"
  lintian --info --fail-on error,warning "$cross" || fail "lintian found errors or warnings for $arch"
  diff <(shared_part "$deb") <(shared_part "$cross") ||
    fail "the $arch package differs from $(basename "$deb") as shown (< $(field Architecture), > $arch)"
  echo "the $arch package holds the same as this one"
elif [[ -n $cross_dir ]]; then
  echo "no zubrik_${version}_*.deb in $cross_dir (make deb-arm64): no cross-built package compared"
fi

# Holds the dpkg front-end lock as apt does (an fcntl lock) for SECONDS, in the
# background; returns once it has it, with HOLDER_PID set.
hold_dpkg_lock() {
  rm -f "$WORK/held"
  python3 -c 'import fcntl, sys, time
lock = open("/var/lib/dpkg/lock-frontend", "a")
fcntl.lockf(lock, fcntl.LOCK_EX)
open(sys.argv[2], "w").close()
time.sleep(float(sys.argv[1]))' "$1" "$WORK/held" &
  HOLDER_PID=$!
  until [[ -e $WORK/held ]]; do
    kill -0 "$HOLDER_PID" 2>/dev/null || fail "could not take the dpkg lock"
    sleep 0.1
  done
}

# The game as installed (as root) or as unpacked.
if [[ $(id -u) == 0 ]]; then
  mode=installed
  if dpkg-query -W -f='${Status}' zubrik 2>/dev/null | grep -q ' installed$'; then
    fail "zubrik is installed already; this test would replace and purge it"
  fi
  # The package system busy, as while the daily upgrade runs: a holder that
  # does not let go stops apt-get after the bound, with a line that names it;
  # one that lets go in time lets the install go ahead.
  hold_dpkg_lock 60
  if ZUBRIK_APT_LOCK_WAIT=2 "$apt_get" check >"$WORK/busy.log" 2>&1; then
    fail "apt-get went ahead while another process held the dpkg lock"
  fi
  grep -qF "gave up after 2s: process $HOLDER_PID (python3) holds /var/lib/dpkg/lock-frontend" "$WORK/busy.log" \
    || fail "no line naming the lock's holder: $(cat "$WORK/busy.log")"
  kill "$HOLDER_PID"
  wait "$HOLDER_PID" 2>/dev/null || true
  hold_dpkg_lock 3
  installed_here=1
  DEBIAN_FRONTEND=noninteractive "$apt_get" install -y -qq --no-install-recommends "$deb" >"$WORK/install.log" 2>&1 \
    || fail "apt-get could not install the package: $(cat "$WORK/install.log")"
  mapfile -t listed < <(dpkg -L zubrik)
  root=
else
  mode=unpacked
  root=$WORK/root
  dpkg-deb -x "$deb" "$root"
fi
ZUBRIK=$root/usr/games/zubrik

# The manual page tells of every option that --help lists.
# Read from the package itself: a system may leave manual pages out when installing.
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/man/man6/zubrik.6.gz >"$WORK/zubrik.6.gz"
manual=$(MANWIDTH=200 man -l "$WORK/zubrik.6.gz" 2>/dev/null)
for option in $("$ZUBRIK" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -qF -- "$option" <<<"$manual" || fail "the manual page does not mention $option"
done
[[ $("$ZUBRIK" --version) == "Zubrik $version" ]] || fail "--version says '$("$ZUBRIK" --version)'"

# The first frame: the first stage with the first meat standing on its shadow,
# composed here from the pictures as the game's masked copies compose it.
start_xvfb
start_game
read -r X Y _ _ < <(window_geometry "$WINDOW")
masked() { # masked SHEET CELL_X WIDTH HEIGHT AT_X AT_Y: under the mask's black, the sprite
  echo "( $pictures/$1 -crop ${3}x$4+$2+$4 +repage ) -geometry +$5+$6 -compose Multiply -composite"
  echo "( $pictures/$1 -crop ${3}x$4+$2+0 +repage ) -geometry +$5+$6 -compose Plus -composite"
}
# shellcheck disable=SC2046
$CONVERT "$pictures/bg0.png" $(masked kage.png 92 92 16 106 152) $(masked niku.png 0 92 42 106 120) \
  "$WORK/expected.png"
sleep 0.5
shot "$WORK/first.png" "$X" "$Y" 303 183
apart=$(differing_pixels "$WORK/expected.png" "$WORK/first.png")
[[ $apart == 0 ]] || fail "the first frame differs from the pictures in $apart pixels"
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=

# Purged, the package leaves nothing behind: no file it listed, and no folder
# that no other package still holds.
if [[ $mode == installed ]]; then
  purge >/dev/null || fail "apt-get could not purge the package"
  [[ -z $(dpkg-query -W -f='${Status}' zubrik 2>/dev/null) ]] || fail "dpkg still knows zubrik"
  for path in "${listed[@]}"; do
    [[ $path == /. ]] && continue
    if [[ -d $path ]]; then
      dpkg -S "$path" >/dev/null 2>&1 || fail "left behind: folder $path"
    elif [[ -e $path || -L $path ]]; then
      fail "left behind: $path"
    fi
  done
  echo "installed, run and purged: ${#listed[@]} paths, none left"
fi
echo "deb check ($mode): 1 passed, 0 failed"
