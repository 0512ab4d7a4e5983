#include "core/verbeteren/Regelcontrole.h"

#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBoom.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/uitslag/TUitslagen.h"
#include "core/verbeteren/TSchemaOpzet.h"

#include <QHash>
#include <algorithm>
#include <map>
#include <utility>

namespace {

using TSoort = TOpzetWedstrijd::TSoort;

QString Getal(int n)
{
    return QString::number(n);
}

// The round entries and slot entries as the builder writes them: "Ronde N" in increasing
// order, and in every round the slot of field f at place f.
void ControleerVorm(const TSchemaBoom& schema, QStringList& fouten)
{
    int vorige = 0;
    for (const TSchemaRonde& ronde : schema.Ronden) {
        if (ronde.Ronde <= vorige)
            fouten << QStringLiteral("Ronde %1 staat niet op zijn plaats in het schema (na ronde %2).")
                          .arg(Getal(ronde.Ronde), Getal(vorige));
        vorige = std::max(vorige, ronde.Ronde);
        for (std::size_t v = 0; v < ronde.Velden.size(); ++v) {
            const QString kop = QStringLiteral("Veld ") + Getal(int(v) + 1) + QStringLiteral(": ");
            if (!ronde.Velden[v].Tekst.startsWith(kop))
                fouten << QStringLiteral("In ronde %1 staat op de plaats van veld %2: %3.")
                              .arg(Getal(ronde.Ronde), Getal(int(v) + 1), ronde.Velden[v].Tekst);
        }
    }
}

void ControleerVakken(const ToernooiModel& model, const TSchemaOpzet& opzet, QStringList& fouten)
{
    std::map<std::pair<int, int>, const TOpzetWedstrijd*> bezet;
    for (const TOpzetWedstrijd& w : opzet.Wedstrijden) {
        if (w.Ronde < 1 || w.Ronde > TSchemaBouwer::LaatsteRonde)
            fouten << QStringLiteral("%1 staat in ronde %2; alleen de ronden 1 tot en met %3 zijn te gebruiken.")
                          .arg(w.Tekst, Getal(w.Ronde), Getal(TSchemaBouwer::LaatsteRonde));
        else if (w.Veld > model.AantalVelden())
            fouten << QStringLiteral("%1 staat in ronde %2 op veld %3, maar het toernooi heeft %4 velden.")
                          .arg(w.Tekst, Getal(w.Ronde), Getal(w.Veld), Getal(model.AantalVelden()));
        else if (!TSchemaOpzet::Bruikbaar(model, w.Veld, w.Ronde))
            fouten << QStringLiteral("Veld %1 is in ronde %2 niet te gebruiken, maar er staat %3.")
                          .arg(Getal(w.Veld), Getal(w.Ronde), w.Tekst);
        const auto [plek, nieuw] = bezet.try_emplace({w.Ronde, w.Veld}, &w);
        if (!nieuw)
            fouten << QStringLiteral("In ronde %1 staan op veld %2 twee wedstrijden: %3 en %4.")
                          .arg(Getal(w.Ronde), Getal(w.Veld), plek->second->Tekst, w.Tekst);
    }
}

void ControleerTeams(const ToernooiModel& model, const TSchemaOpzet& opzet, QStringList& fouten)
{
    std::vector<std::vector<const TOpzetWedstrijd*>> perTeam(opzet.Teams.size());
    for (const TOpzetWedstrijd& w : opzet.Wedstrijden) {
        for (const int t : {w.TeamA, w.TeamB}) {
            if (t >= 0)
                perTeam[std::size_t(t)].push_back(&w);
        }
    }
    for (std::size_t t = 0; t < opzet.Teams.size(); ++t) {
        auto& wedstrijden = perTeam[t];
        std::stable_sort(wedstrijden.begin(), wedstrijden.end(),
                         [](const TOpzetWedstrijd* a, const TOpzetWedstrijd* b) { return a->Ronde < b->Ronde; });
        const TOpzetTeam& team = opzet.Teams[t];
        for (std::size_t i = 1; i < wedstrijden.size(); ++i) {
            const TOpzetWedstrijd& eerder = *wedstrijden[i - 1];
            const TOpzetWedstrijd& later = *wedstrijden[i];
            const int afstand = later.Ronde - eerder.Ronde;
            if (afstand == 0) {
                fouten << QStringLiteral("%1 speelt al in ronde %2 (veld %3).")
                              .arg(team.Team->TeamNaam, Getal(eerder.Ronde), Getal(eerder.Veld));
            } else if (afstand <= team.Rust) {
                fouten << QStringLiteral("%1 speelt in ronde %2 en in ronde %3, maar %4 vraagt %5 "
                                         "ronde(n) rust tussen twee wedstrijden.")
                              .arg(team.Team->TeamNaam, Getal(eerder.Ronde), Getal(later.Ronde),
                                   model.PouleLijst()[std::size_t(team.Poule)]->Details->PouleNaam,
                                   Getal(team.Rust));
            }
        }
    }
}

void ControleerVolgorde(const TSchemaOpzet& opzet, QStringList& fouten)
{
    for (const TOpzetGroep& groep : opzet.Groepen) {
        const TOpzetWedstrijd* laatste = nullptr;
        for (const int i : groep.Voor) {
            const TOpzetWedstrijd& w = opzet.Wedstrijden[std::size_t(i)];
            if (!laatste || w.Ronde > laatste->Ronde)
                laatste = &w;
        }
        for (const int j : groep.Na) {
            const TOpzetWedstrijd& w = opzet.Wedstrijden[std::size_t(j)];
            const bool fout = groep.Strikt ? w.Ronde <= laatste->Ronde : w.Ronde < laatste->Ronde;
            if (!fout)
                continue;
            switch (groep.Reden) {
            case TOpzetGroep::TReden::Terug:
                fouten << QStringLiteral("De returnwedstrijd %1 in ronde %2 staat voor de eerste "
                                         "ontmoeting %3 in ronde %4.")
                              .arg(w.Tekst, Getal(w.Ronde), laatste->Tekst, Getal(laatste->Ronde));
                break;
            case TOpzetGroep::TReden::Kruis:
                fouten << QStringLiteral("De kruiswedstrijd %1 in ronde %2 staat niet na de laatste "
                                         "poulewedstrijd van beide poules (%3 in ronde %4).")
                              .arg(w.Tekst, Getal(w.Ronde), laatste->Tekst, Getal(laatste->Ronde));
                break;
            case TOpzetGroep::TReden::Plaatsing:
                fouten << QStringLiteral("De plaatsingswedstrijd %1 in ronde %2 staat niet na de "
                                         "laatste kruiswedstrijd (%3 in ronde %4).")
                              .arg(w.Tekst, Getal(w.Ronde), laatste->Tekst, Getal(laatste->Ronde));
                break;
            }
        }
    }
}

void ControleerFinales(const ToernooiModel& model, const TSchemaOpzet& opzet, QStringList& fouten)
{
    std::map<int, std::vector<const TOpzetWedstrijd*>> finales;
    for (const TOpzetWedstrijd& w : opzet.Wedstrijden) {
        if (w.Finale)
            finales[w.Ronde].push_back(&w);
    }
    for (const auto& [ronde, lijst] : finales) {
        if (!TSchemaOpzet::Bruikbaar(model, 1, ronde))
            continue;
        if (std::none_of(lijst.begin(), lijst.end(), [](const TOpzetWedstrijd* w) { return w->Veld == 1; }))
            fouten << QStringLiteral("De finale %1 staat in ronde %2 op veld %3; veld 1 is in die "
                                     "ronde te gebruiken, dus hoort de finale daar.")
                          .arg(lijst.front()->Tekst, Getal(ronde), Getal(lijst.front()->Veld));
    }
}

void ControleerGespeeld(const TSchemaOpzet& vorig, const TSchemaOpzet& opzet, QStringList& fouten)
{
    QHash<QString, const TOpzetWedstrijd*> nu;
    for (const TOpzetWedstrijd& w : opzet.Wedstrijden)
        nu.insert(Getal(w.Keer) + u'|' + w.Tekst, &w);
    for (const TOpzetWedstrijd& w : vorig.Wedstrijden) {
        if (!w.Gespeeld)
            continue;
        const TOpzetWedstrijd* daar = nu.value(Getal(w.Keer) + u'|' + w.Tekst);
        if (!daar || daar->Ronde != w.Ronde || daar->Veld != w.Veld)
            fouten << QStringLiteral("%1 is al gespeeld en blijft in ronde %2 op veld %3.")
                          .arg(w.Tekst, Getal(w.Ronde), Getal(w.Veld));
    }
}

} // namespace

