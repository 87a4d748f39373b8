#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Signs update programs for Horalux with Ed25519, using the openssl command line only.
#
#   scripts/sign-update.sh keygen KEY.pem                new private key (mode 0600); prints the public key
#   scripts/sign-update.sh pubkey KEY.pem                prints the public key of KEY.pem again
#   scripts/sign-update.sh sign KEY.pem FILE VERSION     writes FILE.sig (mode 0644): FILE's signed statement
#   scripts/sign-update.sh sign-list KEY.pem LIST DAYS [DATE]
#                                                        writes LIST.signed (mode 0644): the version list LIST,
#                                                        dated DATE (default now) and valid for DAYS days
#
# The public key is printed as the build takes it: -DHORALUX_UPDATE_PUBLIC_KEYS=<key>[,<key>...]
# FILE.sig holds three lines that say what FILE is, and their signature:
#   horalux-update-v1
#   version VERSION
#   sha256 <SHA-256 of FILE, lower-case hex>
#   signature <base64 of the Ed25519 signature of the three lines above, line feeds included>
# VERSION is the one the version list offers: one to four numbers of one to nine digits, joined by dots.
# LIST.signed is served as versions.txt: LIST's lines, then
#   date DATE                  (UTC, yyyymmddThhmmssZ: a clock takes no list older than one it has seen)
#   valid-until DATE+DAYS      (a clock takes no list past this)
#   signature <base64 of the Ed25519 signature of "horalux-version-list-v1", a line feed, and all lines above>
set -eu

usage() {
    sed -n '3,10s/^# \{0,1\}//p' "$0" >&2
    exit 2
}

newline='
'

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
    [ $# -eq 4 ] || usage
    key=$2 file=$3 version=$4
    [ -f "$file" ] || fail "no file $file"
    not_a_version="\"$version\" is no version the clock takes: one to four numbers of one to nine digits, joined by dots"
    # grep matches line by line, so a line feed would let two lines pass as one version.
    case $version in *"$newline"*) fail "$not_a_version" ;; esac
    printf '%s' "$version" | grep -Eqx '[0-9]{1,9}(\.[0-9]{1,9}){0,3}' || fail "$not_a_version"
    hash=$(openssl dgst -sha256 -r "$file" | cut -c1-64) || fail "cannot read $file"
    printf '%s' "$hash" | grep -Eqx '[0-9a-f]{64}' || fail "openssl gave no SHA-256 of $file"
    tmp=$(mktemp "$file.sig.XXXXXX")
    trap 'rm -f "$tmp"' EXIT
    printf 'horalux-update-v1\nversion %s\nsha256 %s\n' "$version" "$hash" >"$tmp"
    signature=$(openssl pkeyutl -sign -inkey "$key" -rawin -in "$tmp" | base64 -w0) || fail "cannot sign with $key"
    [ "$(printf '%s' "$signature" | base64 -d 2>/dev/null | wc -c)" -eq 64 ] || fail "openssl gave no Ed25519 signature"
    printf 'signature %s\n' "$signature" >>"$tmp"
    # The statement is public: a web server running as another user must be able to serve it.
    chmod 0644 "$tmp"
    mv "$tmp" "$file.sig"
    trap - EXIT
    ;;
sign-list)
    [ $# -eq 4 ] || [ $# -eq 5 ] || usage
    key=$2 list=$3 days=$4 date=${5:-$(date -u +%Y%m%dT%H%M%SZ)}
    [ -f "$list" ] || fail "no file $list"
    printf '%s' "$days" | grep -Eqx '[1-9][0-9]{0,2}' || fail "\"$days\" is no number of days from 1 to 999"
    case $date in *"$newline"*) fail "\"$date\" is no date" ;; esac
    printf '%s' "$date" | grep -Eqx '[0-9]{8}T[0-9]{6}Z' || fail "\"$date\" is no date of the form yyyymmddThhmmssZ"
    spaced=$(printf '%s' "$date" | sed -E 's/^(....)(..)(..)T(..)(..)(..)Z$/\1-\2-\3 \4:\5:\6/')
    until=$(date -u -d "$spaced UTC +$days days" +%Y%m%dT%H%M%SZ) || fail "\"$date\" is no date"
    grep -Eq '^(date|valid-until|signature) ' "$list" && fail "$list is signed already; sign the list without its last lines"
    tmp=$(mktemp "$list.signed.XXXXXX")
    message=$(mktemp "$list.message.XXXXXX")
    trap 'rm -f "$tmp" "$message"' EXIT
    cat "$list" >"$tmp"
    # The list's last line ends before the date's.
    [ -s "$tmp" ] && [ "$(tail -c 1 "$tmp" | od -An -c | tr -d ' ')" != '\n' ] && echo >>"$tmp"
    printf 'date %s\nvalid-until %s\n' "$date" "$until" >>"$tmp"
    { printf 'horalux-version-list-v1\n' && cat "$tmp"; } >"$message"
    signature=$(openssl pkeyutl -sign -inkey "$key" -rawin -in "$message" | base64 -w0) || fail "cannot sign with $key"
    [ "$(printf '%s' "$signature" | base64 -d 2>/dev/null | wc -c)" -eq 64 ] || fail "openssl gave no Ed25519 signature"
    printf 'signature %s\n' "$signature" >>"$tmp"
    chmod 0644 "$tmp"
    mv "$tmp" "$list.signed"
    rm -f "$message"
    trap - EXIT
    ;;
*)
    usage
    ;;
esac
