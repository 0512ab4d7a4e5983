#include "core/scheidsrechters/ScheidsrechterRegels.h"

#include "core/scheidsrechters/TScheidsOpzet.h"

namespace ScheidsrechterRegels {

namespace {

TScheidsBreuk Breuk(QString tekst, bool altijd = true)
{
    return {std::move(tekst), altijd};
}

} // namespace

TRegel HardeRegel(const TScheidsOpzet& opzet, int fluiter, int wedstrijd)
{
    const TScheidsOpzet::TFluiter& f = opzet.Fluiters()[std::size_t(fluiter)];
    const TScheidsOpzet::TWedstrijd& w = opzet.Wedstrijden()[std::size_t(wedstrijd)];
    if (f.Team < 0)
        return opzet.Afwezig(fluiter, w.Ronde) ? TRegel::Afwezig : TRegel::Geen;
    const int poule = opzet.Teams()[std::size_t(f.Team)].Poule;
    if (opzet.SpeeltEigen(f.Team, w.Ronde))
        return TRegel::SpeeltZelf;
    if (opzet.KruisIn(poule, w.Ronde))
        return TRegel::KruisVanPoule;
    if (w.Kruis && opzet.LaatsteEigen(poule) >= w.Ronde)
        return TRegel::KruisTeVroeg;
    const bool eigenPoule = w.Poule1 == poule || w.Poule2 == poule;
    const TScheidsPoules welke = opzet.Regels().Wedstrijden;
    if (welke == TScheidsPoules::EigenPoule && !eigenPoule)
        return TRegel::AlleenEigenPoule;
    if (welke == TScheidsPoules::AnderePoules && eigenPoule)
        return TRegel::GeenEigenPoule;
    return TRegel::Geen;
}

std::optional<TScheidsBreuk> Hard(const TScheidsOpzet& opzet, int fluiter, int wedstrijd)
{
    const TScheidsOpzet::TFluiter& f = opzet.Fluiters()[std::size_t(fluiter)];
    const TScheidsOpzet::TWedstrijd& w = opzet.Wedstrijden()[std::size_t(wedstrijd)];
    const QString ronde = QString::number(w.Ronde);
    const int poule = f.Team < 0 ? -1 : opzet.Teams()[std::size_t(f.Team)].Poule;
    switch (HardeRegel(opzet, fluiter, wedstrijd)) {
    case TRegel::Geen:
        return std::nullopt;
    case TRegel::Afwezig:
        return Breuk(QStringLiteral("%1 is er niet in ronde %2").arg(f.Naam, ronde));
    case TRegel::SpeeltZelf:
        return Breuk(QStringLiteral("%1 speelt zelf in ronde %2").arg(f.Naam, ronde));
    case TRegel::KruisVanPoule:
        return Breuk(QStringLiteral("%1 kan zelf een kruiswedstrijd spelen in ronde %2").arg(f.Naam, ronde));
    case TRegel::KruisTeVroeg:
        return Breuk(QStringLiteral("%1 mag nog geen kruiswedstrijd fluiten: poule %2 speelt eigen wedstrijden tot en met ronde %3")
                         .arg(f.Naam, opzet.PouleNamen()[poule], QString::number(opzet.LaatsteEigen(poule))));
    case TRegel::AlleenEigenPoule:
        return Breuk(QStringLiteral("%1 fluit alleen wedstrijden van de eigen poule").arg(f.Naam));
    case TRegel::GeenEigenPoule:
        return Breuk(QStringLiteral("%1 fluit geen wedstrijden van de eigen poule").arg(f.Naam));
    }
    return std::nullopt;
}

std::optional<TScheidsBreuk> Voorkeur(const TScheidsOpzet& opzet, int fluiter, int wedstrijd)
{
    const TScheidsOpzet::TFluiter& f = opzet.Fluiters()[std::size_t(fluiter)];
    const TScheidsOpzet::TWedstrijd& w = opzet.Wedstrijden()[std::size_t(wedstrijd)];
    if (f.Team < 0)
        return std::nullopt;
    if (opzet.Regels().Rust == TScheidsRust::NietErvoorOfErna) {
        for (const int ronde : {w.Ronde - 1, w.Ronde + 1}) {
            if (!opzet.Bezet(f.Team, ronde))
                continue;
            const QString waar = ronde < w.Ronde ? QStringLiteral("vlak voor") : QStringLiteral("vlak na");
            return Breuk(QStringLiteral("%1 speelt in ronde %2, %3 deze wedstrijd")
                             .arg(f.Naam, QString::number(ronde), waar),
                         false);
        }
    }
    if (opzet.Regels().NietEigenClub && !w.Kruis) {
        const int club = opzet.Teams()[std::size_t(f.Team)].Club;
        for (const int t : {w.Team1, w.Team2}) {
            if (club >= 0 && t >= 0 && opzet.Teams()[std::size_t(t)].Club == club)
                return Breuk(QStringLiteral("%1 fluit een wedstrijd van de eigen club").arg(f.Naam), false);
        }
    }
    return std::nullopt;
}

TScheidsBreuk AlBezet(const TScheidsOpzet& opzet, int fluiter, int wedstrijd)
{
    const TScheidsOpzet::TWedstrijd& w = opzet.Wedstrijden()[std::size_t(wedstrijd)];
    return Breuk(QStringLiteral("%1 fluit al een wedstrijd in ronde %2 (veld %3)")
                     .arg(opzet.Fluiters()[std::size_t(fluiter)].Naam, QString::number(w.Ronde),
                          QString::number(w.Veld)));
}

} // namespace ScheidsrechterRegels

std::optional<TScheidsBreuk> ControleerScheidsrechter(const TScheidsOpzet& opzet, const TScheidsToewijzing& nieuw)
{
    if (nieuw.Naam.isEmpty())
        return std::nullopt;
    const int fluiter = opzet.Fluiter(nieuw.Naam);
    if (fluiter < 0)
        return TScheidsBreuk{QStringLiteral("%1 is geen scheidsrechter van dit toernooi").arg(nieuw.Naam), true};
    const int wedstrijd = opzet.Wedstrijd(nieuw.Tekst, nieuw.Keer);
    if (wedstrijd < 0)
        return TScheidsBreuk{QStringLiteral("De wedstrijd %1 staat niet in het schema").arg(nieuw.Tekst), true};
    if (auto breuk = ScheidsrechterRegels::Hard(opzet, fluiter, wedstrijd))
        return breuk;
    const int ronde = opzet.Wedstrijden()[std::size_t(wedstrijd)].Ronde;
    for (const TScheidsToewijzing& ander : opzet.Regels().Toewijzingen) {
        if (ander.Naam != nieuw.Naam || (ander.Tekst == nieuw.Tekst && ander.Keer == nieuw.Keer))
            continue;
        const int w = opzet.Wedstrijd(ander.Tekst, ander.Keer);
        if (w >= 0 && w != wedstrijd && opzet.Wedstrijden()[std::size_t(w)].Ronde == ronde)
            return ScheidsrechterRegels::AlBezet(opzet, fluiter, w);
    }
    return ScheidsrechterRegels::Voorkeur(opzet, fluiter, wedstrijd);
}

std::optional<TScheidsBreuk> ControleerScheidsrechter(const ToernooiModel& model, const TSchemaBoom& schema,
                                                      const TScheidsrechters& scheidsrechters,
                                                      const TScheidsToewijzing& nieuw)
{
    return ControleerScheidsrechter(TScheidsOpzet(model, schema, scheidsrechters), nieuw);
}
