#!/usr/bin/env python3
# Zubrik: packs the Windows program and its Readme.txt into the players' zip, the same bytes every time.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: WindowsZip.py ZIP PROGRAM README. Writes SHA256SUMS beside the zip,
# in the form `sha256sum -c` reads, for players to check their download.
# README is the source tree's UTF-8
# text with LF line ends; the zip's Readme.txt is UTF-8 with a byte order mark
# and CR LF, which the Notepad of every Windows from 7 on reads as it should
# (without the mark, the Notepad of Windows 7 and 8 takes the file for the
# ANSI code page, Shift_JIS on a Japanese system; without CR, before
# Windows 10 1809, it shows the whole file on one line).
#
# Reproducible: the entries in a fixed order, each dated SOURCE_DATE_EPOCH if
# it is set, else the fixed date below, with no owner, permission or other
# extra field of the build machine's.
import hashlib
import os
import sys
import time
import zipfile

FIXED_EPOCH = 1767225600  # 2026-01-01 00:00:00 UTC


def build_epoch():
    """The build's date in seconds since 1970, the same for every build of the same sources."""
    return int(os.environ.get("SOURCE_DATE_EPOCH") or FIXED_EPOCH)


def entry_date():
    # A zip dates its entries from 1980 on, to the even second.
    return max(time.gmtime(build_epoch())[:6], (1980, 1, 1, 0, 0, 0))


def write_checksums(zip_path):
    with open(zip_path, "rb") as archive:
        digest = hashlib.sha256(archive.read()).hexdigest()
    sums = os.path.join(os.path.dirname(os.path.abspath(zip_path)), "SHA256SUMS")
    with open(sums, "w", encoding="ascii", newline="\n") as listing:
        listing.write(f"{digest}  {os.path.basename(zip_path)}\n")


def notepad_text(readme):
    with open(readme, encoding="utf-8") as source:
        text = source.read()
    if "\r" in text:
        sys.exit(f"{readme}: expected LF line ends only")
    return "\ufeff" + text.replace("\n", "\r\n")


def main(zip_path, program, readme):
    with open(program, "rb") as exe:
        entries = [("Readme.txt", notepad_text(readme).encode("utf-8")),
                   ("zubrik.exe", exe.read())]
    partial = zip_path + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(name, date_time=entry_date())
            # Made on MS-DOS, with the archive bit alone, as Windows' own zips
            # are: no Unix mode bits (and zipfile puts its own in for a 0).
            info.create_system = 0
            info.external_attr = 0x20
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)
    os.replace(partial, zip_path)
    write_checksums(zip_path)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit("usage: WindowsZip.py ZIP PROGRAM README")
    main(*sys.argv[1:])
