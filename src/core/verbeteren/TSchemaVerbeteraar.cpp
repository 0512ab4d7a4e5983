#include "core/verbeteren/TSchemaVerbeteraar.h"

#include "core/kwaliteit/Ondergrens.h"
#include "core/kwaliteit/SchemaKwaliteit.h"
#include "core/model/ToernooiModel.h"
#include "core/verbeteren/Regelcontrole.h"
#include "core/verbeteren/TRondeZoeker.h"
#include "core/verbeteren/TSchemaOpzet.h"
#include "core/verbeteren/VeldVerdeling.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr std::uint64_t Zaad = 0x52304E444F504C41ULL;

// The steps of each part grow with the matches that may move, within fixed bounds, so a
// small tournament is searched thoroughly and a large one still ends in a few seconds.
std::int64_t Begrens(std::int64_t per, std::int64_t wedstrijden, std::int64_t minst, std::int64_t hoogst)
{
    return std::clamp(per * wedstrijden, minst, hoogst);
}

int Herhalingen(const TSchemaKwaliteit& kwaliteit)
{
    int herhalingen = 0;
    for (const TTeamKwaliteit& team : kwaliteit.Teams)
        herhalingen += team.Wedstrijden - team.Velden;
    return herhalingen;
}

QString Cijfer(int n)
{
    return QString::number(n);
}

} // namespace

TSchemaVerbeteraar::TSchemaVerbeteraar(const ToernooiModel& model) : m_model(model) {}

TSchemaCijfers TSchemaVerbeteraar::Cijfers(const ToernooiModel& model, const TSchemaBoom& schema)
{
    const TSchemaKwaliteit kwaliteit = MeetKwaliteit(model, schema);
    return {kwaliteit.Ronden, kwaliteit.AchterElkaarTotaal(), kwaliteit.LangsteWacht()};
}

