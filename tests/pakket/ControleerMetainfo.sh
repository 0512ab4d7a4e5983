#!/usr/bin/env bash
# The files a desktop and a software centre read: the launcher valid for desktop-file-validate,
# the AppStream metainfo valid for appstreamcli (without the network), and its newest release
# and the package's changelog at the version of the build.
#   ControleerMetainfo.sh DESKTOPBESTAND METAINFO CHANGELOG VERSIE
# Exit 77 where desktop-file-validate or appstreamcli is missing.
set -u

DESKTOP="$1"
METAINFO="$2"
CHANGELOG="$3"
VERSIE="$4"
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
exit "$fout"
