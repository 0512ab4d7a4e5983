#include "core/uitwisseling/HtmlSchema.h"

#include "core/model/PouleTitel.h"
#include "core/model/TPoule.h"
#include "core/model/TTeamDetails.h"
#include "core/model/ToernooiModel.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "core/uitwisseling/HtmlOpmaak.h"
#include "core/uitwisseling/IcsSchema.h"
#include "core/uitwisseling/SchemaRegels.h"

#include <QLocale>
#include <QSet>

namespace HtmlSchema {

namespace {

// Text for an element or a quoted attribute.
QString Html(const QString& tekst)
{
    QString uit;
    uit.reserve(tekst.size());
    for (const QChar c : tekst) {
        switch (c.unicode()) {
        case u'&': uit += QStringLiteral("&amp;"); break;
        case u'<': uit += QStringLiteral("&lt;"); break;
        case u'>': uit += QStringLiteral("&gt;"); break;
        case u'"': uit += QStringLiteral("&quot;"); break;
        case u'\'': uit += QStringLiteral("&#39;"); break;
        default:
            // Control characters are not allowed in an HTML document.
            if (c.unicode() >= 0x20 || c == u'\t')
                uit += c;
        }
    }
    return uit;
}

QString Attribuut(const char* naam, const QString& waarde)
{
    return u' ' + QString::fromLatin1(naam) + QStringLiteral("=\"") + Html(waarde) + u'"';
}

void TeamKiezer(QString& uit, const ToernooiModel& model)
{
    uit += QStringLiteral("<div class=\"kiezer\"><label for=\"team\">Team: </label>"
                          "<select id=\"team\"><option value=\"\" data-poule=\"\">Alle teams"
                          "</option>\n");
    for (const auto& poule : model.PouleLijst()) {
        if (poule->Teams.empty())
            continue;
        uit += QStringLiteral("<optgroup") + Attribuut("label", PouleTitel(poule->Details->PouleNaam)) + u'>';
        for (const TTeamDetails* team : poule->Teams)
            uit += QStringLiteral("<option") + Attribuut("value", team->TeamNaam)
                   + Attribuut("data-poule", poule->Details->PouleNaam) + u'>' + Html(team->TeamNaam)
                   + QStringLiteral("</option>");
        uit += QStringLiteral("</optgroup>\n");
    }
    uit += QStringLiteral("</select></div>\n");
}

QString Wedstrijd(const TSchemaRegel& r)
{
    if (r.Team2.isEmpty())
        return r.Wedstrijd;
    return r.Poule + QStringLiteral(" : ") + r.Team1 + QStringLiteral(" x ") + r.Team2;
}

// "Dag 2", with its date ("zondag 15 juni 2025") when the start date can be read.
QString DagKop(const QString& dag, const QDate& start)
{
    QString kop = QStringLiteral("Dag ") + Html(dag);
    bool getal = false;
    const int nummer = dag.toInt(&getal);
    if (start.isValid() && getal && nummer >= 1)
        kop += QStringLiteral("<span class=\"tijd\">")
               + QLocale(QLocale::Dutch, QLocale::Netherlands)
                     .toString(start.addDays(nummer - 1), QStringLiteral("dddd d MMMM yyyy"))
               + QStringLiteral("</span>");
    return kop;
}

void Schema(QString& uit, const QList<TSchemaRegel>& regels, bool metUitslagen, const QDate& start)
{
    uit += QStringLiteral("<h2>Wedstrijdschema</h2>\n");
    QString dag;
    bool dagOpen = false;
    int ronde = 0;
    auto sluitRonde = [&] {
        if (ronde > 0)
            uit += QStringLiteral("</table></section>\n");
    };
    for (const TSchemaRegel& r : regels) {
        if (r.Ronde != ronde) {
            sluitRonde();
            if (!dagOpen || r.Dag != dag) {
                if (dagOpen)
                    uit += QStringLiteral("</section>\n");
                uit += QStringLiteral("<section class=\"dag\">");
                if (!r.Dag.isEmpty())
                    uit += QStringLiteral("<h2>") + DagKop(r.Dag, start) + QStringLiteral("</h2>");
                uit += u'\n';
                dag = r.Dag;
                dagOpen = true;
            }
            ronde = r.Ronde;
            uit += QStringLiteral("<section class=\"ronde\"><h3>Ronde ") + QString::number(ronde);
            if (!r.Begin.isEmpty())
                uit += QStringLiteral("<span class=\"tijd\">") + Html(r.Begin)
                       + QStringLiteral(" - ") + Html(r.Eind) + QStringLiteral("</span>");
            uit += QStringLiteral("</h3><table>\n");
        }
        if (r.IsLeeg()) {
            uit += QStringLiteral("<tr class=\"leeg\"><td class=\"veld\">Veld ") + QString::number(r.Veld)
                   + QStringLiteral("</td><td>Geen wedstrijd</td>");
        } else {
            uit += QStringLiteral("<tr class=\"wedstrijd\"") + Attribuut("data-poule", r.Poule)
                   + Attribuut("data-team1", r.Team1) + Attribuut("data-team2", r.Team2);
            if (r.IsKruis)
                uit += QStringLiteral(" data-kruis=\"ja\"");
            if (!r.Scheidsrechter.isEmpty())
                uit += Attribuut("data-scheids", r.Scheidsrechter);
            uit += QStringLiteral("><td class=\"veld\">Veld ") + QString::number(r.Veld)
                   + QStringLiteral("</td><td>") + Html(Wedstrijd(r));
            if (!r.Scheidsrechter.isEmpty())
                uit += QStringLiteral("<div class=\"scheids\">Scheidsrechter: ") + Html(r.Scheidsrechter)
                       + QStringLiteral("</div>");
            uit += QStringLiteral("</td>");
        }
        if (metUitslagen)
            uit += QStringLiteral("<td class=\"uitslag\">") + Html(r.Uitslag) + QStringLiteral("</td>");
        uit += QStringLiteral("</tr>\n");
    }
    sluitRonde();
    if (dagOpen)
        uit += QStringLiteral("</section>\n");
}

// For every team that referees: its duties, one line each, shown when the team is chosen.
void FluitLijsten(QString& uit, const ToernooiModel& model, const QList<TSchemaRegel>& regels)
{
    QSet<QString> gehad;
    for (const auto& poule : model.PouleLijst()) {
        for (const TTeamDetails* team : poule->Teams) {
            if (gehad.contains(team->TeamNaam))
                continue;
            gehad.insert(team->TeamNaam);
            QString lijst;
            for (const TSchemaRegel& r : regels) {
                if (!r.IsLeeg() && r.Scheidsrechter == team->TeamNaam)
                    lijst += QStringLiteral("<li>Fluiten: ronde %1, veld %2</li>").arg(r.Ronde).arg(r.Veld);
            }
            if (!lijst.isEmpty())
                uit += QStringLiteral("<ul class=\"fluiten\"") + Attribuut("data-fluiter", team->TeamNaam)
                       + QStringLiteral(" hidden>") + lijst + QStringLiteral("</ul>\n");
        }
    }
}

void Indeling(QString& uit, const ToernooiModel& model)
{
    uit += QStringLiteral("<h2>Poule-indeling</h2>\n<div class=\"poules\">\n");
    for (const auto& poule : model.PouleLijst()) {
        uit += QStringLiteral("<section><h3>") + Html(PouleTitel(poule->Details->PouleNaam))
               + QStringLiteral("</h3><ul class=\"poule\">");
        for (const TTeamDetails* team : poule->Teams)
            uit += QStringLiteral("<li") + Attribuut("data-team", team->TeamNaam) + u'>'
                   + Html(team->TeamNaam) + QStringLiteral("</li>");
        uit += QStringLiteral("</ul></section>\n");
    }
    uit += QStringLiteral("</div>\n");
}

void Standen(QString& uit, const TWedstrijdDag& dag)
{
    uit += QStringLiteral("<h2>Stand</h2>\n");
    const auto& poules = dag.Model().PouleLijst();
    for (std::size_t p = 0; p < poules.size(); ++p) {
        const TPouleStand& stand = dag.Stand(int(p));
        uit += QStringLiteral("<section class=\"stand\"><h3>") + Html(PouleTitel(poules[p]->Details->PouleNaam));
        if (!stand.Definitief)
            uit += QStringLiteral("<span class=\"tijd\">(nog niet compleet)</span>");
        uit += QStringLiteral("</h3><table><tr><th class=\"getal\">Pl</th><th>Team</th>"
                              "<th class=\"getal\">Gs</th><th class=\"getal\">W</th>"
                              "<th class=\"getal\">G</th><th class=\"getal\">V</th>"
                              "<th class=\"getal\">Voor</th><th class=\"getal\">Tegen</th>"
                              "<th class=\"getal\">Pnt</th></tr>\n");
        for (std::size_t i = 0; i < stand.Regels.size(); ++i) {
            const TStandRegel& r = stand.Regels[i];
            const QString& naam = poules[p]->Teams[std::size_t(r.Team)]->TeamNaam;
            uit += QStringLiteral("<tr") + Attribuut("data-team", naam)
                   + QStringLiteral("><td class=\"getal\">") + QString::number(i + 1)
                   + QStringLiteral("</td><td>") + Html(naam);
            if (r.GelijkMerk)
                uit += QStringLiteral(" (gelijk)");
            uit += QStringLiteral("</td>");
            for (qint64 getal : {qint64(r.Gespeeld), qint64(r.Gewonnen), qint64(r.Gelijk),
                                  qint64(r.Verloren), r.Voor, r.Tegen, r.Punten})
                uit += QStringLiteral("<td class=\"getal\">") + QString::number(getal) + QStringLiteral("</td>");
            uit += QStringLiteral("</tr>\n");
        }
        uit += QStringLiteral("</table></section>\n");
    }
    for (const TDagPaar& paar : dag.Paren()) {
        if (paar.Eindstand.empty())
            continue;
        uit += QStringLiteral("<section class=\"stand\"><h3>Eindstand poule ")
               + Html(poules[std::size_t(paar.Poule1)]->Details->PouleNaam) + QStringLiteral(" en ")
               + Html(poules[std::size_t(paar.Poule2)]->Details->PouleNaam)
               + QStringLiteral("</h3><ol class=\"poule\">");
        for (const TEindPlaats& plaats : paar.Eindstand) {
            // A place whose team the results do not know yet shows a dash.
            const QString naam = plaats.Team ? plaats.Team->TeamNaam : QString();
            uit += QStringLiteral("<li") + Attribuut("value", QString::number(plaats.Plaats))
                   + Attribuut("data-team", naam) + u'>'
                   + (naam.isEmpty() ? QStringLiteral("&ndash;") : Html(naam)) + QStringLiteral("</li>");
        }
        uit += QStringLiteral("</ol></section>\n");
    }
}

} // namespace

QByteArray Schrijf(const ToernooiModel& model, const TSchemaBoom& boom, const TWedstrijdDag* dag,
                   const QList<TScheidsToewijzing>& toewijzingen)
{
    const QList<TSchemaRegel> regels = SchemaRegels::Lees(boom, model.Velden(), dag, toewijzingen);
    // The referees' style and script only when there are referees, so a page without stays
    // as it was.
    const bool metScheidsrechters = SchemaRegels::HeeftScheidsrechters(regels);
    const bool metUitslagen = dag && !model.Uitslagen().Leeg();
    const QString titel = model.ToernooiNaam().isEmpty() ? QStringLiteral("Wedstrijdschema")
                                                         : model.ToernooiNaam();
    QString uit = QStringLiteral("<!DOCTYPE html>\n<html lang=\"nl\">\n<head>\n<meta charset=\"utf-8\">\n"
                                 "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                                 "<title>")
                  + Html(titel) + QStringLiteral("</title>\n<style>") + HtmlOpmaak::Stijl()
                  + (metScheidsrechters ? HtmlOpmaak::ScheidsStijl() : QString()) + QStringLiteral("</style>\n</head>\n<body>\n<h1>") + Html(titel)
                  + QStringLiteral("</h1>\n");
    if (!model.StartDatum().trimmed().isEmpty())
        uit += QStringLiteral("<p class=\"datum\">") + Html(model.StartDatum()) + QStringLiteral("</p>\n");
    TeamKiezer(uit, model);
    if (metScheidsrechters)
        FluitLijsten(uit, model, regels);
    Schema(uit, regels, metUitslagen, IcsSchema::LeesStartDatum(model.StartDatum()));
    if (metUitslagen)
        Standen(uit, *dag);
    Indeling(uit, model);
    uit += QStringLiteral("<script>") + HtmlOpmaak::Script()
           + (metScheidsrechters ? HtmlOpmaak::ScheidsScript() : QString()) + QStringLiteral("</script>\n</body>\n</html>\n");
    return uit.toUtf8();
}

} // namespace HtmlSchema
