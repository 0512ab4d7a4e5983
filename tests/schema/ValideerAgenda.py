#!/usr/bin/env python3
"""Writes the calendar of a tournament with rondoplan-schema and reads it with a real calendar
library: every event must parse and carry the properties a calendar needs; a team's calendar
has its matches and, as events of their own, its duties as referee. With --toewijzen first
(before --team) the calendar is that of a copy in which every team referees. Exit 77 (skipped)
when the library is not installed."""
import os
import subprocess
import sys
import tempfile

try:
    import icalendar
except ImportError:
    print("python3-icalendar ontbreekt; overgeslagen")
    sys.exit(77)

programma, toernooi = sys.argv[1], sys.argv[2]
extra = sys.argv[3:]
with tempfile.TemporaryDirectory() as map_:
    if extra[:1] == ["--toewijzen"]:
        # First every team as referee, kept in a copy.
        extra = extra[1:]
        kopie = os.path.join(map_, "toernooi.trn")
        subprocess.run([programma, "--toewijzen", "--bewaar", kopie, toernooi], check=True,
                       capture_output=True)
        toernooi = kopie
    uit = os.path.join(map_, "agenda.ics")
    subprocess.run([programma, "--ics", uit, *extra, toernooi], check=True)
    with open(uit, "rb") as f:
        inhoud = f.read()
    lijst = subprocess.run([programma, "--scheidsrechters", toernooi], check=True,
                           capture_output=True).stdout.decode("utf-8")

agenda = icalendar.Calendar.from_ical(inhoud)
events = list(agenda.walk("VEVENT"))
assert events, "geen wedstrijden"
uids = set()
for e in events:
    for naam in ("UID", "DTSTAMP", "DTSTART", "DTEND", "SUMMARY", "LOCATION"):
        assert naam in e, f"{naam} ontbreekt"
    assert e.decoded("DTEND") > e.decoded("DTSTART")
    assert " x " in str(e["SUMMARY"]) and str(e["LOCATION"]).startswith("Veld ")
    uids.add(str(e["UID"]))
assert len(uids) == len(events), "dubbele UID"
taken = [e for e in events if str(e["SUMMARY"]).startswith("Fluiten: ")]
# The assignment as --scheidsrechters prints it: round, field, match, referee.
scheidsrechters = [r.split("\t")[3] for r in lijst.split("\n\n")[0].splitlines()]
if "--team" in extra:
    team = extra[extra.index("--team") + 1]
    assert all(team in str(e["SUMMARY"]) for e in events if not str(e["SUMMARY"]).startswith("Fluiten: ")), \
        "wedstrijd van een ander team"
    # The team's duties as referee, each an event of its own: as many as the assignment has.
    verwacht = scheidsrechters.count(team)
    assert len(taken) == verwacht, f"{len(taken)} keer fluiten, verwacht {verwacht}"
    assert all(str(e["DESCRIPTION"]).startswith("Ronde ") for e in taken)
else:
    assert not taken, "fluiten in de agenda van het hele toernooi"
    genoemd = [e for e in events if "Scheidsrechter: " in str(e.get("DESCRIPTION", ""))]
    assert len(genoemd) == len(scheidsrechters) - scheidsrechters.count(""), "scheidsrechter ontbreekt"
print(f"{len(events) - len(taken)} wedstrijden en {len(taken)} keer fluiten gelezen")
