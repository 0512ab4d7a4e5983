#!/usr/bin/env bash
# Prints a tournament through the print run onto a real CUPS queue and checks what comes out.
#
#   druk_via_cups.sh TESTPROGRAMMA RONDOPLAN_SCHEMA TOERNOOI
#
# A private cupsd runs from a temporary folder (its own configuration, spool, cache, logs and
# queues; it listens only on a local socket in that folder), so the machine's own CUPS setup
# is never touched. Its one queue, "PDF", is a cups-pdf printer. cups-pdf only reads its
# settings from /etc/cups, so the queue uses a cups-pdf instance of its own whose settings file,
# /etc/cups/cups-pdf-<instance>.conf, exists only while this script runs; it sends the PDFs,
# cups-pdf's spool and log into the temporary folder.
#
# TESTPROGRAMMA prints every printout of TOERNOOI on that queue through the print dialog; the
# script then waits for the jobs and checks with pdftotext: one PDF per job, in the order of
# the print run, each named after its job title, each page reading "Pagina n van N" with N
# its own page count, and every slot of the schedule (from RONDOPLAN_SCHEMA) on the printed
# schedule and, when it is a match, on a referee note.
#
# Exit code 77 (skipped) when CUPS, cups-pdf or poppler's tools are missing or when not run
# as root. With RONDOPLAN_CUPS_UITVOER set, the PDFs are copied into that folder; with
# RONDOPLAN_CUPS_BEHOUD set, the temporary folder (logs, PDFs, texts) is kept.
set -uo pipefail

OVERGESLAGEN=77
PROGRAMMA=${1:?test program}
SCHEMA_TOOL=${2:?rondoplan-schema}
TOERNOOI=${3:?tournament file}
TOERNOOINAAM="Zomertoernooi 2026"
WACHTRIJ=PDF
SERVERBIN=/usr/lib/cups
DATADIR=/usr/share/cups
PPD=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

# The print run's jobs for the choices the test program makes, in their order.
VERWACHTE_TITELS=(
    "Rondoplan. Schema. $TOERNOOINAAM"
    "Rondoplan. Poules. $TOERNOOINAAM"
    "Rondoplan. Team Blauw-Zwart E1. $TOERNOOINAAM"
    "Rondoplan. Team Kampong E5. $TOERNOOINAAM"
    "Rondoplan. Scheidsrechterbriefjes. $TOERNOOINAAM"
)

sla_over() {
    echo "OVERGESLAGEN: $*"
    exit "$OVERGESLAGEN"
}

for programma in cupsd lpadmin lpstat pdftotext pdfinfo gs; do
    command -v "$programma" > /dev/null || sla_over "$programma ontbreekt (CUPS, ghostscript of poppler-utils niet geïnstalleerd; zie scripts/install-deps)"
done
[ -x "$SERVERBIN/backend/cups-pdf" ] || sla_over "de cups-pdf-backend ontbreekt (printer-driver-cups-pdf niet geïnstalleerd)"
[ -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] || sla_over "de PPD van cups-pdf ontbreekt (printer-driver-cups-pdf niet geïnstalleerd)"
[ -d /etc/cups ] || sla_over "/etc/cups ontbreekt"
[ "$(id -u)" -eq 0 ] || sla_over "cupsd en de cups-pdf-backend vragen root; draai als root"

fout() {
    echo "FOUT: $*" >&2
    exit 1
}

