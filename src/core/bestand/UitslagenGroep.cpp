#include "core/bestand/UitslagenGroep.h"

#include "core/uitslag/TUitslagen.h"

#include <algorithm>

namespace UitslagenGroep {

namespace {

const QString Einde = QStringLiteral("\r\n");

// The numbers of a value split at its commas; none when one of them is not a number or is
// negative.
std::optional<QList<int>> Getallen(QStringView waarde)
{
    QList<int> getallen;
    for (QStringView deel : waarde.split(u',')) {
        const auto getal = LeesGetal(deel);
        if (!getal || *getal < 0)
            return std::nullopt;
        getallen.append(*getal);
    }
    return getallen;
}

// A score the standings can add up without overflow.
bool IsScore(int doelpunten)
{
    return doelpunten >= 0 && doelpunten <= TUitslag::MaxDoelpunten;
}

void LeesUitslag(TUitslagen& uitslagen, QStringView waarde, bool terzijde, QStringView regel)
{
    // Team lines after a line that is no result belong to nothing.
    uitslagen.VergeetLaatste();
    // Keer, goals, goals, decided, and the match text after the fourth comma.
    qsizetype komma = -1;
    for (int i = 0; i < 4 && (i == 0 || komma >= 0); ++i)
        komma = waarde.indexOf(u',', komma + 1);
    const QStringView tekst = komma < 0 ? QStringView() : waarde.sliced(komma + 1);
    if (tekst.isEmpty()) {
        // Names no match: nothing to show, but it is saved again as it stood.
        uitslagen.VoegOngelezenToe(regel.toString());
        return;
    }
    const auto getallen = Getallen(waarde.first(komma));
    if (!getallen || getallen->at(0) < 1 || !IsScore(getallen->at(1))
        || !IsScore(getallen->at(2)) || getallen->at(3) > 2) {
        // A result set aside that cannot be read is kept rather than made a current one.
        if (terzijde)
            uitslagen.VoegOngelezenToe(regel.toString());
        else
            uitslagen.VoegOnleesbaarToe(waarde.toString(), regel.toString());
        return;
    }
    const TUitslag uitslag{getallen->at(0), getallen->at(1), getallen->at(2), getallen->at(3),
                           tekst.toString(), {}, {}};
    if (terzijde)
        uitslagen.ZetTerzijde(uitslag);
    else
        uitslagen.Zet(uitslag);
}

void LeesPunten(TUitslagen& uitslagen, QStringView waarde, QStringView regel)
{
    const auto getallen = Getallen(waarde);
    const auto isPunten = [](int punten) { return punten <= TPunten::Max; };
    if (getallen && getallen->size() == 3 && std::all_of(getallen->begin(), getallen->end(), isPunten))
        uitslagen.ZetPunten(TPunten{getallen->at(0), getallen->at(1), getallen->at(2)});
    else
        uitslagen.VoegOngelezenToe(regel.toString());
}

void LeesLoting(TUitslagen& uitslagen, QStringView waarde, QStringView regel)
{
    const qsizetype dubbelepunt = waarde.indexOf(u':');
    const auto posities =
        dubbelepunt < 0 ? std::nullopt : Getallen(waarde.first(dubbelepunt));
    if (!posities) {
        uitslagen.VoegOngelezenToe(regel.toString());
        return;
    }
    uitslagen.VoegLotingToe(TLoting{waarde.sliced(dubbelepunt + 1).toString(), *posities});
}

// A key of the group as it is written, with its "=".
QString Sleutel(TToernooiSleutel sleutel)
{
    return SleutelNaam(sleutel).toString() + u'=';
}

QString Lijst(const QList<int>& getallen)
{
    QString tekst;
    for (int getal : getallen) {
        if (!tekst.isEmpty())
            tekst += u',';
        tekst += QString::number(getal);
    }
    return tekst;
}

} // namespace

QString Regels(const TUitslagen& uitslagen)
{
    if (uitslagen.Leeg())
        return {};
    QString tekst;
    const TPunten& punten = uitslagen.Punten();
    if (punten != TPunten{})
        tekst += Sleutel(TToernooiSleutel::Punten)
                 + Lijst({punten.Winst, punten.Gelijk, punten.Verlies}) + Einde;
    for (const TLoting& loting : uitslagen.Lotingen())
        tekst += Sleutel(TToernooiSleutel::Loting) + Lijst(loting.Posities) + u':' + loting.Poule
                 + Einde;
    // The teams of a cross match's result follow its line under keys of their own: the match
    // text at the end of the line may hold commas, and a reader that does not know these keys
    // reads the result as before.
    auto uitslag = [&tekst](TToernooiSleutel sleutel, const TUitslag& u) {
        tekst += Sleutel(sleutel) + Lijst({u.Keer, u.Doelpunten1, u.Doelpunten2, u.Beslist})
                 + u',' + u.Wedstrijd + Einde;
        if (u.HeeftTeams())
            tekst += Sleutel(TToernooiSleutel::UitslagTeam1) + u.Team1 + Einde
                     + Sleutel(TToernooiSleutel::UitslagTeam2) + u.Team2 + Einde;
    };
    for (const TUitslag& u : uitslagen.Lijst())
        uitslag(TToernooiSleutel::Uitslag, u);
    for (const TUitslag& u : uitslagen.Terzijde())
        uitslag(TToernooiSleutel::UitslagVervallen, u);
    for (const QString& ruw : uitslagen.BewaardeRegels())
        tekst += ruw + Einde;
    tekst += u'#';
    tekst += Einde;
    return tekst;
}

void LeesRegel(TUitslagen& uitslagen, TToernooiSleutel sleutel, QStringView waarde,
               QStringView regel)
{
    switch (sleutel) {
    case TToernooiSleutel::Uitslag:
        LeesUitslag(uitslagen, waarde, false, regel);
        return;
    case TToernooiSleutel::UitslagVervallen:
        LeesUitslag(uitslagen, waarde, true, regel);
        return;
    case TToernooiSleutel::UitslagTeam1:
    case TToernooiSleutel::UitslagTeam2:
        uitslagen.ZetTeamVanLaatste(sleutel == TToernooiSleutel::UitslagTeam1 ? 1 : 2,
                                    waarde.toString(), regel.toString());
        return;
    case TToernooiSleutel::Punten:
        LeesPunten(uitslagen, waarde, regel);
        return;
    case TToernooiSleutel::Loting:
        LeesLoting(uitslagen, waarde, regel);
        return;
    default:
        return;
    }
}

} // namespace UitslagenGroep
