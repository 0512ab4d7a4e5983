#!/usr/bin/env bash
# The files a desktop and a software centre read: the launcher valid for desktop-file-validate,
# the AppStream metainfo valid for appstreamcli (without the network), and its newest release
# and the package's changelog at the version of the build; every screenshot it names is in
# the folder of pictures, at the width and height it says.
#   ControleerMetainfo.sh DESKTOPBESTAND METAINFO CHANGELOG VERSIE SCHERMAFDRUKKEN
# Exit 77 where desktop-file-validate or appstreamcli is missing.
set -u

DESKTOP="$1"
METAINFO="$2"
CHANGELOG="$3"
VERSIE="$4"
SCHERMAFDRUKKEN="$5"
for programma in desktop-file-validate appstreamcli; do
    command -v "$programma" >/dev/null 2>&1 || { echo "overgeslagen: $programma ontbreekt"; exit 77; }
done
fout=0

desktop-file-validate "$DESKTOP" || { echo "FOUT: desktop-file-validate $DESKTOP"; fout=1; }
timeout 120 appstreamcli validate --no-net --explain "$METAINFO" || { echo "FOUT: appstreamcli validate $METAINFO"; fout=1; }

nieuwste="$(grep -o -E '<release version="[^"]+"' "$METAINFO" | head -n 1 | cut -d'"' -f2)"
[ "$nieuwste" = "$VERSIE" ] || { echo "FOUT: de nieuwste release in $METAINFO is $nieuwste, niet $VERSIE"; fout=1; }
bovenste="$(head -n 1 "$CHANGELOG")"
case "$bovenste" in
    "rondoplan ($VERSIE) "*) ;;
    *) echo "FOUT: de changelog begint met \"$bovenste\", niet met versie $VERSIE"; fout=1 ;;
esac
# A PNG file gives its width and height as two 32-bit big-endian numbers from byte 16 on.
afmetingen() {
    od -A n -t u1 -j 16 -N 8 "$1" | awk '{ printf "%d %d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
aantal=0
while read -r breedte hoogte adres; do
    aantal=$((aantal + 1))
    plaatje="$SCHERMAFDRUKKEN/$(basename "$adres")"
    if [ ! -f "$plaatje" ]; then
        echo "FOUT: $plaatje ontbreekt"; fout=1; continue
    fi
    [ "$(afmetingen "$plaatje")" = "$breedte $hoogte" ] \
        || { echo "FOUT: $plaatje is $(afmetingen "$plaatje"), de metainfo zegt $breedte $hoogte"; fout=1; }
done < <(sed -n -E 's|.*<image type="source" width="([0-9]+)" height="([0-9]+)">([^<]+)</image>.*|\1 \2 \3|p' "$METAINFO")
[ "$aantal" -gt 0 ] || { echo "FOUT: de metainfo noemt geen schermafdruk"; fout=1; }
exit "$fout"
