#pragma once

#include "LezerControle.h"
#include "core/afdruk/AfdrukInhoud.h"
#include "core/afdruk/PaginaOpmaak.h"
#include "core/afdruk/SchemaWeergave.h"
#include "core/afdruk/TCanvas.h"
#include "core/afdruk/TTelCanvas.h"
#include "core/bestand/ToernooiLezer.h"
#include "core/model/ToernooiModel.h"
#include "core/schema/TInvoerControle.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/scheidsrechters/Behouden.h"
#include "core/scheidsrechters/ScheidsrechterRegels.h"
#include "core/scheidsrechters/TScheidsOpzet.h"
#include "core/scheidsrechters/Toewijzen.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "core/uitwisseling/CsvSchema.h"
#include "core/uitwisseling/HtmlSchema.h"
#include "core/uitwisseling/IcsSchema.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <algorithm>
#include <set>

// What must hold for any tournament file from loading to paper: it is read calmly and
// survives a save, the input check answers, the build gives the same outcome twice, a built
// schedule keeps its rules (at most 299 rounds, no team twice in a round, every poule's own
// matches, the rest of every team), the view fills, and the three printouts lay out on a
// fixed canvas, and the exports write. Used by the fuzz target and by the test that replays its stored inputs.
// Returns an empty text when all holds, otherwise what went wrong.
namespace SchemaControle {

// Tournaments larger than this are only read and saved: building and laying out bigger ones
// takes longer than a fuzz run may spend on one input.
constexpr std::size_t MaxTeams = 60;
constexpr std::size_t MaxPoules = 16;
constexpr int MaxVelden = 16;

// A page of fixed size on which a character is as wide as its font's point size and a text
// twice as high; sizes beyond what a printer would take are held at 500 points.
class VasteCanvas : public TCanvas
{
public:
    [[nodiscard]] int PaginaBreedte() const override { return 4800; }
    [[nodiscard]] int PaginaHoogte() const override { return 6800; }
    [[nodiscard]] int PaginaNummer() const override { return m_pagina; }
    void NieuwePagina() override { ++m_pagina; }
    void ZetLettertype(const TLettertype& lettertype) override { m_font = lettertype; }
    [[nodiscard]] TLettertype Lettertype() const override { return m_font; }
    void TekstUit(int, int, const QString&) override {}
    [[nodiscard]] int TekstBreedte(const QString& tekst) override
    {
        return int(std::min<qint64>(qint64(tekst.size()) * Punten(), 1 << 28));
    }
    [[nodiscard]] int TekstHoogte(const QString&) override { return 2 * Punten(); }
    void ZetPen(int, qint32, TPenStijl) override {}
    void Lijn(int, int, int, int) override {}

private:
    [[nodiscard]] int Punten() const { return std::clamp(m_font.Grootte, 1, 500); }

