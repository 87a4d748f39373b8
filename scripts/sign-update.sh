#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Signs update programs for Horalux with Ed25519, using the openssl command line only.
#
#   scripts/sign-update.sh keygen KEY.pem     new private key (mode 0600); prints the public key
#   scripts/sign-update.sh pubkey KEY.pem     prints the public key of KEY.pem again
#   scripts/sign-update.sh sign KEY.pem FILE  writes FILE.sig: the base64 signature of FILE, one line
#
# The public key is printed as the build takes it: -DHORALUX_UPDATE_PUBLIC_KEYS=<key>[,<key>...]
set -eu

usage() {
    sed -n '3,7s/^# \{0,1\}//p' "$0" >&2
    exit 2
}

fail() {
    echo "sign-update.sh: $*" >&2
    exit 1
}

# The raw 32-byte key is the tail of its 44-byte DER SubjectPublicKeyInfo.
public_key() {
    der=$(openssl pkey -in "$1" -pubout -outform DER | base64 -w0) || fail "cannot read the key $1"
    printf '%s' "$der" | base64 -d | tail -c 32 | base64 -w0
    echo
}

command -v openssl >/dev/null 2>&1 || fail "openssl is not installed (apt-get install openssl)"
[ $# -ge 1 ] || usage
case $1 in
keygen)
    [ $# -eq 2 ] || usage
    [ -e "$2" ] && fail "$2 exists; not overwriting a key"
    (umask 077 && openssl genpkey -algorithm ed25519 -out "$2") || fail "cannot write $2"
    public_key "$2"
    ;;
pubkey)
    [ $# -eq 2 ] || usage
    public_key "$2"
    ;;
sign)
    [ $# -eq 3 ] || usage
    [ -f "$3" ] || fail "no file $3"
    tmp=$(mktemp "$3.sig.XXXXXX")
    trap 'rm -f "$tmp"' EXIT
    { openssl pkeyutl -sign -inkey "$2" -rawin -in "$3" | base64 -w0 && echo; } >"$tmp" ||
        fail "cannot sign $3 with $2"
    [ "$(head -c 88 "$tmp" | base64 -d 2>/dev/null | wc -c)" -eq 64 ] || fail "openssl gave no Ed25519 signature"
    mv "$tmp" "$3.sig"
    trap - EXIT
    ;;
*)
    usage
    ;;
esac
