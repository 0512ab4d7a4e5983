#!/usr/bin/env python3
"""Writes the calendar of a tournament with rondoplan-schema and reads it with a real calendar
library: every event must parse and carry the properties a calendar needs. Exit 77 (skipped)
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
    uit = os.path.join(map_, "agenda.ics")
    subprocess.run([programma, "--ics", uit, *extra, toernooi], check=True)
    with open(uit, "rb") as f:
        inhoud = f.read()

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
if "--team" in extra:
    team = extra[extra.index("--team") + 1]
    assert all(team in str(e["SUMMARY"]) for e in events), "wedstrijd van een ander team"
print(f"{len(events)} wedstrijden gelezen")