# The socket path must stay below the 108 characters of a Unix socket address.
BASIS=${TMPDIR:-/tmp}
[ ${#BASIS} -lt 60 ] || BASIS=/tmp
MAP=$(mktemp -d "$BASIS/rondoplan-cups.XXXXXX") || fout "geen tijdelijke map"
# The filters run as user lp and must reach the spool below this folder.
chmod 755 "$MAP"
INSTANTIE="rondoplan$$"
INSTANTIE_CONF="/etc/cups/cups-pdf-$INSTANTIE.conf"
CUPSD_PID=""
CONF_GEMAAKT=""

opruimen() {
    local code=$?
    if [ -n "$CUPSD_PID" ] && kill -0 "$CUPSD_PID" 2> /dev/null; then
        kill -TERM "$CUPSD_PID" 2> /dev/null
        for _ in $(seq 1 50); do
            kill -0 "$CUPSD_PID" 2> /dev/null || break
            sleep 0.1
        done
        kill -0 "$CUPSD_PID" 2> /dev/null && kill -KILL "$CUPSD_PID" 2> /dev/null
        wait "$CUPSD_PID" 2> /dev/null
    fi
    [ -n "$CONF_GEMAAKT" ] && rm -f "$INSTANTIE_CONF"
    if [ "$code" -ne 0 ] && [ "$code" -ne "$OVERGESLAGEN" ] && [ -f "$MAP/log/error_log" ]; then
        echo "--- laatste regels van het foutenlogboek van cupsd ---" >&2
        grep -av '^D ' "$MAP/log/error_log" | tail -n 40 >&2
        for log in "$MAP"/pdflog/*; do
            [ -f "$log" ] || continue
            echo "--- $log ---" >&2
            tail -n 20 "$log" | tr -cd '[:print:]\n' >&2
        done
    fi
    [ -n "${RONDOPLAN_CUPS_BEHOUD:-}" ] || rm -rf "$MAP"
    exit "$code"
}
trap opruimen EXIT
trap 'exit 130' INT TERM HUP

mkdir -p "$MAP"/{root/ppd,spool/tmp,cache,state,log,uit,pdfspool,pdflog,gstmp,tekst}

cat > "$MAP/root/cups-files.conf" << EOF
ServerRoot $MAP/root
RequestRoot $MAP/spool
TempDir $MAP/spool/tmp
CacheDir $MAP/cache
StateDir $MAP/state
AccessLog $MAP/log/access_log
ErrorLog $MAP/log/error_log
PageLog $MAP/log/page_log
Printcap $MAP/state/printcap
ServerBin $SERVERBIN
DataDir $DATADIR
User lp
Group lp
SystemGroup root
EOF

# Local socket only, no browsing, no web interface; anyone who reaches the socket may
# administer, which is only this script.
cat > "$MAP/root/cupsd.conf" << EOF
LogLevel debug
Listen $MAP/cups.sock
Browsing No
WebInterface No
ErrorPolicy abort-job
PreserveJobHistory Yes
PageLogFormat %j %{job-name}
DefaultAuthType None
<Location />
  Order allow,deny
  Allow localhost
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

# cups-pdf's settings for this instance: everything it writes goes into the temporary folder.
[ -e "$INSTANTIE_CONF" ] && fout "$INSTANTIE_CONF bestaat al"
(set -o noclobber; cat > "$INSTANTIE_CONF") << EOF || fout "kan $INSTANTIE_CONF niet maken"
Out $MAP/uit
AnonDirName $MAP/uit
Spool $MAP/pdfspool
Log $MAP/pdflog
GSTmp $MAP/gstmp
LogType 3
EOF
CONF_GEMAAKT=1

cupsd -f -c "$MAP/root/cupsd.conf" -s "$MAP/root/cups-files.conf" > "$MAP/log/cupsd.out" 2>&1 &
CUPSD_PID=$!

export CUPS_SERVER="$MAP/cups.sock"
# Clients read no client.conf or lpoptions of the machine.
export CUPS_SERVERROOT="$MAP/root"
actief=""
for _ in $(seq 1 100); do
    kill -0 "$CUPSD_PID" 2> /dev/null || { cat "$MAP/log/cupsd.out" >&2; fout "cupsd is gestopt bij het starten"; }
    if [ -S "$CUPS_SERVER" ] && lpstat -r 2> /dev/null | grep -q 'scheduler is running'; then
        actief=1
        break
    fi
    sleep 0.2
done
[ -n "$actief" ] || fout "cupsd antwoordt niet op $CUPS_SERVER"

# The PPD's options outrank cups-pdf's settings file: Label=2 puts the job id behind every file
# name; TitlePref=1 names the file after the job's title rather than the title cups-pdf digs
# out of the PostScript, which it garbles when that is long.
lpadmin -p "$WACHTRIJ" -E -v "cups-pdf:/$INSTANTIE" -m "$PPD" \
    -o pdftops-renderer-default=pdftocairo -o Label=2 -o TitlePref=1 2> "$MAP/log/lpadmin.out" \
    || { cat "$MAP/log/lpadmin.out" >&2; fout "lpadmin kon de wachtrij $WACHTRIJ niet maken"; }
lpstat -p "$WACHTRIJ" | grep -q 'enabled' || fout "de wachtrij $WACHTRIJ staat niet aan"

echo "cupsd (pid $CUPSD_PID) in $MAP, wachtrij $WACHTRIJ -> cups-pdf:/$INSTANTIE"

RONDOPLAN_CUPS_WACHTRIJ="$WACHTRIJ" RONDOPLAN_CUPS_TOERNOOI="$TOERNOOI" \
    QT_QPA_PLATFORM=offscreen "$PROGRAMMA" || fout "het testprogramma faalde"

# Every job must end; a job that fails is aborted (ErrorPolicy abort-job), so no job hangs.
klaar=""
for _ in $(seq 1 450); do
    if [ -z "$(lpstat -o "$WACHTRIJ" 2> /dev/null)" ]; then
        klaar=1
        break
    fi
    sleep 0.2
done
[ -n "$klaar" ] || { lpstat -l -o "$WACHTRIJ" >&2; fout "de printopdrachten zijn na 90 seconden nog niet klaar"; }

# The page log names every job that was printed: job id and title, in job order.
mapfile -t LOG < <(sort -n "$MAP/log/page_log" 2> /dev/null)
GELOGD=()
JOBS=()
for regel in "${LOG[@]}"; do
    JOBS+=("${regel%% *}")
    GELOGD+=("${regel#* }")
done
if [ ${#GELOGD[@]} -ne ${#VERWACHTE_TITELS[@]} ] || [ "${GELOGD[*]}" != "${VERWACHTE_TITELS[*]}" ]; then
    printf 'verwacht: %s\n' "${VERWACHTE_TITELS[@]}" >&2
    printf 'gedrukt:  %s\n' "${LOG[@]}" >&2
    fout "de printopdrachten of hun volgorde kloppen niet"
fi

# cups-pdf names each file after the job's title (blanks become "_") and its job id.
mislukt=0
controleer() {
    local beschrijving=$1
    shift
    if ! "$@"; then
        echo "  niet in orde: $beschrijving" >&2
        mislukt=1
    fi
}
bevat() { grep -qF -- "$2" "$1"; }
aantal() { grep -oE -- "$2" "$1" | wc -l; }

BESTANDEN=()
for i in "${!VERWACHTE_TITELS[@]}"; do
    naam="${VERWACHTE_TITELS[$i]// /_}-job_${JOBS[$i]}.pdf"
    [ -s "$MAP/uit/$naam" ] || { ls -l "$MAP/uit" >&2; fout "cups-pdf schreef $naam niet"; }
    BESTANDEN+=("$MAP/uit/$naam")
done
[ "$(find "$MAP/uit" -name '*.pdf' | wc -l)" -eq ${#VERWACHTE_TITELS[@]} ] \
    || { ls -l "$MAP/uit" >&2; fout "cups-pdf schreef meer bestanden dan er opdrachten waren"; }

"$SCHEMA_TOOL" "$TOERNOOI" > "$MAP/tekst/schema.txt" || fout "rondoplan-schema kon het schema niet bouwen"
VAKKEN=$(grep -cE '^  Veld [0-9]+: ' "$MAP/tekst/schema.txt")
WEDSTRIJDEN=$(grep -E '^  Veld [0-9]+: ' "$MAP/tekst/schema.txt" | grep -vc ': Geen wedstrijd$')
{ [ "$VAKKEN" -gt 0 ] && [ "$WEDSTRIJDEN" -gt 0 ]; } || fout "het schema van $TOERNOOI is leeg"

declare -A PAGINAS
for i in "${!BESTANDEN[@]}"; do
    pdf=${BESTANDEN[$i]}
    titel=${VERWACHTE_TITELS[$i]}
    tekst="$MAP/tekst/$i.txt"
    n=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
    PAGINAS[$i]=$n
    echo "${titel}: $n pagina('s)"
    pdftotext -layout "$pdf" "$tekst" || fout "pdftotext kon $pdf niet lezen"
    for p in $(seq 1 "$n"); do
        pdftotext -layout -f "$p" -l "$p" "$pdf" "$MAP/tekst/$i-$p.txt"
        controleer "pagina $p van $titel noemt 'Pagina $p van $n'" bevat "$MAP/tekst/$i-$p.txt" "Pagina $p van $n"
        controleer "pagina $p van $titel noemt het toernooi" bevat "$MAP/tekst/$i-$p.txt" "$TOERNOOINAAM"
        controleer "pagina $p van $titel heeft de productregel" bevat "$MAP/tekst/$i-$p.txt" "Rondoplan 1.4"
        controleer "pagina $p van $titel heeft de printdatum" bevat "$MAP/tekst/$i-$p.txt" "Geprint op "
    done
done

# The full and the per-team schedules hold every slot of the schedule exactly once.
for i in 0 2 3; do
    gevonden=$(aantal "$MAP/tekst/$i.txt" 'Veld [0-9]+: ')
    controleer "${VERWACHTE_TITELS[$i]} toont alle $VAKKEN vakken (gevonden: $gevonden)" [ "$gevonden" -eq "$VAKKEN" ]
    controleer "${VERWACHTE_TITELS[$i]} begint met Ronde 1" bevat "$MAP/tekst/$i-1.txt" "Ronde 1"
done
for i in 2 3; do
    controleer "${VERWACHTE_TITELS[$i]} telt even veel pagina's als het volledige schema" \
        [ "${PAGINAS[$i]}" -eq "${PAGINAS[0]}" ]
done
for team in "Blauw-Zwart E1" "Kampong E5"; do
    controleer "het schema toont $team" bevat "$MAP/tekst/0.txt" "$team"
done
for poule in "Poule A" "Poule B" "Poule C" "Poule D" "Hooglanderveen E1" "VVC E1"; do
    controleer "de poule-indeling toont $poule" bevat "$MAP/tekst/1.txt" "$poule"
done
# One referee note per match: a referee line and two score lines each.
notities=$(aantal "$MAP/tekst/4.txt" 'Scheidsechter:')
scores=$(aantal "$MAP/tekst/4.txt" 'Score team: ')
controleer "een scheidsrechterbriefje per wedstrijd ($WEDSTRIJDEN, gevonden: $notities)" [ "$notities" -eq "$WEDSTRIJDEN" ]
controleer "twee scoreregels per briefje (gevonden: $scores)" [ "$scores" -eq $((2 * WEDSTRIJDEN)) ]
controleer "de briefjes bevatten geen 'Geen wedstrijd'" [ "$(aantal "$MAP/tekst/4.txt" 'Geen wedstrijd')" -eq 0 ]

if [ -n "${RONDOPLAN_CUPS_UITVOER:-}" ]; then
    mkdir -p "$RONDOPLAN_CUPS_UITVOER" && cp "${BESTANDEN[@]}" "$RONDOPLAN_CUPS_UITVOER"/
    echo "PDF's gekopieerd naar $RONDOPLAN_CUPS_UITVOER"
fi

[ "$mislukt" -eq 0 ] || fout "de afdrukken kloppen niet"
echo "OK: ${#BESTANDEN[@]} printopdrachten via CUPS gedrukt en gecontroleerd"
