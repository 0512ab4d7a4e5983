#!/usr/bin/env bash
# rondoplan-schema --bewaar onto a full disk: a small tmpfs, filled up first. The save must
# fail with a Dutch message and leave the file and its older backup byte for byte as they
# were. Mounting needs root; elsewhere the test is skipped (exit 77).
#   $1 the tool   $2 a tournament file
set -u
programma=$1
invoer=$2
schijf=$(mktemp -d)
trap 'umount "$schijf" 2>/dev/null; rm -rf "$schijf"' EXIT
if ! mount -t tmpfs -o size=64k tmpfs "$schijf" 2>/dev/null; then
    echo "Overgeslagen: hier kan geen tmpfs aangekoppeld worden (root nodig)."
    exit 77
fi

cp "$invoer" "$schijf/toernooi.trn"
printf 'heel oud\r\n' > "$schijf/toernooi.bak"
dd if=/dev/zero of="$schijf/vul" bs=1k 2>/dev/null
mislukt=0
# Onto itself (the backup is written first), and to a new name (only the file is written).
for doel in "$schijf/toernooi.trn" "$schijf/nieuw.trn"; do
    fout=$("$programma" --bewaar "$doel" "$schijf/toernooi.trn" 2>&1 >/dev/null)
    code=$?
    if [ "$code" -ne 1 ]; then
        echo "--bewaar $doel gaf afsluitcode $code, verwacht 1"; mislukt=1
    fi
    case "$fout" in
    *"Geen ruimte meer op het apparaat"*) ;;
    *) echo "Geen Nederlandse melding van de volle schijf: $fout"; mislukt=1 ;;
    esac
    if ! cmp -s "$invoer" "$schijf/toernooi.trn"; then
        echo "toernooi.trn is veranderd"; mislukt=1
    fi
    if [ "$(cat "$schijf/toernooi.bak")" != $'heel oud\r' ]; then
        echo "toernooi.bak is veranderd"; mislukt=1
    fi
done
if [ -e "$schijf/nieuw.trn" ]; then
    echo "nieuw.trn is aangemaakt"; mislukt=1
fi
exit $mislukt