TVerbeterUitkomst TSchemaVerbeteraar::Verbeter(const TSchemaBoom& schema, const TUitslagen& uitslagen)
{
    TVerbeterUitkomst uitkomst;
    const TSchemaKwaliteit kwaliteitVoor = MeetKwaliteit(m_model, schema);
    uitkomst.Voor = {kwaliteitVoor.Ronden, kwaliteitVoor.AchterElkaarTotaal(), kwaliteitVoor.LangsteWacht()};
    auto onveranderd = [&](const QString& melding) {
        uitkomst.Schema = schema;
        uitkomst.Na = uitkomst.Voor;
        uitkomst.Verbeterd = false;
        uitkomst.Melding = melding;
        if (m_voortgang)
            m_voortgang(100);
        return uitkomst;
    };
    const QString blijft = QStringLiteral(" Het schema blijft zoals het is.");

    const TSchemaOpzet opzet = MaakOpzet(m_model, schema, uitslagen);
    if (!opzet.Fout.isEmpty())
        return onveranderd(opzet.Fout + blijft);
    if (opzet.Wedstrijden.empty())
        return onveranderd(QStringLiteral("Er is geen schema om te verbeteren."));
    const bool geldig = ControleerSchema(m_model, schema, uitslagen).isEmpty();

    // The rounds: every match free within rounds 1..the present last, the played ones fixed.
    TRondeZoeker::TOpgave opgave;
    const int ronden = opzet.LaatsteRonde;
    opgave.Ronden = ronden;
    opgave.Ruimte.assign(std::size_t(ronden) + 1, 0);
    opgave.FinaleMag.assign(std::size_t(ronden) + 1, 1);
    for (int r = 1; r <= ronden; ++r) {
        for (int v = 1; v <= opzet.AantalVelden; ++v)
            opgave.Ruimte[std::size_t(r)] += TSchemaOpzet::Bruikbaar(m_model, v, r) ? 1 : 0;
    }
    int laatsteVast = 1;
    for (const TOpzetWedstrijd& w : opzet.Wedstrijden) {
        opgave.Wedstrijden.push_back({w.TeamA, w.TeamB, w.Gespeeld, w.Finale, w.Ronde, w.Paar >= 0 ? w.Paar : w.Poule});
        if (!w.Gespeeld)
            continue;
        if (!TSchemaOpzet::Bruikbaar(m_model, w.Veld, w.Ronde))
            return onveranderd(QStringLiteral("De gespeelde wedstrijd %1 staat in ronde %2 op veld %3, "
                                              "dat niet te gebruiken is.")
                                   .arg(w.Tekst, Cijfer(w.Ronde), Cijfer(w.Veld)) + blijft);
        --opgave.Ruimte[std::size_t(w.Ronde)];
        laatsteVast = std::max(laatsteVast, w.Ronde);
        // A played match on field 1 that is no final keeps a final that moves out of its round.
        if (w.Veld == 1 && !w.Finale)
            opgave.FinaleMag[std::size_t(w.Ronde)] = 0;
    }
    for (const TOpzetTeam& team : opzet.Teams)
        opgave.Rust.push_back(team.Rust);
    for (const TOpzetGroep& groep : opzet.Groepen)
        opgave.Groepen.push_back({groep.Voor, groep.Na, groep.Strikt});

    const std::int64_t beweeglijk = std::count_if(opzet.Wedstrijden.begin(), opzet.Wedstrijden.end(),
                                                  [](const TOpzetWedstrijd& w) { return !w.Gespeeld; });
    // Steps per part: fitting into one round less, lowering back-to-back matches (in independent
    // runs, more of them on a small tournament), and the last polish.
    const auto begrens = [this, beweeglijk](std::int64_t per, std::int64_t minst, std::int64_t hoogst) {
        return std::max<std::int64_t>(1, Begrens(per, beweeglijk, minst, hoogst) * m_inspanning / 100);
    };
    const int runs = beweeglijk <= 60 ? 8 : beweeglijk <= 200 ? 4 : 2;
    const std::int64_t inpassen = begrens(200, 20000, 800000);
    const std::int64_t gloeien = runs * begrens(1000, 20000, 600000);
    const std::int64_t polijsten = begrens(200, 40000, 800000);
    const std::int64_t geduld = begrens(100, 20000, 200000);
    const std::int64_t gepland = 2 * inpassen + gloeien + polijsten;
    int gemeld = -1;
    auto meld = [&](int procent) {
        if (m_voortgang && procent > gemeld) {
            gemeld = procent;
            m_voortgang(procent);
        }
    };
    meld(0);

    TRondeZoeker zoeker(std::move(opgave), Zaad);
    zoeker.ZetMelder([&](std::int64_t stappen) {
        meld(int(std::min<std::int64_t>(99, stappen * 100 / gepland)));
        return !(m_annuleren && m_annuleren->load(std::memory_order_relaxed));
    });
    const int ondergrens = std::max(BerekenOndergrens(m_model).Ronden, laatsteVast);
    for (int laatste = zoeker.LaatsteRonde(); laatste > ondergrens;) {
        if (!zoeker.PasIn(laatste - 1, inpassen))
            break;
        laatste = zoeker.LaatsteRonde();
    }
    if (!zoeker.Gestopt())
        zoeker.VerlaagAchterElkaar(gloeien, runs);
    if (!zoeker.Gestopt())
        zoeker.Verbeter(polijsten, geduld);
    if (zoeker.Gestopt()) {
        uitkomst = onveranderd(QStringLiteral("Het verbeteren is afgebroken."));
        uitkomst.Geannuleerd = true;
        return uitkomst;
    }
    if (zoeker.Kosten().V > 0)
        return onveranderd(QStringLiteral("Dit schema houdt zich niet aan alle regels en de "
                                          "verbeteraar vond geen schema dat dat wel doet.") + blijft);

    // The fields, then the tree.
    const std::vector<int> rondeVan = zoeker.Ronden();
    std::vector<TVeldWedstrijd> velden;
    for (std::size_t i = 0; i < opzet.Wedstrijden.size(); ++i) {
        const TOpzetWedstrijd& w = opzet.Wedstrijden[i];
        velden.push_back({rondeVan[i], w.Gespeeld ? w.Veld : 0, w.TeamA, w.TeamB, w.Gespeeld, w.Finale});
    }
    const bool verdeeld = VerdeelVelden(
        velden, opzet.AantalVelden, int(opzet.Teams.size()),
        [this](int veld, int ronde) { return TSchemaOpzet::Bruikbaar(m_model, veld, ronde); },
        Begrens(40, beweeglijk, 20000, 400000));
    std::vector<TGeplaatsteWedstrijd> geplaatst;
    for (std::size_t i = 0; i < opzet.Wedstrijden.size(); ++i)
        geplaatst.push_back({velden[i].Ronde, velden[i].Veld, opzet.Wedstrijden[i].Inhoud});
    TSchemaBoom nieuw = verdeeld ? MaakSchemaBoom(m_model, geplaatst) : TSchemaBoom();

    // Whatever the search did, only a schedule that keeps every rule and every match leaves here.
    if (!verdeeld || !ControleerSchema(m_model, nieuw, uitslagen, &schema).isEmpty() ||
        !VergelijkWedstrijden(schema, nieuw).isEmpty())
        return onveranderd(QStringLiteral("De verbeteraar kwam niet tot een geldig schema.") + blijft);

    const TSchemaKwaliteit kwaliteitNa = MeetKwaliteit(m_model, nieuw);
    const TSchemaCijfers na{kwaliteitNa.Ronden, kwaliteitNa.AchterElkaarTotaal(), kwaliteitNa.LangsteWacht()};
    const auto rang = [](const TSchemaCijfers& c, int herhalingen) {
        return std::tuple(c.Ronden, c.AchterElkaar, c.LangsteWacht, herhalingen);
    };
    if (geldig && rang(na, Herhalingen(kwaliteitNa)) >= rang(uitkomst.Voor, Herhalingen(kwaliteitVoor)))
        return onveranderd(QStringLiteral("Het schema is al zo goed als de verbeteraar het kan maken.") + blijft);

    uitkomst.Schema = std::move(nieuw);
    uitkomst.Na = na;
    uitkomst.Verbeterd = true;
    if (std::tuple(na.Ronden, na.AchterElkaar, na.LangsteWacht)
        == std::tuple(uitkomst.Voor.Ronden, uitkomst.Voor.AchterElkaar, uitkomst.Voor.LangsteWacht)) {
        // Better only in what the three figures do not show: say what, not "8 instead of 8".
        uitkomst.Melding = (geldig ? QStringLiteral("De teams zijn beter over de velden verdeeld. ")
                                   : QStringLiteral("Het schema houdt nu elke regel. "))
                           + QStringLiteral("Het aantal ronden (%1), de wedstrijden direct na elkaar "
                                            "(%2) en de langste wachttijd (%3 ronden) blijven gelijk.")
                                 .arg(Cijfer(na.Ronden), Cijfer(na.AchterElkaar), Cijfer(na.LangsteWacht));
    } else {
        uitkomst.Melding = QStringLiteral("Het schema is verbeterd: %1 in plaats van %2 ronden, %3 in "
                                          "plaats van %4 wedstrijden direct na elkaar, langste "
                                          "wachttijd %5 in plaats van %6 ronden.")
                               .arg(Cijfer(na.Ronden), Cijfer(uitkomst.Voor.Ronden), Cijfer(na.AchterElkaar),
                                    Cijfer(uitkomst.Voor.AchterElkaar), Cijfer(na.LangsteWacht),
                                    Cijfer(uitkomst.Voor.LangsteWacht));
    }
    if (m_voortgang)
        m_voortgang(100);
    return uitkomst;
}
