// rondoplan-schema: builds the match schedule of a tournament file without any window and
// prints it, so schedules can be checked and compared from scripts.

#include "app/TOpdrachtregelVraagsteller.h"
#include "core/bestand/ToernooiBestand.h"
#include "core/document/ToernooiDocument.h"
#include "core/kwaliteit/KwaliteitRapport.h"
#include "core/kwaliteit/SchemaKwaliteit.h"
#include "core/model/Tijdstempel.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/ProgrammaVersie.h"
#include "core/schema/SchemaOverloop.h"
#include "core/schema/TInvoerControle.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/scheidsrechters/Behouden.h"
#include "core/scheidsrechters/ScheidsrechterLijst.h"
#include "core/scheidsrechters/TScheidsOpzet.h"
#include "core/scheidsrechters/Toewijzen.h"
#include "core/uitslag/StandTekst.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "core/uitwisseling/CsvSchema.h"
#include "core/uitwisseling/HtmlSchema.h"
#include "core/uitwisseling/IcsSchema.h"
#include "core/uitwisseling/Uitwisselbestanden.h"
#include "core/verbeteren/BewaardSchema.h"
#include "core/verbeteren/TSchemaVerbeteraar.h"
#include "gui/afdruk/PdfMap.h"
#include "gui/afdruk/PdfPapier.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

enum Afsluitcode { Gelukt = 0, BestandFout = 1, InvoerFout = 2, BouwFout = 3 };

