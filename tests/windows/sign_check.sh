#!/bin/bash
# Zubrik: the Windows program signed as a publisher signs it, with a throwaway certificate made here.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: sign_check.sh SIGN_SCRIPT ZUBRIK.EXE
set -euo pipefail
sign_script=$(realpath "$1")
built=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
verifies() { osslsigncode verify -CAfile cert.pem -in "$1" >verify.log 2>&1; }

# A publisher's certificate for code signing, and its PKCS#12 file.
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
  -subj "/CN=Zubrik test publisher" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
echo "a password of the publisher's" >password.txt
openssl pkcs12 -export -inkey key.pem -in cert.pem -out cert.p12 -passout file:password.txt

# The program as linked; a build made with a certificate is signed already.
osslsigncode remove-signature -in "$built" -out unsigned.exe >/dev/null 2>&1 || cp "$built" unsigned.exe
verifies unsigned.exe && fail "the program as linked passes verification without a signature"

# No certificate: the program is left as it is, and the build says so in one line.
cp unsigned.exe plain.exe
said=$(python3 "$sign_script" plain.exe "" "" "")
[[ $(wc -l <<<"$said") == 1 && $said == *"not signed"* ]] || fail "unsigned build said: $said"
cmp -s plain.exe unsigned.exe || fail "an unsigned build changed the program"

# Half a certificate is a mistake, not an unsigned build.
cp unsigned.exe half.exe
python3 "$sign_script" half.exe cert.p12 "" "" 2>/dev/null && fail "a certificate without its password signed"
[[ -e half.exe ]] && fail "a failed signing left the program to be packed"

# A wrong password fails the build, and leaves nothing to pack unsigned.
echo "not the password" >wrong.txt
cp unsigned.exe wrong.exe
python3 "$sign_script" wrong.exe cert.p12 wrong.txt "" >/dev/null 2>&1 && fail "a wrong password signed"
[[ -e wrong.exe ]] && fail "a failed signing left the program to be packed"

# Signed: it verifies, and signing the same program again gives the same bytes.
for copy in first second; do
  cp unsigned.exe $copy.exe
  python3 "$sign_script" $copy.exe cert.p12 password.txt "" >/dev/null || fail "signing failed"
done
verifies first.exe || fail "the signed program does not verify: $(cat verify.log)"
cmp -s first.exe second.exe || fail "signing the same program twice gave other bytes"
echo "signed zubrik.exe: $(stat -c %s first.exe) bytes (unsigned $(stat -c %s unsigned.exe))"

# One byte of the program changed after signing: verification fails.
cp first.exe tampered.exe
printf '\x90' | dd of=tampered.exe bs=1 seek=4096 conv=notrunc status=none
verifies tampered.exe && fail "a program changed after signing still verifies"

[[ $failures == 0 ]] && echo "sign check: passed"
exit $((failures > 0))
