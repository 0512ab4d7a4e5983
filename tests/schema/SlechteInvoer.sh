#!/usr/bin/env bash
# rondoplan-schema on what is no tournament file: every case ends at once with exit 1 and a
# Dutch message, none hangs or crashes.
#   $1 the tool
set -u
programma=$1
map=$(mktemp -d)
trap 'rm -rf "$map"' EXIT
mkfifo "$map/pijp"
printf '\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\n' > "$map/foto.jpg"
truncate -s 67108865 "$map/groot.trn"

mislukt=0
controleer() { # bestand, verwacht deel van de melding
    fout=$(timeout 20 "$programma" "$1" 2>&1 >/dev/null)
    code=$?
    if [ "$code" -ne 1 ]; then
        echo "$1: afsluitcode $code, verwacht 1"; mislukt=1
    fi
    case "$fout" in
    *"$2"*) ;;
    *) echo "$1: melding zonder \"$2\": $fout"; mislukt=1 ;;
    esac
}
controleer "$map/pijp" "Geen gewoon bestand"
controleer /dev/zero "Geen gewoon bestand"
controleer "$map" "Is een map"
controleer "$map/groot.trn" "groter dan 64 MB"
controleer "$map/ontbreekt.trn" "Bestand of map bestaat niet"
controleer "$map/foto.jpg" "\"$map/foto.jpg\" is geen toernooibestand."
exit $mislukt
