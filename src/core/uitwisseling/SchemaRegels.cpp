#include "core/uitwisseling/SchemaRegels.h"

#include "core/model/RondeKop.h"
#include "core/model/TPouleDetails.h"
#include "core/model/TTeamDetails.h"
#include "core/model/VeldenEnRonden.h"
#include "core/schema/TSchemaBoom.h"
#include "core/uitslag/StandTekst.h"
#include "core/uitslag/TWedstrijdDag.h"

#include <QHash>
#include <QMultiHash>
#include <algorithm>

namespace SchemaRegels {

namespace {

const QString GeenWedstrijd = QStringLiteral("Geen wedstrijd");

// "A x B": split at the first " x ", unless the match record says where the names end.
void SplitsZijden(TSchemaRegel& regel, const QString& zijden, const TWedstrijdDetails* wedstrijd)
{
    if (wedstrijd && wedstrijd->Team1 && wedstrijd->Team2
        && zijden == wedstrijd->Team1->TeamNaam + QStringLiteral(" x ") + wedstrijd->Team2->TeamNaam) {
        regel.Team1 = wedstrijd->Team1->TeamNaam;
        regel.Team2 = wedstrijd->Team2->TeamNaam;
        return;
    }
    const qsizetype x = zijden.indexOf(QStringLiteral(" x "));
    if (x < 0) {
        regel.Team1 = zijden;
        return;
    }
    regel.Team1 = zijden.left(x);
    regel.Team2 = zijden.mid(x + 3);
}

void LeesWedstrijd(TSchemaRegel& regel, const TSchemaVeld& slot)
{
    const QString& w = regel.Wedstrijd;
    const TWedstrijdDetails* record = slot.Wedstrijd ? &*slot.Wedstrijd : nullptr;
    // A poule match starts with its poule's name and " : ".
    if (record && record->Team1 && record->Poule1) {
        const QString kop = record->Poule1->PouleNaam + QStringLiteral(" : ");
        if (w.startsWith(kop)) {
            regel.Poule = record->Poule1->PouleNaam;
            SplitsZijden(regel, w.mid(kop.size()), record);
            return;
        }
    }
    // A cross match whose record has its parts: "3e&4e" and its two sides.
    if (record && record->Kruis && w == record->Kruis->Tekst()) {
        regel.IsKruis = true;
        regel.Poule = record->Kruis->Voorvoegsel.chopped(1);
        regel.Team1 = record->Kruis->Kant1.Tekst;
        regel.Team2 = record->Kruis->Kant2.Tekst;
        return;
    }
    const qsizetype poule = w.indexOf(QStringLiteral(" : "));
    const qsizetype prefix = w.indexOf(u':');
    if (poule >= 0 && poule < prefix) {
        regel.Poule = w.left(poule);
        SplitsZijden(regel, w.mid(poule + 3), record);
    } else if (prefix >= 0) {
        // A cross match: "3e&4e:Nummer 2 B x Nummer 2 A".
        regel.IsKruis = true;
        regel.Poule = w.left(prefix);
        SplitsZijden(regel, w.mid(prefix + 1), record);
    } else {
        SplitsZijden(regel, w, record);
    }
}

// The match day's knowledge of a slot: the teams known for a cross match and the score.
void VulIn(TSchemaRegel& regel, const TWedstrijdDag& dag, int wedstrijd)
{
    const TDagWedstrijd& w = dag.Wedstrijden()[std::size_t(wedstrijd)];
    regel.Keer = w.Keer;
    regel.IsKruis = w.IsKruis();
    if (w.Uitslag) {
        regel.Uitslag = ScoreTekst(*w.Uitslag);
        regel.Resultaat = *w.Uitslag;
    }
    if (w.Kruis) {
        regel.Poule = w.Kruis->Voorvoegsel.chopped(1);
        regel.Team1 = w.Kant1 ? w.Kant1->TeamNaam : w.Kruis->Kant1.Tekst;
        regel.Team2 = w.Kant2 ? w.Kant2->TeamNaam : w.Kruis->Kant2.Tekst;
    }
}

} // namespace

QList<TSchemaRegel> Lees(const TSchemaBoom& boom, const VeldenEnRonden& velden,
                         const TWedstrijdDag* wedstrijdDag, const QList<TScheidsToewijzing>& toewijzingen)
{
    QMultiHash<qint64, qsizetype> fluiters; // (round, field) -> assignment
    for (qsizetype i = 0; i < toewijzingen.size(); ++i)
        fluiters.insert(qint64(toewijzingen[i].Ronde) << 32 | quint32(toewijzingen[i].Veld), i);
    QHash<qint64, int> wedstrijden; // (round, slot) -> match of the day
    if (wedstrijdDag) {
        for (std::size_t i = 0; i < wedstrijdDag->Wedstrijden().size(); ++i) {
            const TDagWedstrijd& w = wedstrijdDag->Wedstrijden()[i];
            wedstrijden.insert(qint64(w.Ronde) << 32 | quint32(w.Veld), int(i));
        }
    }
    QHash<QString, int> keren;
    QList<TSchemaRegel> regels;
    for (qsizetype r = 0; r < qsizetype(boom.Ronden.size()); ++r) {
        const TSchemaRonde& ronde = boom.Ronden[std::size_t(r)];
        const int nummer = int(r) + 1;
        const QString kop = velden.RondeKop(nummer);
        const QString dag = RondeKop::DagTekst(kop);
        const QString tijden = RondeKop::TijdBereik(kop);
        const qsizetype streep = tijden.indexOf(QStringLiteral(" - "));
        for (qsizetype v = 0; v < qsizetype(ronde.Velden.size()); ++v) {
            const TSchemaVeld& slot = ronde.Velden[std::size_t(v)];
            TSchemaRegel regel;
            regel.Dag = dag;
            regel.Ronde = nummer;
            if (!dag.isEmpty() && streep >= 0) {
                regel.Begin = tijden.left(streep);
                regel.Eind = tijden.mid(streep + 3);
            }
            regel.Veld = int(v) + 1;
            const qsizetype dubbelepunt = slot.Tekst.indexOf(QStringLiteral(": "));
            const QString inhoud = dubbelepunt >= 0 ? slot.Tekst.mid(dubbelepunt + 2) : QString();
            if (slot.Tekst.startsWith(QStringLiteral("Veld ")) && dubbelepunt >= 0)
                regel.Veld = slot.Tekst.mid(5, dubbelepunt - 5).toInt();
            if (inhoud != GeenWedstrijd && !inhoud.isEmpty()) {
                regel.Wedstrijd = inhoud;
                LeesWedstrijd(regel, slot);
                regel.Keer = ++keren[inhoud];
                const auto w = wedstrijden.constFind(qint64(r) << 32 | quint32(v));
                if (w != wedstrijden.cend())
                    VulIn(regel, *wedstrijdDag, *w);
                const qint64 plaats = qint64(regel.Ronde) << 32 | quint32(regel.Veld);
                for (auto f = fluiters.constFind(plaats); f != fluiters.cend() && f.key() == plaats; ++f) {
                    const TScheidsToewijzing& t = toewijzingen[*f];
                    if (t.Keer == regel.Keer && t.Tekst == regel.Wedstrijd)
                        regel.Scheidsrechter = t.Naam;
                }
            }
            regels.append(regel);
        }
    }
    return regels;
}

bool HeeftScheidsrechters(const QList<TSchemaRegel>& regels)
{
    return std::any_of(regels.cbegin(), regels.cend(),
                       [](const TSchemaRegel& r) { return !r.Scheidsrechter.isEmpty(); });
}

QString WinnaarNaStrafschoppen(const TSchemaRegel& regel)
{
    if (!regel.Resultaat || regel.Resultaat->Doelpunten1 != regel.Resultaat->Doelpunten2)
        return {};
    switch (regel.Resultaat->Beslist) {
    case 1: return regel.Team1;
    case 2: return regel.Team2;
    default: return {};
    }
}

QString UitslagZin(const TSchemaRegel& regel)
{
    if (!regel.Resultaat)
        return {};
    QString zin = QString::number(regel.Resultaat->Doelpunten1) + u'-'
                  + QString::number(regel.Resultaat->Doelpunten2);
    const QString winnaar = WinnaarNaStrafschoppen(regel);
    if (!winnaar.isEmpty())
        zin += QStringLiteral(", ") + winnaar + QStringLiteral(" wint na strafschoppen");
    return zin;
}

} // namespace SchemaRegels
