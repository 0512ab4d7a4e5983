#!/usr/bin/env bash
# Checks the Debian package as a club's laptop gets it: lintian reports no error, apt-get
# installs it, the installed programs answer --version, build the installed example, write its
# PDFs, the desktop program starts, and *.trn files open with Rondoplan. The package is
# removed again afterwards, also when a check fails.
#   ControleerPakket.sh PAKKET VERSIE
# Exit 77 (skipped) where dpkg-deb, lintian or root rights are missing, where no package was
# made (unless RONDOPLAN_PAKKET_VEREIST=1, as in CI), or where rondoplan is already installed,
# which this check leaves alone.
set -u

PAKKET="$1"
VERSIE="$2"

overslaan() {
    echo "pakket.controle overgeslagen: $1"
    exit 77
}
fout=0
faal() {
    echo "FOUT: $1"
    fout=1
}

for programma in dpkg-deb dpkg-query lintian apt-get timeout xdg-mime; do
    command -v "$programma" >/dev/null 2>&1 || overslaan "$programma ontbreekt"
done
if [ ! -f "$PAKKET" ]; then
    [ "${RONDOPLAN_PAKKET_VEREIST:-}" = 1 ] && { echo "FOUT: geen pakket $PAKKET"; exit 1; }
    overslaan "geen pakket $PAKKET; maak het met scripts/package"
fi
[ "$(id -u)" -eq 0 ] || overslaan "installeren vraagt root"
if dpkg-query -W -f='${Status}' rondoplan 2>/dev/null | grep -q "ok installed"; then
    overslaan "rondoplan is al geïnstalleerd; deze controle laat het staan"
fi
PAKKET="$(realpath "$PAKKET")"

WERK="$(mktemp -d)"
verwijder() {
    if dpkg-query -W -f='${Status}' rondoplan 2>/dev/null | grep -q "ok installed\|config-files\|half"; then
        DEBIAN_FRONTEND=noninteractive timeout 180 apt-get purge -y -q rondoplan >"$WERK/verwijderen.log" 2>&1 \
            || { echo "FOUT: rondoplan kon niet verwijderd worden:"; cat "$WERK/verwijderen.log"; }
    fi
    rm -rf "$WERK"
}
trap verwijder EXIT
trap 'exit 1' INT TERM

echo "== Pakket"
dpkg-deb --info "$PAKKET" | sed -n '/Package:/,$p'
[ "$(dpkg-deb --field "$PAKKET" Version)" = "$VERSIE" ] || faal "het pakket heeft niet versie $VERSIE"
for vereist in qt6-qpa-plugins qt6-translations-l10n libqt6widgets6; do
    dpkg-deb --field "$PAKKET" Depends | grep -q "$vereist" || faal "Depends noemt $vereist niet"
done

echo "== lintian"
timeout 300 lintian --tag-display-limit 0 --info "$PAKKET" >"$WERK/lintian.txt" 2>&1
lintian_uitkomst=$?
cat "$WERK/lintian.txt"
echo "lintian: $(grep -c '^E:' "$WERK/lintian.txt") fouten, $(grep -c '^W:' "$WERK/lintian.txt") waarschuwingen, $(grep -c '^I:' "$WERK/lintian.txt") opmerkingen"
grep -q '^E:' "$WERK/lintian.txt" && faal "lintian meldt fouten"
[ "$lintian_uitkomst" -eq 124 ] && faal "lintian duurde langer dan 300 s"

echo "== Installeren"
if ! DEBIAN_FRONTEND=noninteractive timeout 400 apt-get install -y -q --no-install-recommends \
        -o DPkg::Lock::Timeout=120 "$PAKKET" >"$WERK/installeren.log" 2>&1; then
    cat "$WERK/installeren.log"
    echo "FOUT: apt-get install $PAKKET mislukte"
    exit 1
fi
tail -n 3 "$WERK/installeren.log"

