#!/usr/bin/env python3
"""Writes the web page of a tournament with rondoplan-schema and opens it in a real headless
browser: the page must be valid HTML5 without external resources, render to a screenshot,
and its team box, chosen through the address (#team=NAAM), must leave exactly the team's own
matches and its poule's matches. Team names with HTML's special characters check the escaping.
With --toewijzen every team referees first (in a copy), and the chosen team also sees the
matches it referees and the list of its duties. Exit 77 (skipped) when chromium or html5lib
is not installed.

Arguments: PROGRAMMA TOERNOOI [SCHERMAFDRUK.png] [--toewijzen]"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import urllib.parse

try:
    import html5lib
except ImportError:
    print("python3-html5lib ontbreekt; overgeslagen")
    sys.exit(77)
BROWSER = shutil.which("chromium") or shutil.which("chromium-browser")
if not BROWSER:
    print("chromium ontbreekt; overgeslagen")
    sys.exit(77)

fluiten = "--toewijzen" in sys.argv
argumenten = [a for a in sys.argv if a != "--toewijzen"]
programma, toernooi = argumenten[1], argumenten[2]
schermafdruk = argumenten[3] if len(argumenten) > 3 else None
# A team whose name needs every escape, in a poule that has results.
VREEMD = 'SC <Molenwijk> & "E1\''
XHTML = "{http://www.w3.org/1999/xhtml}"


def browser(map_, *opties):
    profiel = os.path.join(map_, "profiel")
    uitkomst = subprocess.run(
        [BROWSER, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--disable-extensions", "--disable-dev-shm-usage", "--user-data-dir=" + profiel, *opties],
        capture_output=True, timeout=120, check=True)
    return uitkomst.stdout.decode("utf-8")


def rijen(dom, soort="wedstrijd"):
    return [tr for tr in html5lib.parse(dom).iter(XHTML + "tr")
            if soort in tr.get("class", "").split()]


with tempfile.TemporaryDirectory() as map_:
    bron = os.path.join(map_, "toernooi.trn")
    with open(toernooi, "rb") as f:
        inhoud = f.read().replace(b"SC Molenwijk E1", VREEMD.encode("cp1252"))
    with open(bron, "wb") as f:
        f.write(inhoud)
    if fluiten:
        met = os.path.join(map_, "met-scheidsrechters.trn")
        subprocess.run([programma, "--toewijzen", "--bewaar", met, bron], check=True,
                       capture_output=True)
        bron = met
    pagina = os.path.join(map_, "schema.html")
    subprocess.run([programma, "--html", pagina, bron], check=True)
    with open(pagina, "rb") as f:
        html = f.read()

    # Valid HTML5: the strict parser raises on any parse error.
    html5lib.HTMLParser(strict=True).parse(html)
    tekst = html.decode("utf-8")
    assert not re.search(r"<(link|img|iframe|object|embed)\b|\b(src|href)\s*=|url\(|@import",
                         tekst, re.I), "verwijzing naar een extern bestand"
    assert "<h2>Stand</h2>" in tekst, "geen stand bij uitslagen"
    assert ("data-scheids=" in tekst) == fluiten

    url = "file://" + urllib.parse.quote(pagina)
    if schermafdruk:
        browser(map_, "--window-size=1000,2400", "--screenshot=" + schermafdruk,
                url + "#team=" + urllib.parse.quote(VREEMD, safe=""))
        assert os.path.getsize(schermafdruk) > 10000, "lege schermafdruk"

    # Without a team every match shows.
    alle = rijen(browser(map_, "--dump-dom", url))
    assert alle and not any(tr.get("hidden") is not None for tr in alle)

    dom = browser(map_, "--dump-dom", url + "#team=" + urllib.parse.quote(VREEMD, safe=""))
    gefilterd = rijen(dom)
    assert all(tr.get("hidden") is not None for tr in rijen(dom, "leeg")), "lege velden zichtbaar"
    zichtbaar = [tr for tr in gefilterd if tr.get("hidden") is None]
    poule = "E-pupillen A"
    eigen = [tr for tr in alle if VREEMD in (tr.get("data-team1"), tr.get("data-team2"))]
    taken = [tr for tr in alle if tr.get("data-scheids") == VREEMD]
    verwacht = [tr for tr in alle
                if VREEMD in (tr.get("data-team1"), tr.get("data-team2"))
                or (tr.get("data-poule") == poule and tr.get("data-kruis") != "ja")
                or tr in taken]
    assert bool(taken) == fluiten, "geen wedstrijd om te fluiten"
    # The team's duties: its list alone shows, one line per match it referees.
    lijsten = [ul for ul in html5lib.parse(dom).iter(XHTML + "ul")
               if "fluiten" in ul.get("class", "").split() and ul.get("hidden") is None]
    assert [ul.get("data-fluiter") for ul in lijsten] == ([VREEMD] if fluiten else [])
    if fluiten:
        regels = [li.text for li in lijsten[0].iter(XHTML + "li")]
        assert len(regels) == len(taken) and all(re.fullmatch(r"Fluiten: ronde \d+, veld \d+", r)
                                                 for r in regels), regels
    assert eigen and any(tr.get("data-kruis") == "ja" for tr in eigen), "kruiswedstrijd niet ingevuld"
    assert [tr.get("data-team1") + "|" + tr.get("data-team2") for tr in zichtbaar] == \
        [tr.get("data-team1") + "|" + tr.get("data-team2") for tr in verwacht], "filter klopt niet"
    assert len(zichtbaar) < len(alle)
    print(f"{len(zichtbaar)} van {len(alle)} wedstrijden zichtbaar voor het team, "
          f"{len(taken)} om te fluiten")