QStringList ControleerSchema(const ToernooiModel& model, const TSchemaBoom& schema,
                             const TUitslagen& uitslagen, const TSchemaBoom* vorigSchema)
{
    QStringList fouten;
    ControleerVorm(schema, fouten);
    const TSchemaOpzet opzet = MaakOpzet(model, schema, uitslagen);
    if (!opzet.Fout.isEmpty())
        return fouten << opzet.Fout;
    ControleerVakken(model, opzet, fouten);
    ControleerTeams(model, opzet, fouten);
    ControleerVolgorde(opzet, fouten);
    ControleerFinales(model, opzet, fouten);
    if (vorigSchema) {
        const TSchemaOpzet vorig = MaakOpzet(model, *vorigSchema, uitslagen);
        if (vorig.Fout.isEmpty())
            ControleerGespeeld(vorig, opzet, fouten);
    }
    return fouten;
}

QStringList VergelijkWedstrijden(const TSchemaBoom& verwacht, const TSchemaBoom& schema)
{
    // Texts in the order they first appear, with how often each schedule holds them.
    QStringList volgorde;
    QHash<QString, std::pair<int, int>> keren;
    auto tel = [&](const TSchemaBoom& boom, bool eerste) {
        boom.VoorElkeWedstrijd([&](std::size_t, std::size_t, const TWedstrijdDetails&, const QString& tekst, int) {
            auto plek = keren.find(tekst);
            if (plek == keren.end()) {
                plek = keren.insert(tekst, {0, 0});
                volgorde << tekst;
            }
            ++(eerste ? plek->first : plek->second);
        });
    };
    tel(verwacht, true);
    tel(schema, false);
    QStringList verschillen;
    for (const QString& tekst : volgorde) {
        const auto [moet, staat] = keren.value(tekst);
        if (moet == staat)
            continue;
        if (staat == 0)
            verschillen << QStringLiteral("De wedstrijd %1 ontbreekt.").arg(tekst);
        else if (moet == 0)
            verschillen << QStringLiteral("De wedstrijd %1 hoort niet in het schema.").arg(tekst);
        else
            verschillen << QStringLiteral("De wedstrijd %1 staat %2 keer in het schema in plaats van %3 keer.")
                               .arg(tekst, Getal(staat), Getal(moet));
    }
    return verschillen;
}
