#!/usr/bin/env bash
# rondoplan-schema --bewaar and every export onto a full disk: a small tmpfs, filled up
# first. Each must fail with a Dutch message and leave the files it would replace byte for
# byte as they were. Mounting needs root; elsewhere the test is skipped (exit 77).
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
# The previous exports, which a failed export must leave as they are.
mkdir "$schijf/pdf"
for vorig in schema.csv schema.html agenda.ics pdf/schema.pdf pdf/poules.pdf \
    pdf/scheidsrechterbriefjes.pdf; do
    printf 'vorige %s\n' "$vorig" > "$schijf/$vorig"
done
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
    *"Schijf vol"*) ;;
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

# Every export kind: a non-zero exit, a Dutch message naming each file that failed, and the
# previous file byte for byte.
# exporteer "options" files...
exporteer() {
    local opties=$1
    shift
    fout=$("$programma" $opties "$invoer" 2>&1 >/dev/null)
    code=$?
    if [ "$code" -eq 0 ]; then
        echo "$opties: afsluitcode 0 op een volle schijf"; mislukt=1
    fi
    case "$fout" in
    *"Schijf vol"*) ;;
    *) echo "$opties: geen Nederlandse melding van de volle schijf: $fout"; mislukt=1 ;;
    esac
    for bestand in "$@"; do
        case "$fout" in
        *"$schijf/$bestand"*) ;;
        *) echo "$opties: de melding noemt $bestand niet: $fout"; mislukt=1 ;;
        esac
        if [ "$(cat "$schijf/$bestand")" != "vorige $bestand" ]; then
            echo "$opties: $bestand is veranderd"; mislukt=1
        fi
    done
}
exporteer "--csv $schijf/schema.csv" schema.csv
exporteer "--html $schijf/schema.html" schema.html
exporteer "--ics $schijf/agenda.ics" agenda.ics
exporteer "--csv $schijf/schema.csv --html $schijf/schema.html --ics $schijf/agenda.ics" \
    schema.csv schema.html agenda.ics
exporteer "--pdf $schijf/pdf" pdf/schema.pdf pdf/poules.pdf pdf/scheidsrechterbriefjes.pdf
exit $mislukt
