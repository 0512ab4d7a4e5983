#include "core/uitwisseling/HtmlOpmaak.h"

namespace HtmlOpmaak {

QString Stijl()
{
    return QStringLiteral(R"(
body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; margin: 0 auto;
       max-width: 52em; padding: 0.5em 0.8em; color: #111; background: #fff; }
h1 { font-size: 1.5em; margin: 0.3em 0 0.1em; }
h2 { font-size: 1.25em; margin: 1.2em 0 0.3em; border-bottom: 2px solid #2a6f2a; }
h3 { font-size: 1.05em; margin: 0.9em 0 0.2em; }
h2 .tijd, h3 .tijd { font-weight: normal; color: #444; margin-left: 0.6em; }
.datum { color: #444; margin: 0 0 0.6em; }
.kiezer { position: sticky; top: 0; background: #eef5ee; padding: 0.5em; border-radius: 4px;
          margin: 0.5em 0; }
.kiezer select { font-size: 1em; max-width: 100%; }
table { border-collapse: collapse; width: 100%; }
th, td { text-align: left; padding: 0.2em 0.4em; border-bottom: 1px solid #ddd;
         vertical-align: top; }
td.veld { white-space: nowrap; width: 4.5em; color: #444; }
td.uitslag, th.getal, td.getal { text-align: right; white-space: nowrap; }
tr.leeg td { color: #999; }
tr.gekozen td, li.gekozen { background: #fff3b0; font-weight: bold; }
ul.poule { margin: 0.2em 0 0.6em; padding-left: 1.4em; }
.poules { display: flex; flex-wrap: wrap; gap: 0 2em; }
.poules section { min-width: 10em; }
section.stand { overflow-x: auto; }
@media (max-width: 30em) {
  body { font-size: 15px; }
  td.veld { width: auto; }
  th, td { padding: 0.2em 0.25em; }
}
@page { size: A4; margin: 15mm; }
@media print {
  body { max-width: none; font-size: 10pt; padding: 0; }
  .kiezer { display: none; }
  section.ronde, section.stand { break-inside: avoid; }
  h2 { break-after: avoid; }
}
)");
}

QString Script()
{
    // The team comes from the box or from the address ("#team=NAAM"), so a link can open
    // the page on one team. A row stays when the team plays in it or, for its poule's own
    // matches, when the poule is the team's; empty fields, and rounds and days without a row
    // left, are hidden.
    return QStringLiteral(R"(
(function () {
  var kiezer = document.getElementById('team');
  function teamUitAdres() {
    var h = window.location.hash;
    if (h.indexOf('#team=') !== 0) return '';
    try { return decodeURIComponent(h.substring(6)); } catch (e) { return ''; }
  }
  function toon(team) {
    var poule = '';
    for (var i = 0; i < kiezer.options.length; ++i) {
      if (kiezer.options[i].value === team) { poule = kiezer.options[i].getAttribute('data-poule'); }
    }
    if (poule === '') team = '';
    kiezer.value = team;
    var rijen = document.querySelectorAll('tr.wedstrijd');
    for (var r = 0; r < rijen.length; ++r) {
      var rij = rijen[r];
      var speelt = rij.getAttribute('data-team1') === team || rij.getAttribute('data-team2') === team;
      var eigenPoule = rij.getAttribute('data-kruis') !== 'ja' && rij.getAttribute('data-poule') === poule;
      rij.hidden = team !== '' && !speelt && !eigenPoule;
      rij.classList.toggle('gekozen', team !== '' && speelt);
    }
    var leeg = document.querySelectorAll('tr.leeg');
    for (var l = 0; l < leeg.length; ++l) leeg[l].hidden = team !== '';
    var blokken = document.querySelectorAll('section.ronde, section.dag');
    for (var b = 0; b < blokken.length; ++b) {
      blokken[b].hidden = blokken[b].querySelector('tr.wedstrijd:not([hidden])') === null;
    }
    var namen = document.querySelectorAll('[data-team]');
    for (var n = 0; n < namen.length; ++n) {
      namen[n].classList.toggle('gekozen', team !== '' && namen[n].getAttribute('data-team') === team);
    }
  }
  kiezer.addEventListener('change', function () {
    var team = kiezer.value;
    toon(team);
    try {
      history.replaceState(null, '', team === '' ? window.location.pathname + window.location.search
                                                 : '#team=' + encodeURIComponent(team));
    } catch (e) {
      window.location.hash = team === '' ? '' : 'team=' + encodeURIComponent(team);
    }
  });
  window.addEventListener('hashchange', function () { toon(teamUitAdres()); });
  toon(teamUitAdres());
})();
)");
}

QString ScheidsStijl()
{
    // No display on ul.fluiten: the attribute hidden has to keep working.
    return QStringLiteral(R"(
.scheids { color: #444; font-size: 0.9em; }
tr.fluit td { background: #dcebfb; }
tr.fluit .scheids { color: #111; font-weight: bold; }
ul.fluiten { margin: 0.3em 0 0.6em; padding: 0.4em 0.5em 0.4em 1.8em; background: #dcebfb;
             border-radius: 4px; font-weight: bold; }
)");
}

QString ScheidsScript()
{
    // Runs after the team box's own script, on the same events: the rows the chosen team
    // referees come back into view, marked, with the rounds and days that hold them.
    return QStringLiteral(R"(
(function () {
  var kiezer = document.getElementById('team');
  function fluiten() {
    var team = kiezer.value;
    var rijen = document.querySelectorAll('tr.wedstrijd');
    for (var r = 0; r < rijen.length; ++r) {
      var fluit = team !== '' && rijen[r].getAttribute('data-scheids') === team;
      if (fluit) rijen[r].hidden = false;
      rijen[r].classList.toggle('fluit', fluit);
    }
    var blokken = document.querySelectorAll('section.ronde, section.dag');
    for (var b = 0; b < blokken.length; ++b) {
      blokken[b].hidden = blokken[b].querySelector('tr.wedstrijd:not([hidden])') === null;
    }
    var lijsten = document.querySelectorAll('ul.fluiten');
    for (var l = 0; l < lijsten.length; ++l) {
      lijsten[l].hidden = team === '' || lijsten[l].getAttribute('data-fluiter') !== team;
    }
  }
  kiezer.addEventListener('change', fluiten);
  window.addEventListener('hashchange', fluiten);
  fluiten();
})();
)");
}

} // namespace HtmlOpmaak
