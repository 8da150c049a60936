#!/usr/bin/env bash
# Test fixtures of the signature check: a throwaway root and publisher, and a
# program signed by it (signed.exe), the same unsigned (unsigned.exe) and
# signed then changed (tampered.exe), with the root as root.der for the test
# to put into the prefix's machine store.
#     sign-fixtures.sh PROGRAM OUT_DIR
set -euo pipefail
program=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/ext.cnf" <<'CNF'
[ca]
basicConstraints=critical,CA:TRUE
keyUsage=critical,keyCertSign,cRLSign
subjectKeyIdentifier=hash
[leaf]
basicConstraints=CA:FALSE
keyUsage=critical,digitalSignature
extendedKeyUsage=codeSigning
subjectKeyIdentifier=hash
authorityKeyIdentifier=keyid
CNF
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/root.key" -out "$work/root.pem" -days 3650 \
  -subj "/CN=Dezozi2 Test Root" -config "$work/ext.cnf" -extensions ca 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout "$work/leaf.key" -out "$work/leaf.csr" \
  -subj "/CN=Dezozi2 Test Publisher" 2>/dev/null
openssl x509 -req -in "$work/leaf.csr" -CA "$work/root.pem" -CAkey "$work/root.key" -CAcreateserial \
  -out "$work/leaf.pem" -days 3650 -extfile "$work/ext.cnf" -extensions leaf 2>/dev/null
mkdir -p "$out"
openssl x509 -in "$work/root.pem" -outform der -out "$out/root.der"
cp "$program" "$out/unsigned.exe"
rm -f "$out/signed.exe"
osslsigncode sign -certs "$work/leaf.pem" -key "$work/leaf.key" -n "Dezozi2 test setup" -h sha256 \
  -in "$out/unsigned.exe" -out "$out/signed.exe" >/dev/null
cp "$out/signed.exe" "$out/tampered.exe"
# One byte of the code changed after signing.
printf 'X' | dd of="$out/tampered.exe" bs=1 seek=2000 conv=notrunc 2>/dev/null
