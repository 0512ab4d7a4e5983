#include "core/uitwisseling/TeamImport.h"

#include "core/model/Invoertekst.h"
#include "core/model/ToernooiModel.h"
#include "core/uitwisseling/CsvLezer.h"

#include <QHash>
#include <QSet>

int TImportVoorbeeld::AantalGeaccepteerd() const
{
    int aantal = 0;
    for (const TImportRij& rij : Rijen)
        aantal += rij.Geaccepteerd ? 1 : 0;
    return aantal;
}

namespace TeamImport {

namespace {

enum class Kolom {
    Onbekend, Team, Club, Adres, PostcodePlaats, Postcode, Plaats, Telefoon, Fax,
    Begeleider, BegeleiderAdres, BegeleiderPostcodePlaats, BegeleiderPostcode,
    BegeleiderPlaats, BegeleiderTelefoon, BegeleiderFax, Poule
};

Kolom HerkenKolom(QString naam)
{
    naam = naam.toLower();
    naam.remove(u' ');
    static const QHash<QString, Kolom> namen = {
        {QStringLiteral("team"), Kolom::Team},
        {QStringLiteral("club"), Kolom::Club},
        {QStringLiteral("adres"), Kolom::Adres},
        {QStringLiteral("postcode/plaats"), Kolom::PostcodePlaats},
        {QStringLiteral("postcode"), Kolom::Postcode},
        {QStringLiteral("plaats"), Kolom::Plaats},
        {QStringLiteral("telefoon"), Kolom::Telefoon},
        {QStringLiteral("fax"), Kolom::Fax},
        {QStringLiteral("begeleider"), Kolom::Begeleider},
        {QStringLiteral("begeleideradres"), Kolom::BegeleiderAdres},
        {QStringLiteral("begeleiderpostcode/plaats"), Kolom::BegeleiderPostcodePlaats},
        {QStringLiteral("begeleiderpostcode"), Kolom::BegeleiderPostcode},
        {QStringLiteral("begeleiderplaats"), Kolom::BegeleiderPlaats},
        {QStringLiteral("begeleidertelefoon"), Kolom::BegeleiderTelefoon},
        {QStringLiteral("begeleiderfax"), Kolom::BegeleiderFax},
        {QStringLiteral("poule"), Kolom::Poule},
    };
    return namen.value(naam, Kolom::Onbekend);
}

// Postcode and town given in two columns are joined as one field.
void VoegSamen(QString& veld, const QString& waarde)
{
    if (waarde.isEmpty())
        return;
    veld = veld.isEmpty() ? waarde : veld + u' ' + waarde;
}

// What a row's values say about it before its names are compared.
struct TRijInhoud
{
    bool Stuurtekens = false;   // control characters were left out
    QString TeLang;             // the column whose value is too long, else empty
};

TImportRij LeesRij(const QList<Kolom>& kolommen, const QStringList& koppen, const TCsvRij& csv,
                   TRijInhoud& inhoud)
{
    TImportRij rij;
    rij.Regel = csv.Regel;
    TTeamDetails& t = rij.Team;
    QString clubPostcode, clubPlaats, begeleiderPostcode, begeleiderPlaats;
    for (qsizetype i = 0; i < kolommen.size() && i < csv.Waarden.size(); ++i) {
        if (kolommen.at(i) == Kolom::Onbekend)
            continue;
        QString w = csv.Waarden.at(i);
        if (Invoertekst::HeeftStuurtekens(w)) {
            w = Invoertekst::ZonderStuurtekens(w).trimmed();
            inhoud.Stuurtekens = true;
        }
        if (w.size() > MaxVeldLengte && inhoud.TeLang.isEmpty())
            inhoud.TeLang = koppen.at(i);
        switch (kolommen.at(i)) {
        case Kolom::Team: t.TeamNaam = w; break;
        case Kolom::Club: t.ClubNaam = w; break;
        case Kolom::Adres: t.ClubAdres = w; break;
        case Kolom::PostcodePlaats: t.ClubPostcodePlaats = w; break;
        case Kolom::Postcode: clubPostcode = w; break;
        case Kolom::Plaats: clubPlaats = w; break;
        case Kolom::Telefoon: t.ClubTelefoon = w; break;
        case Kolom::Fax: t.ClubFax = w; break;
        case Kolom::Begeleider: t.BegeleiderNaam = w; break;
        case Kolom::BegeleiderAdres: t.BegeleiderAdres = w; break;
        case Kolom::BegeleiderPostcodePlaats: t.BegeleiderPostcodePlaats = w; break;
        case Kolom::BegeleiderPostcode: begeleiderPostcode = w; break;
        case Kolom::BegeleiderPlaats: begeleiderPlaats = w; break;
        case Kolom::BegeleiderTelefoon: t.BegeleiderTelefoon = w; break;
        case Kolom::BegeleiderFax: t.BegeleiderFax = w; break;
        case Kolom::Poule: rij.Poule = w; break;
        case Kolom::Onbekend: break;
        }
    }
    if (t.ClubPostcodePlaats.isEmpty()) {
        VoegSamen(t.ClubPostcodePlaats, clubPostcode);
        VoegSamen(t.ClubPostcodePlaats, clubPlaats);
    }
    if (t.BegeleiderPostcodePlaats.isEmpty()) {
        VoegSamen(t.BegeleiderPostcodePlaats, begeleiderPostcode);
        VoegSamen(t.BegeleiderPostcodePlaats, begeleiderPlaats);
    }
    // A new record takes the team's name as its club, as a team typed in by hand does.
    if (t.ClubNaam.isEmpty())
        t.ClubNaam = t.TeamNaam;
    return rij;
}

// The texts of the poule tree's team entries: a new poule may not carry one of them.
QSet<QString> TeamsInBoom(const ToernooiModel& model)
{
    QSet<QString> namen;
    for (const auto& poule : model.PouleLijst()) {
        for (const TTeamDetails* team : poule->Teams)
            namen.insert(team->TeamNaam);
    }
    return namen;
}

// The poules of the tournament by their names folded, as team names are compared.
QHash<QString, QString> BestaandePoules(const ToernooiModel& model)
{
    QHash<QString, QString> poules;
    for (const auto& poule : model.PouleLijst())
        poules.insert(poule->Details->PouleNaam.toCaseFolded(), poule->Details->PouleNaam);
    return poules;
}

} // namespace

TImportVoorbeeld Voorbeeld(const ToernooiModel& model, QByteArrayView bytes)
{
    bool geraden = false;
    TImportVoorbeeld voorbeeld = Voorbeeld(model, CsvLezer::Decodeer(bytes, &geraden));
    if (geraden)
        voorbeeld.Waarschuwing = QStringLiteral(
            "Let op: het bestand is geen geldige UTF-8; de tekenset is geraden (Windows-1252), "
            "dus controleer de namen met bijzondere tekens.");
    return voorbeeld;
}

TImportVoorbeeld Voorbeeld(const ToernooiModel& model, const QString& tekst)
{
    TImportVoorbeeld voorbeeld;
    const TCsvInhoud csv = CsvLezer::Lees(tekst);
    if (!csv.Fout.isEmpty()) {
        voorbeeld.Fout = csv.Fout;
        voorbeeld.FoutRegel = csv.FoutRegel;
        return voorbeeld;
    }
    if (csv.Rijen.isEmpty()) {
        voorbeeld.Fout = QStringLiteral("Het bestand bevat geen regels.");
        voorbeeld.FoutRegel = 1;
        return voorbeeld;
    }
    QList<Kolom> kolommen;
    const QStringList& koppen = csv.Rijen.constFirst().Waarden;
    for (const QString& naam : koppen)
        kolommen.append(HerkenKolom(naam));
    if (!kolommen.contains(Kolom::Team)) {
        voorbeeld.Fout = QStringLiteral("De eerste regel noemt geen kolom \"Team\".");
        voorbeeld.FoutRegel = csv.Rijen.constFirst().Regel;
        return voorbeeld;
    }

    QSet<QString> bestaand;
    for (const auto& team : model.TeamLijst())
        bestaand.insert(team->TeamNaam.toCaseFolded());
    QHash<QString, int> inBestand; // folded name -> line of its first row
    const QSet<QString> teamsInBoom = TeamsInBoom(model);
    // Poule names as the tournament or the list first spells them, by their folded names:
    // "poule a" in a row is the poule "Poule A".
    QHash<QString, QString> poules = BestaandePoules(model);
    QSet<QString> pouleNamen;
    for (const auto& poule : model.PouleLijst())
        pouleNamen.insert(poule->Details->PouleNaam);

    voorbeeld.Rijen.reserve(csv.Rijen.size() - 1);
    for (qsizetype i = 1; i < csv.Rijen.size(); ++i) {
        TRijInhoud inhoud;
        TImportRij rij = LeesRij(kolommen, koppen, csv.Rijen.at(i), inhoud);
        const QString sleutel = rij.Team.TeamNaam.toCaseFolded();
        if (rij.Team.TeamNaam.isEmpty()) {
            rij.Reden = QStringLiteral("Geen teamnaam.");
        } else if (!inhoud.TeLang.isEmpty()) {
            rij.Reden = QStringLiteral("De waarde in kolom \"%1\" is langer dan %2 tekens.")
                            .arg(inhoud.TeLang).arg(MaxVeldLengte);
        } else if (bestaand.contains(sleutel)) {
            rij.Reden = QStringLiteral("Team naam bestaat al.");
        } else if (inBestand.contains(sleutel)) {
            rij.Reden = QStringLiteral("Dit team staat al op regel %1.").arg(inBestand.value(sleutel));
        } else {
            inBestand.insert(sleutel, rij.Regel);
            rij.Geaccepteerd = true;
            if (!rij.Poule.isEmpty() && !pouleNamen.contains(rij.Poule)) {
                const QString pouleSleutel = rij.Poule.toCaseFolded();
                if (const auto bekend = poules.constFind(pouleSleutel); bekend != poules.cend()) {
                    rij.Poule = *bekend;
                } else if (teamsInBoom.contains(rij.Poule)) {
                    rij.Reden = QStringLiteral("Poule naam bestaat al.")
                                + QStringLiteral(" Het team komt in geen poule.");
                    rij.Poule.clear();
                } else {
                    poules.insert(pouleSleutel, rij.Poule);
                    voorbeeld.NieuwePoules.append(rij.Poule);
                }
            }
        }
        if (rij.Geaccepteerd && inhoud.Stuurtekens) {
            const QString noot = QStringLiteral("Stuurtekens zijn weggelaten.");
            rij.Reden = rij.Reden.isEmpty() ? noot : rij.Reden + u' ' + noot;
        }
        voorbeeld.Rijen.append(std::move(rij));
    }
    return voorbeeld;
}

void Pas(ToernooiModel& model, const TImportVoorbeeld& voorbeeld)
{
    if (!voorbeeld.Fout.isEmpty())
        return;
    // In three steps of the model, each over the whole list, so a long list takes no longer
    // than its length: the teams, the missing poules, every team into its poule in file order.
    QList<const TTeamDetails*> teams;
    QStringList poules;
    teams.reserve(voorbeeld.Rijen.size());
    poules.reserve(voorbeeld.Rijen.size());
    for (const TImportRij& rij : voorbeeld.Rijen) {
        if (rij.Geaccepteerd) {
            teams.append(&rij.Team);
            poules.append(rij.Poule);
        }
    }
    const QList<TTeamDetails*> nieuw = model.VoegTeamsToe(teams);
    model.VoegPoulesToe(voorbeeld.NieuwePoules);
    QHash<QString, TPouleDetails*> pouleVan;
    for (const auto& poule : model.PouleLijst())
        pouleVan.insert(poule->Details->PouleNaam, poule->Details.get());
    QList<std::pair<TTeamDetails*, TPouleDetails*>> plaatsing;
    for (qsizetype i = 0; i < nieuw.size(); ++i) {
        if (nieuw.at(i) && !poules.at(i).isEmpty())
            plaatsing.append({nieuw.at(i), pouleVan.value(poules.at(i))});
    }
    model.VoegToeAanPoules(plaatsing);
}

} // namespace TeamImport