const char* const HulpTekst =
    "Gebruik: rondoplan-schema [--tijden] BESTAND\n"
    "         rondoplan-schema --bewaar UIT BESTAND\n"
    "         rondoplan-schema --pdf MAP [--papier FORMAAT] [--liggend] [--team NAAM]...\n"
    "                          BESTAND\n"
    "         rondoplan-schema [--csv UIT] [--html UIT] [--ics UIT [--team NAAM]] BESTAND\n"
    "         rondoplan-schema --importeer CSV [--bewaar UIT] BESTAND\n"
    "         rondoplan-schema --stand BESTAND\n"
    "         rondoplan-schema --kwaliteit BESTAND\n"
    "         rondoplan-schema --verbeter [--tijden | --kwaliteit] [--bewaar UIT] BESTAND\n"
    "         rondoplan-schema --scheidsrechters [--toewijzen [--bewaar UIT]] BESTAND\n"
    "         rondoplan-schema --help | --version\n"
    "\n"
    "Leest het toernooibestand BESTAND, controleert de invoer, bouwt het wedstrijdschema en\n"
    "schrijft het naar de standaarduitvoer (UTF-8): per ronde een regel (\"Ronde 1\"), daaronder\n"
    "per veld een regel die met twee spaties begint (\"  Veld 1: A : T3 x T4\"). Heeft het\n"
    "bestand een bewaard (verbeterd) schema dat nog past, dan is dat het schema.\n"
    "\n"
    "Opties:\n"
    "  --tijden      Zet achter elke ronde een TAB en de dag en tijden van die ronde.\n"
    "  --bewaar UIT  Bouwt geen schema, maar schrijft het geladen toernooi naar UIT. Een\n"
    "                bestaand UIT wordt overschreven; de vorige versie blijft als .bak bewaard.\n"
    "  --pdf MAP     Schrijft de afdrukken als PDF (600 dpi) in MAP, die zo nodig wordt\n"
    "                aangemaakt: schema.pdf, poules.pdf, scheidsrechterbriefjes.pdf, en\n"
    "                scheidsrechters.pdf (per scheidsrechter de wedstrijden) als er\n"
    "                scheidsrechters zijn toegewezen.\n"
    "  --papier FORMAAT\n"
    "                Met --pdf: het papier, A4 (standaard), A3, A5 of Letter.\n"
    "  --liggend     Met --pdf: het papier liggend in plaats van staand.\n"
    "  --team NAAM   Met --pdf: ook het schema met dit team gemarkeerd, als \"team NAAM.pdf\".\n"
    "                Mag vaker gegeven worden. Met --ics: alleen de wedstrijden van dit team,\n"
    "                en de wedstrijden die het fluit als eigen afspraken.\n"
    "  --csv UIT     Schrijft het schema naar UIT: een regel per veld per ronde, gescheiden\n"
    "                door puntkomma's, UTF-8 met byte-order mark. Met toegewezen\n"
    "                scheidsrechters als laatste kolom Scheidsrechter.\n"
    "  --html UIT    Schrijft het schema als webpagina naar UIT: een los HTML-bestand met de\n"
    "                poule-indeling, een keuzelijst voor een team en, als er uitslagen zijn,\n"
    "                de uitslagen en de stand; met toegewezen scheidsrechters ook die, en bij\n"
    "                een gekozen team de wedstrijden die het fluit.\n"
    "  --ics UIT     Schrijft de wedstrijden als agenda (iCalendar) naar UIT. De startdatum\n"
    "                van het toernooi moet leesbaar zijn (dd-mm-jjjj of dd/mm/jj).\n"
    "  --importeer CSV  Voegt de teams uit de lijst CSV toe aan het toernooi (kolommen Team,\n"
    "                Club, Poule, ...). Geweigerde regels staan op de foutuitvoer.\n"
    "  --stand       Schrijft in plaats van het schema de stand per poule (plaats, team,\n"
    "                gespeeld, gewonnen, gelijk, verloren, voor, tegen, punten, gescheiden\n"
    "                door TABs) en de kruiswedstrijden met de bekende namen en de uitslag.\n"
    "  --kwaliteit   Schrijft in plaats van het schema de kwaliteit ervan, met TABs: het\n"
    "                aantal rondes, de ondergrens, het einde, en per team in een poule de\n"
    "                wedstrijden, eerste en laatste ronde, wedstrijden achter elkaar,\n"
    "                langste wachttijd in rondes en het aantal velden.\n"
    "  --verbeter    Verbetert het schema: dezelfde wedstrijden in zo min mogelijk rondes,\n"
    "                met zo min mogelijk wedstrijden direct na elkaar en korte wachttijden.\n"
    "                De cijfers voor en na staan op de foutuitvoer. Met --bewaar UIT wordt\n"
    "                het toernooi met het verbeterde schema naar UIT geschreven.\n"
    "  --scheidsrechters\n"
    "                Schrijft in plaats van het schema de scheidsrechters, met TABs: per\n"
    "                wedstrijd in schemavolgorde de ronde, het veld, de wedstrijd en de\n"
    "                scheidsrechter (leeg als die er niet is), dan een lege regel en per\n"
    "                scheidsrechter de naam en het aantal wedstrijden. Een wedstrijd waarvan\n"
    "                de bewaarde scheidsrechter volgens de regels niet meer mag, staat met de\n"
    "                reden op de foutuitvoer.\n"
    "  --toewijzen   Wijst eerst de scheidsrechters toe volgens de regels van het bestand\n"
    "                (noemt het bestand geen scheidsrechters, dan fluit elk team, met alleen\n"
    "                de regels die altijd gelden) en schrijft ze als bij --scheidsrechters.\n"
    "                Wedstrijden zonder mogelijke scheidsrechter staan op de foutuitvoer.\n"
    "                Met --bewaar UIT wordt het toernooi met de toewijzing naar UIT\n"
    "                geschreven.\n"
    "  -h, --help    Toont deze hulptekst.\n"
    "  --version     Toont het versienummer.\n"
    "\n"
    "Afsluitcodes:\n"
    "  0  gelukt\n"
    "  1  het bestand kon niet gelezen of geschreven worden, of de opdracht is onjuist\n"
    "  2  de invoercontrole vond fouten (op de foutuitvoer), of een team van --team bestaat niet\n"
    "  3  het schema kon niet gebouwd worden (de reden op de foutuitvoer)\n";

void Schrijf(std::FILE* doel, const QString& tekst)
{
    const QByteArray bytes = tekst.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), doel);
}

void Fout(const QString& tekst) { Schrijf(stderr, tekst + u'\n'); }

int GebruikFout(const QString& tekst)
{
    Fout(QStringLiteral("rondoplan-schema: ") + tekst);
    Fout(QStringLiteral("Zie rondoplan-schema --help."));
    return BestandFout;
}

// Printing needs fonts, and so a GUI application; it runs on the offscreen platform, so no
// display is needed.
bool VraagtPdf(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pdf") == 0 || std::strncmp(argv[i], "--pdf=", 6) == 0)
            return true;
    }
    return false;
}