echo "== De geïnstalleerde bestanden"
for bestand in /usr/bin/rondoplan /usr/bin/rondoplan-schema \
        /usr/share/rondoplan/start.jpg /usr/share/rondoplan/help/rondoplan.html \
        /usr/share/rondoplan/voorbeelden/jeugdtoernooi.trn \
        /usr/share/rondoplan/voorbeelden/jeugdtoernooi-wedstrijddag.trn \
        /usr/share/applications/rondoplan.desktop /usr/share/mime/packages/rondoplan.xml \
        /usr/share/metainfo/nl.rondoplan.Rondoplan.metainfo.xml \
        /usr/share/icons/hicolor/scalable/apps/rondoplan.svg \
        /usr/share/icons/hicolor/48x48/apps/rondoplan.png \
        /usr/share/icons/hicolor/256x256/apps/rondoplan.png \
        /usr/share/man/man1/rondoplan.1.gz /usr/share/man/man1/rondoplan-schema.1.gz \
        /usr/share/doc/rondoplan/copyright /usr/share/doc/rondoplan/changelog.gz; do
    [ -f "$bestand" ] || faal "$bestand ontbreekt"
done

echo "== De programma's"
# Each program in a home of its own: no recovery copy or setting of this machine is touched.
export HOME="$WERK/thuis" XDG_DATA_HOME="$WERK/thuis/data" XDG_CONFIG_HOME="$WERK/thuis/config"
mkdir -p "$HOME"
VOORBEELD=/usr/share/rondoplan/voorbeelden/jeugdtoernooi.trn
for programma in rondoplan rondoplan-schema; do
    gezien="$(timeout 30 "/usr/bin/$programma" --version)"
    [ "$gezien" = "$programma $VERSIE" ] || faal "$programma --version gaf \"$gezien\""
done
if timeout 120 /usr/bin/rondoplan-schema --tijden "$VOORBEELD" >"$WERK/schema.txt" 2>"$WERK/schema.fout"; then
    head -n 3 "$WERK/schema.txt"
    [ "$(head -n 1 "$WERK/schema.txt" | cut -f 1)" = "Ronde 1" ] || faal "het schema begint niet met Ronde 1"
    grep -q '^  Veld 1: ' "$WERK/schema.txt" || faal "het schema heeft geen velden"
else
    cat "$WERK/schema.fout"
    faal "rondoplan-schema bouwde het geïnstalleerde voorbeeld niet"
fi
# The PDFs need the offscreen platform plugin and a font, from the packages the package names.
if timeout 180 /usr/bin/rondoplan-schema --pdf "$WERK/pdf" "$VOORBEELD" 2>"$WERK/pdf.fout"; then
    for pdf in schema poules scheidsrechterbriefjes; do
        [ -s "$WERK/pdf/$pdf.pdf" ] || faal "$pdf.pdf ontbreekt"
    done
else
    cat "$WERK/pdf.fout"
    faal "rondoplan-schema --pdf mislukte"
fi

# The desktop program runs until it is closed: it has to be up after a few seconds, on the
# platform plugin the package depends on.
QT_QPA_PLATFORM=offscreen /usr/bin/rondoplan "$VOORBEELD" >"$WERK/rondoplan.log" 2>&1 &
pid=$!
sleep 5
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null
    echo "rondoplan draaide offscreen na 5 s"
else
    wait "$pid"
    faal "rondoplan stopte binnen 5 s (afsluitcode $?)"
    cat "$WERK/rondoplan.log"
fi

echo "== Het bestandstype"
# The package's trigger has put *.trn into the shared MIME database; xdg-mime reads that
# database through mimetype (libfile-mimeinfo-perl) outside a desktop, as file(1) knows no .trn.
grep -q '^[0-9]*:application/x-rondoplan-toernooi:\*\.trn$' /usr/share/mime/globs2 \
    || faal "*.trn staat niet in /usr/share/mime/globs2"
if command -v mimetype >/dev/null 2>&1; then
    soort="$(timeout 30 xdg-mime query filetype "$VOORBEELD")"
    echo "$VOORBEELD: $soort"
    [ "$soort" = "application/x-rondoplan-toernooi" ] || faal "xdg-mime kent *.trn niet als toernooi"
fi
standaard="$(timeout 30 xdg-mime query default application/x-rondoplan-toernooi)"
echo "application/x-rondoplan-toernooi opent met: $standaard"
[ "$standaard" = "rondoplan.desktop" ] || faal "een toernooi opent niet met rondoplan.desktop"

if [ "$fout" -ne 0 ]; then
    echo "pakket.controle: FOUTEN (zie hierboven)"
    exit 1
fi
echo "pakket.controle: alles in orde"
