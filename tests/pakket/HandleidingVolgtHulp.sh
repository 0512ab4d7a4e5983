#!/usr/bin/env bash
# Holds a manual page to the program's --help: every option the help text names and every exit
# status it lists is in the page, and the page lists no other exit status. Where groff is
# present the page must also format without a warning.
#   HandleidingVolgtHulp.sh PROGRAMMA HANDLEIDING
set -u

PROGRAMMA="$1"
PAGINA="$2"
fout=0
faal() {
    echo "FOUT: $1"
    fout=1
}

hulp="$(QT_QPA_PLATFORM=offscreen timeout 60 "$PROGRAMMA" --help)" || { echo "FOUT: $PROGRAMMA --help mislukte"; exit 1; }
# In the page's source a minus is written \-.
bron="$(sed 's/\\-/-/g' "$PAGINA")"

# An option is a word that starts with - or --, not the middle of "dd-mm-jjjj".
opties="$(grep -o -P -- '(?<![A-Za-z0-9-])--?[a-z][a-z-]*' <<<"$hulp" | sort -u)"
[ -n "$opties" ] || faal "geen enkele optie gevonden in $PROGRAMMA --help"
for optie in $opties; do
    # An option stands in the page as a word of its own, not as part of a longer option.
    grep -q -P -- "(?<![A-Za-z0-9-])$optie(?![a-z-])" <<<"$bron" || faal "$optie staat niet in $PAGINA"
done

codes_hulp="$(sed -n '/^Afsluitcodes:/,/^$/p' <<<"$hulp" | grep -o -E '^  [0-9]+' | tr -d ' ' | sort -n)"
codes_pagina="$(sed -n '/^\.SH AFSLUITSTATUS/,/^\.SH /p' <<<"$bron" | grep -o -E '^\.B [0-9]+$' | cut -d' ' -f2 | sort -n)"
[ -n "$codes_hulp" ] || faal "geen afsluitcodes gevonden in $PROGRAMMA --help"
if [ "$codes_hulp" != "$codes_pagina" ]; then
    faal "afsluitcodes in --help: $(echo $codes_hulp), in $PAGINA: $(echo $codes_pagina)"
fi

if command -v groff >/dev/null 2>&1; then
    meldingen="$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$PAGINA" 2>&1)"
    [ -z "$meldingen" ] || faal "groff over $PAGINA: $meldingen"
fi

[ "$fout" -eq 0 ] && echo "$(basename "$PAGINA"): $(echo $opties | wc -w) opties en afsluitcodes $(echo $codes_hulp) gelijk aan --help"
exit "$fout"