    int m_pagina = 1;
    TLettertype m_font;
};

inline QString ControleerSchema(const ToernooiModel& model, const TSchemaBoom& boom)
{
    if (boom.Ronden.size() > std::size_t(TSchemaBouwer::LaatsteRonde))
        return QStringLiteral("meer dan 299 ronden");
    QHash<const TTeamDetails*, std::vector<int>> rondenVanTeam;
    QHash<const TPouleDetails*, qint64> eigenGespeeld;
    int verwacht = 1;
    for (const TSchemaRonde& ronde : boom.Ronden) {
        if (ronde.Ronde != verwacht++)
            return QStringLiteral("ronden niet op volgorde");
        if (ronde.Velden.size() > std::size_t(model.AantalVelden()))
            return QStringLiteral("meer vakken dan velden in ronde ") + QString::number(ronde.Ronde);
        std::set<const TTeamDetails*> inRonde;
        for (std::size_t v = 0; v < ronde.Velden.size(); ++v) {
            const TSchemaVeld& vak = ronde.Velden[v];
            if (!vak.Tekst.startsWith(QStringLiteral("Veld %1:").arg(v + 1)))
                return QStringLiteral("vak op de verkeerde plek: ") + vak.Tekst;
            if (!vak.Wedstrijd || !vak.Wedstrijd->Team1)
                continue;
            for (const TTeamDetails* team : {vak.Wedstrijd->Team1, vak.Wedstrijd->Team2}) {
                if (!team || !inRonde.insert(team).second)
                    return QStringLiteral("een team twee keer in ronde ") + QString::number(ronde.Ronde);
                rondenVanTeam[team].push_back(ronde.Ronde);
            }
            ++eigenGespeeld[vak.Wedstrijd->Poule1];
        }
    }
    for (const auto& poule : model.PouleLijst()) {
        const TPouleDetails& details = *poule->Details;
        const qint64 n = qint64(poule->Teams.size());
        const qint64 eigen =
            details.CompetitieType == TCompetitieType::HeleCompetitie ? n * (n - 1) : n * (n - 1) / 2;
        if (eigenGespeeld.value(&details) != eigen)
            return QStringLiteral("poule ") + details.PouleNaam + QStringLiteral(" speelt niet al haar wedstrijden");
        for (const TTeamDetails* team : poule->Teams) {
            const std::vector<int>& ronden = rondenVanTeam[team];
            for (std::size_t i = 1; i < ronden.size(); ++i) {
                if (ronden[i] - ronden[i - 1] <= details.MinimaleRust)
                    return QStringLiteral("rust niet gehouden in poule ") + details.PouleNaam;
            }
        }
    }
    return {};
}

inline QString ControleerPapier(const ToernooiModel& model, const TSchemaBoom& boom)
{
    VasteCanvas meet;
    const TPaginaMaten maten = TPaginaMaten::MeasurePage(meet, model.Lettertypen());
    const QString printDatum = QStringLiteral("1-1-2000 12:00:00");

    SchemaWeergave weergave;
    SchemaWeergave::Invoer invoer;
    invoer.Schema = &boom;
    invoer.Velden = &model.Velden();
    invoer.ToernooiNaam = model.ToernooiNaam();
    invoer.StartDatum = model.StartDatum();
    invoer.PrintDatum = printDatum;
    invoer.AantalVelden = model.AantalVelden();
    invoer.LinesPerPage = maten.LinesPerPage;
    invoer.Fonts = model.Lettertypen();
    invoer.SchermBreedte = [](const QString& tekst, const TLettertype& font) {
        return int(tekst.size()) * std::clamp(font.Grootte, 1, 500);
    };
    weergave.FillView(invoer);
    if (weergave.PageCount() < 1)
        return QStringLiteral("weergave zonder pagina");
    if (!model.TeamLijst().empty()) {
        const TTeamDetails* team = model.TeamLijst().front().get();
        weergave.MarkVetTeam(team->TeamNaam, QString());
    }

    TAfdrukGegevens gegevens = AfdrukInhoud(model, boom, maten, printDatum);
    ZetVetTeam(gegevens, model, 1);
    using Document = void (*)(TCanvas&, const TAfdrukGegevens&);
    for (const Document document : {Document(&PaginaOpmaak::PrintSchedule),
                                    Document(&PaginaOpmaak::PrintPoules),
                                    Document(&PaginaOpmaak::PrintRefereeNotes),
                                    Document(&PaginaOpmaak::PrintScheidsrechters)}) {
        gegevens.PageCount = PaginaOpmaak::TelPaginas(meet, gegevens, document);
        TTelCanvas papier(meet);
        document(papier, gegevens);
        if (papier.PaginaNummer() != gegevens.PageCount)
            return QStringLiteral("geteld %1 pagina's, gedrukt %2")
                .arg(gegevens.PageCount)
                .arg(papier.PaginaNummer());
        // The view marks the page breaks of the printed schedule; only a break after the
        // last row, which the printout leaves without a sheet, may count one page more. The
        // highlighted team's duties as referee follow the rows on paper only: the schedule is
        // counted without them.
        if (document != &PaginaOpmaak::PrintSchedule)
            continue;
        TAfdrukGegevens zonderFluiters = gegevens;
        zonderFluiters.Scheidsrechters.clear();
        const int rijPaginas = PaginaOpmaak::TelPaginas(meet, zonderFluiters, document);
        const int meer = weergave.PageCount() - rijPaginas;
        if (meer < 0 || meer > 1)
            return QStringLiteral("de weergave telt %1 pagina's, het schema %2")
                .arg(weergave.PageCount())
                .arg(rijPaginas);
    }
    return {};
}

// The exports with the file's results: every slot a CSV row, a calendar or a reason, a
// whole page.
inline QString ControleerExport(ToernooiModel& model, const TSchemaBoom& boom)
{
    const TWedstrijdDag dag(model, boom);
    const QByteArray csv = CsvSchema::Schrijf(boom, model.Velden(), &dag);
    if (!csv.startsWith("\xEF\xBB\xBF" "Dag;Ronde;"))
        return QStringLiteral("CSV zonder kop");
    const TIcsUitkomst agenda =
        IcsSchema::Schrijf(model, boom, QString(), QDate(2000, 1, 1), QDateTime(), &dag);
    if (agenda.Status != TIcsStatus::Gelukt && agenda.Status != TIcsStatus::GeenTijden)
        return QStringLiteral("agenda: ") + agenda.Fout;
    if (agenda.Status == TIcsStatus::Gelukt && !agenda.Inhoud.endsWith("END:VCALENDAR\r\n"))
        return QStringLiteral("agenda niet afgesloten");
    if (!HtmlSchema::Schrijf(model, boom, &dag).endsWith("</html>\n"))
        return QStringLiteral("webpagina niet afgesloten");
    return {};
}

// The referees: the file's own assignment carried over, and a new one by the file's rules (every
// team when it names none) that breaks no rule that always holds and survives being kept.
inline QString ControleerScheidsrechters(const ToernooiModel& model, const TSchemaBoom& boom)
{
    TScheidsrechters regels = model.Scheidsrechters();
    const TScheidsUitkomst bewaard = BehoudToewijzing(model, boom, regels);
    if (bewaard.Redenen.size() != bewaard.Open.size())
        return QStringLiteral("open wedstrijden zonder reden");
    if (!regels.HeeftScheidsrechters())
        regels.Teams = TScheidsTeams::Alle;
    const TScheidsUitkomst uitkomst = Toewijzen(model, boom, regels);
    regels.Toewijzingen = uitkomst.Toewijzingen;
    const TScheidsOpzet opzet(model, boom, regels);
    if (std::size_t(uitkomst.Toewijzingen.size() + uitkomst.Open.size()) != opzet.Wedstrijden().size())
        return QStringLiteral("niet elke wedstrijd toegewezen of open");
    for (const TScheidsToewijzing& t : uitkomst.Toewijzingen) {
        if (const auto breuk = ControleerScheidsrechter(opzet, t); breuk && breuk->Altijd)
            return QStringLiteral("toewijzing breekt een regel: ") + breuk->Tekst;
    }
    if (!BehoudToewijzing(opzet).Open.isEmpty())
        return QStringLiteral("een eigen toewijzing blijft niet behouden");
    return {};
}

inline QString Controleer(QByteArrayView invoer)
{
    QString fout = LezerControle::Controleer(invoer);
    if (!fout.isEmpty())
        return fout;

    ToernooiModel model;
    ToernooiLezer::LeesToernooiBytes(model, invoer);
    if (model.TeamLijst().size() > MaxTeams || model.PouleLijst().size() > MaxPoules ||
        model.AantalVelden() > MaxVelden)
        return {};
    const TInvoerControle controle = ControleerInvoer(model);
    if (!controle.MagBouwen())
        return {};

    TSchemaBoom eerste;
    const TBouwUitkomst uitkomst = TSchemaBouwer(model).BouwSchema(eerste);
    TSchemaBoom tweede;
    const TBouwUitkomst nogmaals = TSchemaBouwer(model).BouwSchema(tweede);
    if (uitkomst.Gelukt != nogmaals.Gelukt || uitkomst.Reden != nogmaals.Reden || !(eerste == tweede))
        return QStringLiteral("twee keer bouwen geeft iets anders");
    if (!uitkomst.Gelukt)
        return uitkomst.Reden.isEmpty() ? QStringLiteral("mislukt zonder reden") : QString();
    fout = ControleerSchema(model, eerste);
    if (fout.isEmpty())
        fout = ControleerExport(model, eerste);
    if (fout.isEmpty())
        fout = ControleerScheidsrechters(model, eerste);
    if (!fout.isEmpty())
        return fout;
    return ControleerPapier(model, eerste);
}

} // namespace SchemaControle
