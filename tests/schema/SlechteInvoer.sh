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

# The same guards for a team list, with the list's own limit of 8 MB.
printf 'Team\r\nA\r\n' > "$map/teams.csv"
cp "$map/teams.csv" "$map/groot.csv"
truncate -s 8388609 "$map/groot.csv"
printf '# Bewaard op: 1-1-2000 12:00.\r\n#\r\nToernooiNaam=T\r\n' > "$map/t.trn"
controleer_lijst() { # lijst, verwacht deel van de melding
    fout=$(timeout 20 "$programma" --importeer "$1" --bewaar "$map/uit.trn" "$map/t.trn" 2>&1 >/dev/null)
    code=$?
    if [ "$code" -ne 1 ]; then
        echo "--importeer $1: afsluitcode $code, verwacht 1"; mislukt=1
    fi
    case "$fout" in
    *"$2"*) ;;
    *) echo "--importeer $1: melding zonder \"$2\": $fout"; mislukt=1 ;;
    esac
}
controleer_lijst "$map/pijp" "Geen gewoon bestand"
controleer_lijst /dev/zero "Geen gewoon bestand"
controleer_lijst "$map/groot.csv" "groter dan 8 MB"
controleer_lijst "$map/ontbreekt.csv" "Bestand of map bestaat niet"
if [ -e "$map/uit.trn" ]; then
    echo "een mislukte import schreef toch een toernooi"; mislukt=1
fi

# No export overwrites its own tournament, by its name, through a link, or a hard link.
ln -s t.trn "$map/koppeling.trn"
ln "$map/t.trn" "$map/hard.trn"
cp "$map/t.trn" "$map/origineel"
for optie in --csv --html --ics; do
    for doel in "$map/t.trn" "$map/koppeling.trn" "$map/hard.trn" "$map/../$(basename "$map")/t.trn"; do
        fout=$(timeout 20 "$programma" "$optie" "$doel" "$map/t.trn" 2>&1 >/dev/null)
        code=$?
        case "$code:$fout" in
        1:*"het toernooibestand zelf"*) ;;
        *) echo "$optie $doel: afsluitcode $code, melding: $fout"; mislukt=1 ;;
        esac
    done
done
if ! cmp -s "$map/t.trn" "$map/origineel"; then
    echo "een export overschreef het toernooi"; mislukt=1
fi
exit $mislukt
