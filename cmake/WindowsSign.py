#!/usr/bin/env python3
# Zubrik: signs the Windows program with the publisher's certificate, or says in one line that it is left unsigned.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: WindowsSign.py PROGRAM PKCS12 PASSWORD_FILE TIMESTAMP_URL
# (any of the last three may be empty). Signs PROGRAM in place with
# osslsigncode: Authenticode, SHA-256, the certificate and key from the
# PKCS#12 file, its password read from PASSWORD_FILE so that it never shows
# on a command line. With TIMESTAMP_URL, an RFC 3161 time-stamping authority
# vouches for the time of signing, so the signature outlives the certificate.
# Without it the signature is dated the build's date (WindowsZip.build_epoch),
# and the same program and certificate give the same bytes every time.
#
# If signing fails the program is deleted, so that the next build links and
# signs it again rather than packing it unsigned.
import os
import subprocess
import sys

from WindowsZip import build_epoch


def sign(program, pkcs12, password_file, timestamp_url):
    signed = program + ".signed"
    command = ["osslsigncode", "sign", "-pkcs12", pkcs12, "-readpass", password_file,
               "-h", "sha256", "-n", "Zubrik"]
    if timestamp_url:
        command += ["-ts", timestamp_url]
    else:
        command += ["-time", str(build_epoch())]
    command += ["-in", program, "-out", signed]
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        for path in (signed, program):
            if os.path.exists(path):
                os.remove(path)
        sys.exit(f"{os.path.basename(program)}: signing failed, the program is removed:\n"
                 f"{result.stdout}{result.stderr}")
    os.replace(signed, program)
    print(f"{os.path.basename(program)}: signed with {os.path.basename(pkcs12)}"
          + (f", time-stamped by {timestamp_url}" if timestamp_url else ""))


def main(program, pkcs12, password_file, timestamp_url):
    if not pkcs12 and not password_file:
        print(f"{os.path.basename(program)}: not signed "
              "(ZUBRIK_SIGN_PKCS12 and ZUBRIK_SIGN_PASSWORD_FILE name a certificate to sign it with)")
        return
    if not (pkcs12 and password_file):
        os.remove(program)
        sys.exit("ZUBRIK_SIGN_PKCS12 and ZUBRIK_SIGN_PASSWORD_FILE go together: "
                 "give both to sign, or neither to build unsigned")
    sign(program, pkcs12, password_file, timestamp_url)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit("usage: WindowsSign.py PROGRAM PKCS12 PASSWORD_FILE TIMESTAMP_URL")
    main(*sys.argv[1:])
