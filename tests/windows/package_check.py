#!/usr/bin/env python3
# Zubrik: the Windows program and the players' zip as shipped: Windows' own DLLs alone, Notepad's Readme, the same bytes again, its checksum.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: package_check.py OBJDUMP ZUBRIK.EXE ZIP README PACKER
import os
import subprocess
import sys
import tempfile
import zipfile

# Each ships with every Windows from 7 on; a new import must be looked at (and
# added here) before it reaches a player who may not have it.
WINDOWS_DLLS = {"comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "ole32.dll", "oleacc.dll",
                "oleaut32.dll", "user32.dll", "winmm.dll"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def program_checks(objdump, exe):
    headers = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    check("file format pei-x86-64" in headers, "zubrik.exe is not an x86-64 Windows program")
    check("(Windows GUI)" in headers, "zubrik.exe is not a GUI program (a console would open)")
    imports = {line.split("DLL Name:")[1].strip().lower()
               for line in headers.splitlines() if "DLL Name:" in line}
    check(imports <= WINDOWS_DLLS, f"zubrik.exe imports DLLs beyond Windows' own: {sorted(imports - WINDOWS_DLLS)}")
    check("kernel32.dll" in imports and "user32.dll" in imports,
          f"the import list was not read: {sorted(imports)}")


def zip_checks(exe, zip_path, readme, packer):
    with zipfile.ZipFile(zip_path) as archive:
        infos = archive.infolist()
        check([i.filename for i in infos] == ["Readme.txt", "zubrik.exe"],
              f"the zip holds {[i.filename for i in infos]}")
        check(archive.testzip() is None, "a member of the zip is damaged")
        for info in infos:
            check(info.create_system == 0 and info.external_attr == 0x20 and not info.extra,
                  f"{info.filename}: the build machine's owner, mode or times leaked into the zip")
        members = {i.filename: archive.read(i) for i in infos}

    with open(exe, "rb") as built:
        check(members.get("zubrik.exe") == built.read(), "the zip's zubrik.exe is not the one built")

    text = members.get("Readme.txt", b"")
    check(text.startswith(b"\xef\xbb\xbf"), "Readme.txt has no UTF-8 byte order mark")
    body = text[3:]
    check(body.count(b"\n") == body.count(b"\r\n") > 0 and body.count(b"\r") == body.count(b"\r\n"),
          "Readme.txt has a line end other than CR LF")
    with open(readme, encoding="utf-8") as source:
        check(body.decode("utf-8").replace("\r\n", "\n") == source.read(),
              "Readme.txt says something else than assets/Readme.txt")

    # Packed again from the same files, later, from another folder, under
    # another umask: the same bytes.
    with tempfile.TemporaryDirectory() as scratch:
        again = os.path.join(scratch, "again.zip")
        os.umask(0o077)
        subprocess.run([sys.executable, packer, again, exe, readme], check=True, cwd=scratch)
        with open(zip_path, "rb") as first, open(again, "rb") as second:
            check(first.read() == second.read(), "packing the same files again gave other bytes")


def checksum_checks(zip_path):
    folder = os.path.dirname(os.path.abspath(zip_path))
    result = subprocess.run(["sha256sum", "--check", "--strict", "SHA256SUMS"], cwd=folder,
                            capture_output=True, text=True)
    check(result.returncode == 0 and result.stdout == f"{os.path.basename(zip_path)}: OK\n",
          f"SHA256SUMS does not check out for the zip alone: {result.stdout}{result.stderr}")


def main(objdump, exe, zip_path, readme, packer):
    program_checks(objdump, exe)
    zip_checks(exe, zip_path, readme, packer)
    checksum_checks(zip_path)
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if failures:
        return 1
    print(f"package check: {os.path.basename(zip_path)}, {os.path.getsize(zip_path)} bytes; "
          f"zubrik.exe {os.path.getsize(exe)} bytes: passed")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit("usage: package_check.py OBJDUMP ZUBRIK.EXE ZIP README PACKER")
    sys.exit(main(*sys.argv[1:]))
