// rondoplan-schema: builds the match schedule of a tournament file without any window and
// prints it, so schedules can be checked and compared from scripts.

#include "TInvoerControle.h"
#include "TOpdrachtregelVraagsteller.h"
#include "TSchemaBouwer.h"
#include "ToernooiBestand.h"
#include "ToernooiModel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

enum Afsluitcode
{
    Gelukt = 0,
    BestandFout = 1,
    InvoerFout = 2,
    BouwFout = 3
};

const char* const HulpTekst =
    "Gebruik: rondoplan-schema [--tijden] BESTAND\n"
    "         rondoplan-schema --bewaar UIT BESTAND\n"
    "\n"
    "Leest het toernooibestand BESTAND, controleert de invoer, bouwt het wedstrijdschema en\n"
    "schrijft het naar de standaarduitvoer (UTF-8): per ronde een regel (\"Ronde 1\"), daaronder\n"
    "per veld een regel die met twee spaties begint (\"  Veld 1: A : T3 x T4\").\n"
    "\n"
    "Opties:\n"
    "  --tijden      Zet achter elke ronde een TAB en de dag en tijden van die ronde.\n"
    "  --bewaar UIT  Bouwt geen schema, maar schrijft het geladen toernooi naar UIT. Een\n"
    "                bestaand UIT wordt overschreven; de vorige versie blijft als .bak bewaard.\n"
    "  -h, --help    Toont deze hulptekst.\n"
    "\n"
    "Afsluitcodes:\n"
    "  0  gelukt\n"
    "  1  het bestand kon niet gelezen of geschreven worden, of de opdracht is onjuist\n"
    "  2  de invoercontrole vond fouten (op de foutuitvoer)\n"
    "  3  het schema kon niet gebouwd worden (de reden op de foutuitvoer)\n";

void Schrijf(std::FILE* doel, const QString& tekst)
{
    const QByteArray bytes = tekst.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), doel);
}

void Fout(const QString& tekst)
{
    Schrijf(stderr, tekst + u'\n');
}

int GebruikFout(const QString& tekst)
{
    Fout(QStringLiteral("rondoplan-schema: ") + tekst);
    Fout(QStringLiteral("Zie rondoplan-schema --help."));
    return BestandFout;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rondoplan-schema"));

    QCommandLineParser parser;
    const QCommandLineOption hulp({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Toont deze hulptekst."));
    const QCommandLineOption tijden(QStringLiteral("tijden"),
                                    QStringLiteral("Zet de tijden achter elke ronde."));
    const QCommandLineOption bewaar(QStringLiteral("bewaar"),
                                    QStringLiteral("Schrijft het toernooi naar UIT."),
                                    QStringLiteral("UIT"));
    parser.addOptions({hulp, tijden, bewaar});
    if (!parser.parse(QCoreApplication::arguments())) {
        if (!parser.unknownOptionNames().isEmpty())
            return GebruikFout(QStringLiteral("onbekende optie ") +
                               parser.unknownOptionNames().constFirst() + u'.');
        return GebruikFout(QStringLiteral("de optie --bewaar verwacht een bestandsnaam."));
    }
    if (parser.isSet(hulp)) {
        Schrijf(stdout, QString::fromUtf8(HulpTekst));
        return Gelukt;
    }
    const QStringList bestanden = parser.positionalArguments();
    if (bestanden.size() != 1)
        return GebruikFout(QStringLiteral("geef precies één toernooibestand op."));

    // A fresh tournament with the start-up defaults, as the desktop program has after start.
    ToernooiModel model;
    TOpdrachtregelVraagsteller vraagsteller(parser.value(bewaar));
    ToernooiBestand bestand(model, vraagsteller);
    model.ZetStartBestand(bestanden.constFirst());
    if (bestand.Laden() != TBestandUitkomst::Gelukt)
        return BestandFout;

    if (parser.isSet(bewaar))
        return bestand.Opslaan() == TBestandUitkomst::Gelukt ? Gelukt : BestandFout;

    const TInvoerControle controle = ControleerInvoer(model);
    for (const QString& regel : controle.Teksten())
        Fout(regel);
    if (!controle.MagBouwen())
        return InvoerFout;

    TSchemaBoom boom;
    const TBouwUitkomst uitkomst = TSchemaBouwer(model).BouwSchema(boom);
    if (!uitkomst.Gelukt) {
        Fout(uitkomst.Reden);
        return BouwFout;
    }
    Schrijf(stdout, boom.AlsTekst(parser.isSet(tijden) ? &model.Velden() : nullptr));
    return std::fflush(stdout) == 0 ? Gelukt : BestandFout;
}