std::unique_ptr<QCoreApplication> MaakApplicatie(int& argc, char* argv[])
{
    if (!VraagtPdf(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

QString PrintDatum()
{
    return Tijdstempel::DatumTijd(QDateTime::currentDateTime());
}

} // namespace

int main(int argc, char* argv[])
{
    const auto app = MaakApplicatie(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rondoplan-schema"));

    QCommandLineParser parser;
    const QCommandLineOption hulp({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Toont deze hulptekst."));
    const QCommandLineOption tijden(QStringLiteral("tijden"),
                                    QStringLiteral("Zet de tijden achter elke ronde."));
    const QCommandLineOption bewaar(QStringLiteral("bewaar"),
                                    QStringLiteral("Schrijft het toernooi naar UIT."),
                                    QStringLiteral("UIT"));
    const QCommandLineOption pdf(QStringLiteral("pdf"),
                                 QStringLiteral("Schrijft de afdrukken als PDF in MAP."),
                                 QStringLiteral("MAP"));
    const QCommandLineOption team(QStringLiteral("team"),
                                  QStringLiteral("Met --pdf: ook het schema van dit team."),
                                  QStringLiteral("NAAM"));
    const QCommandLineOption papier(QStringLiteral("papier"),
                                    QStringLiteral("Met --pdf: het papier, A4, A3, A5 of Letter."),
                                    QStringLiteral("FORMAAT"));
    const QCommandLineOption liggend(QStringLiteral("liggend"),
                                     QStringLiteral("Met --pdf: het papier liggend."));
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("Schrijft het schema als CSV."),
                                 QStringLiteral("UIT"));
    const QCommandLineOption html(QStringLiteral("html"),
                                  QStringLiteral("Schrijft het schema als webpagina."),
                                  QStringLiteral("UIT"));
    const QCommandLineOption ics(QStringLiteral("ics"), QStringLiteral("Schrijft de agenda."),
                                 QStringLiteral("UIT"));
    const QCommandLineOption importeer(QStringLiteral("importeer"),
                                       QStringLiteral("Voegt de teams uit CSV toe."),
                                       QStringLiteral("CSV"));
    const QCommandLineOption stand(QStringLiteral("stand"),
                                   QStringLiteral("Schrijft de stand en de kruiswedstrijden."));
    const QCommandLineOption kwaliteit(QStringLiteral("kwaliteit"),
                                       QStringLiteral("Schrijft de kwaliteit van het schema."));
    const QCommandLineOption verbeter(QStringLiteral("verbeter"),
                                      QStringLiteral("Verbetert het schema."));
    const QCommandLineOption scheidsrechters(QStringLiteral("scheidsrechters"),
                                             QStringLiteral("Schrijft de scheidsrechters."));
    const QCommandLineOption toewijzen(QStringLiteral("toewijzen"),
                                       QStringLiteral("Wijst de scheidsrechters toe."));
    const QCommandLineOption versie(QStringLiteral("version"),
                                    QStringLiteral("Toont het versienummer."));
    parser.addOptions({hulp, versie, tijden, bewaar, pdf, team, papier, liggend, csv, html, ics,
                       importeer, stand, kwaliteit, verbeter, scheidsrechters, toewijzen});
    if (!parser.parse(QCoreApplication::arguments())) {
        if (!parser.unknownOptionNames().isEmpty())
            return GebruikFout(QStringLiteral("onbekende optie ")
                               + parser.unknownOptionNames().constFirst() + u'.');
        return GebruikFout(parser.errorText());
    }
    if (parser.isSet(hulp)) {
        Schrijf(stdout, QString::fromUtf8(HulpTekst));
        return Gelukt;
    }
    if (parser.isSet(versie)) {
        Schrijf(stdout, QStringLiteral("rondoplan-schema ") + ProgrammaVersie() + u'\n');
        return Gelukt;
    }
    const QStringList bestanden = parser.positionalArguments();
    if (bestanden.size() != 1)
        return GebruikFout(QStringLiteral("geef precies één toernooibestand op."));
    // An export never replaces its own tournament; said before anything is read or built.
    for (const QCommandLineOption* optie : {&csv, &html, &ics}) {
        if (!parser.isSet(*optie))
            continue;
        if (QString fout = Uitwisselbestanden::ControleerDoel(parser.value(*optie), bestanden.constFirst());
            !fout.isEmpty()) {
            Fout(fout);
            return BestandFout;
        }
    }
    PdfPapier pdfPapier;
    if ((parser.isSet(papier) || parser.isSet(liggend)) && !parser.isSet(pdf))
        return GebruikFout(QStringLiteral("--papier en --liggend kunnen alleen samen met --pdf."));
    if (parser.isSet(papier)) {
        const auto formaat = PdfPapier::FormaatVan(parser.value(papier));
        if (!formaat)
            return GebruikFout(QStringLiteral("onbekend papierformaat ") + parser.value(papier)
                               + QStringLiteral("; kies A4, A3, A5 of Letter."));
        pdfPapier.Formaat = *formaat;
    }
    pdfPapier.Liggend = parser.isSet(liggend);

    // A fresh tournament with the start-up defaults, as the desktop program has after start.
    ToernooiModel model;
    ToernooiDocument document(model);
    TOpdrachtregelVraagsteller vraagsteller(parser.value(bewaar));
    ToernooiBestand bestand(document, vraagsteller);
    if (bestand.Laden(bestanden.constFirst()) != TBestandUitkomst::Gelukt)
        return BestandFout;

    if (parser.isSet(importeer)) {
        QString meldingen;
        const QString fout = Uitwisselbestanden::Importeer(model, parser.value(importeer), meldingen);
        Schrijf(stderr, meldingen);
        if (!fout.isEmpty()) {
            Fout(fout);
            return BestandFout;
        }
    }

    if (parser.isSet(verbeter)) {
        for (const QCommandLineOption* optie : {&pdf, &csv, &html, &ics, &stand, &importeer}) {
            if (parser.isSet(*optie))
                return GebruikFout(QStringLiteral("--verbeter kan niet samen met --") + optie->names().constFirst()
                                   + QStringLiteral("."));
        }
    }
    const bool fluiten = parser.isSet(scheidsrechters) || parser.isSet(toewijzen);
    if (fluiten) {
        for (const QCommandLineOption* optie : {&pdf, &csv, &html, &ics, &stand, &kwaliteit, &verbeter, &tijden}) {
            if (parser.isSet(*optie))
                return GebruikFout(QStringLiteral("--scheidsrechters en --toewijzen kunnen niet samen met --")
                                   + optie->names().constFirst() + QStringLiteral("."));
        }
        if (parser.isSet(bewaar) && !parser.isSet(toewijzen))
            return GebruikFout(QStringLiteral("--scheidsrechters met --bewaar kan alleen samen met --toewijzen."));
    }
    if (parser.isSet(bewaar) && !parser.isSet(verbeter) && !fluiten)
        return bestand.Opslaan() == TBestandUitkomst::Gelukt ? Gelukt : BestandFout;

    const TInvoerControle controle = ControleerInvoer(model);
    for (const QString& regel : controle.Teksten())
        Fout(regel);
    if (!controle.MagBouwen())
        return InvoerFout;

    const QStringList teams = parser.values(team);
    if (parser.isSet(pdf)) {
        for (const QString& naam : teams) {
            if (PdfMap::TeamPositie(model, naam) == 0) {
                Fout(QStringLiteral("Team ") + naam + QStringLiteral(" bestaat niet in dit toernooi."));
                return InvoerFout;
            }
        }
    } else if (parser.isSet(ics)) {
        if (teams.size() > 1)
            return GebruikFout(QStringLiteral("--ics neemt één --team."));
    } else if (!teams.isEmpty()) {
        return GebruikFout(QStringLiteral("--team kan alleen samen met --pdf of --ics."));
    }
    if (parser.isSet(kwaliteit) && (parser.isSet(pdf) || parser.isSet(tijden)))
        return GebruikFout(QStringLiteral("--kwaliteit kan niet samen met --pdf of --tijden."));

    TSchemaBoom boom;
    const TBouwUitkomst uitkomst = TSchemaBouwer(model).BouwSchema(boom);
    if (!uitkomst.Gelukt) {
        Fout(uitkomst.Reden);
        return BouwFout;
    }
    // A kept schedule that still fits is the tournament's; one that no longer fits is said.
    if (const TSchemaIndeling& indeling = model.SchemaIndeling(); !indeling.Leeg()) {
        QString reden;
        if (auto bewaard = BewaardSchema::PasToe(model, boom, indeling, &reden))
            boom = std::move(*bewaard);
        else
            Fout(reden + QStringLiteral(" Het schema is opnieuw gebouwd."));
    }
    if (parser.isSet(verbeter)) {
        TSchemaVerbeteraar verbeteraar(model);
        TVerbeterUitkomst verbeterd = verbeteraar.Verbeter(boom, model.Uitslagen());
        Fout(verbeterd.Melding);
        boom = std::move(verbeterd.Schema);
        if (parser.isSet(bewaar)) {
            // Kept only when it differs from the builder's own, so such a file stays as it was.
            model.ZetSchemaIndeling(verbeterd.Verbeterd ? BewaardSchema::Indeling(boom) : model.SchemaIndeling());
            return bestand.Opslaan() == TBestandUitkomst::Gelukt ? Gelukt : BestandFout;
        }
    }
    // The schedule stands, but the organiser has to know it needs more time than planned.
    if (const QString overloop = SchemaOverloop(boom, model.Velden()); !overloop.isEmpty())
        Fout(overloop);
    const QString invoer = bestanden.constFirst();
    // Results that count for no match of this schedule would otherwise go unnoticed here.
    if (!parser.isSet(pdf) && !parser.isSet(kwaliteit) && !model.Uitslagen().Leeg()) {
        if (const QString melding = VervallenMelding(TWedstrijdDag(model, boom)); !melding.isEmpty())
            Fout(melding);
    }
    if (fluiten) {
        TScheidsrechters regels = model.Scheidsrechters();
        TScheidsUitkomst uitkomst;
        if (parser.isSet(toewijzen)) {
            // A file that names no referees: every team, any poule, only the rules that always hold.
            if (!regels.HeeftScheidsrechters()) {
                regels = TScheidsrechters{};
                regels.Teams = TScheidsTeams::Alle;
            }
            uitkomst = Toewijzen(model, boom, regels);
        } else {
            // The kept assignment on this schedule, as the program shows it.
            uitkomst = BehoudToewijzing(model, boom, regels);
        }
        for (qsizetype i = 0; i < uitkomst.Open.size(); ++i) {
            const TScheidsToewijzing& open = uitkomst.Open[i];
            Fout(QStringLiteral("Geen scheidsrechter in ronde %1, veld %2 (%3): %4")
                     .arg(QString::number(open.Ronde), QString::number(open.Veld), open.Tekst, uitkomst.Redenen[i]));
        }
        regels.Toewijzingen = uitkomst.Toewijzingen;
        Schrijf(stdout, ScheidsrechterLijst(TScheidsOpzet(model, boom, regels), regels.Toewijzingen));
        if (std::fflush(stdout) != 0)
            return BestandFout;
        if (parser.isSet(bewaar)) {
            model.ZetScheidsrechters(std::move(regels));
            return bestand.Opslaan() == TBestandUitkomst::Gelukt ? Gelukt : BestandFout;
        }
        return Gelukt;
    }
    if (parser.isSet(pdf)) {
        const QString fout = PdfMap::Schrijf(model, boom, parser.value(pdf), teams, PrintDatum(),
                                             pdfPapier, invoer);
        if (!fout.isEmpty()) {
            Fout(fout);
            return BestandFout;
        }
        return Gelukt;
    }
    if (parser.isSet(csv) || parser.isSet(html) || parser.isSet(ics)) {
        // Exports carry the results entered so far: scores, standings and cross matches
        // with the teams they know.
        const TWedstrijdDag dag(model, boom);
        // The kept referees, carried over to this schedule as the program shows them.
        QList<TScheidsToewijzing> fluiters;
        if (!model.Scheidsrechters().Toewijzingen.isEmpty())
            fluiters = BehoudToewijzing(model, boom, model.Scheidsrechters()).Toewijzingen;
        // Every asked file is tried; each that fails is named, and keeps its previous version.
        QStringList fouten;
        const auto schrijf = [&fouten](const QString& pad, const QByteArray& inhoud) {
            if (QString fout = Uitwisselbestanden::Schrijf(pad, inhoud); !fout.isEmpty())
                fouten.append(fout);
        };
        if (parser.isSet(csv))
            schrijf(parser.value(csv), CsvSchema::Schrijf(boom, model.Velden(), &dag, fluiters));
        if (parser.isSet(html))
            schrijf(parser.value(html), HtmlSchema::Schrijf(model, boom, &dag, fluiters));
        if (parser.isSet(ics)) {
            const TIcsUitkomst agenda = IcsSchema::Schrijf(
                model, boom, teams.value(0), QDate(), QDateTime::currentDateTimeUtc(), &dag, fluiters);
            if (agenda.Status == TIcsStatus::OnbekendTeam) {
                Fout(agenda.Fout);
                return InvoerFout;
            }
            if (agenda.Status == TIcsStatus::Gelukt)
                schrijf(parser.value(ics), agenda.Inhoud);
            else
                fouten.append(invoer + QStringLiteral(": ") + agenda.Fout);
        }
        for (const QString& fout : std::as_const(fouten))
            Fout(fout);
        return fouten.isEmpty() ? Gelukt : BestandFout;
    }
    if (parser.isSet(stand))
        Schrijf(stdout, StandTekst(TWedstrijdDag(model, boom)));
    else if (parser.isSet(kwaliteit))
        Schrijf(stdout, KwaliteitRapport(MeetKwaliteit(model, boom)));
    else
        Schrijf(stdout, boom.AlsTekst(parser.isSet(tijden) ? &model.Velden() : nullptr));
    return std::fflush(stdout) == 0 ? Gelukt : BestandFout;
}
