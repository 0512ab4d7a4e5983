// The results and standings on paper: every match with its score per round, the standings
// of every poule and the final ranking of every linked pair, in the frame of every page.
#include "core/afdruk/PaginaOpmaak.h"

#include "core/afdruk/TAfdrukGegevens.h"
#include "core/afdruk/TCanvas.h"
#include "core/model/PouleTitel.h"
#include "core/model/RondeKop.h"
#include "core/model/TPoule.h"
#include "core/model/TPouleDetails.h"
#include "core/model/TTeamDetails.h"
#include "core/model/ToernooiModel.h"
#include "core/uitslag/TWedstrijdDag.h"

namespace PaginaOpmaak {

namespace {

// Places rows down the page body and starts a new page when it is full.
class Regels
{
public:
    Regels(TCanvas& canvas, const TAfdrukGegevens& gegevens)
        : m_canvas(canvas), m_gegevens(gegevens), m_boven(gegevens.Maten.HeaderHeight)
    {
        DrawPageFrame(canvas, gegevens);
        canvas.ZetLettertype(gegevens.Fonts.TextFont);
    }

    // Makes sure that n rows fit on this page; a block that fits on no page starts anyway.
    void Ruimte(int n)
    {
        if (m_teller > 0 && m_teller + n > m_gegevens.Maten.LinesPerPage) {
            PaginaEinde(m_canvas, m_gegevens);
            m_teller = 0;
            m_boven = m_gegevens.Maten.HeaderHeight;
        }
    }
    void Tekst(int x, const QString& tekst, bool vet = false)
    {
        TLettertype font = m_gegevens.Fonts.TextFont;
        font.Vet = font.Vet || vet;
        m_canvas.ZetLettertype(font);
        RijTekst(m_canvas, m_gegevens, x, m_boven, tekst);
    }
    void Volgende()
    {
        ++m_teller;
        m_boven += m_gegevens.Maten.LineHeight;
        Ruimte(1);
    }

private:
    TCanvas& m_canvas;
    const TAfdrukGegevens& m_gegevens;
    int m_teller = 0;
    int m_boven;
};

QString Score(const TUitslag& u)
{
    return QString::number(u.Doelpunten1) + (u.Beslist == 1 ? QStringLiteral("*") : QString())
           + u'-' + QString::number(u.Doelpunten2)
           + (u.Beslist == 2 ? QStringLiteral("*") : QString());
}

} // namespace

void PrintUitslagen(TCanvas& canvas, const TAfdrukGegevens& gegevens)
{
    Regels regels(canvas, gegevens);
    const TWedstrijdDag* dag = gegevens.Dag;
    if (!dag)
        return;
    const int label = LabelKolomBreedte(canvas, gegevens);
    const int scoreBreedte = canvas.TekstBreedte(QStringLiteral("000*-000* "));
    const int scoreX = std::max(label, canvas.PaginaBreedte() - scoreBreedte);

    const auto& wedstrijden = dag->Wedstrijden();
    int ronde = -1;
    for (std::size_t i = 0; i < wedstrijden.size(); ++i) {
        const TDagWedstrijd& w = wedstrijden[i];
        if (w.Ronde != ronde) {
            if (ronde >= 0)
                regels.Volgende();
            ronde = w.Ronde;
            regels.Ruimte(2);
            const QString kop = gegevens.Velden ? gegevens.Velden->RondeKop(ronde + 1) : QString();
            regels.Tekst(0, QStringLiteral("Ronde %1  %2").arg(ronde + 1).arg(RondeKop::TijdBereik(kop)), true);
            regels.Volgende();
        }
        regels.Tekst(label, dag->IngevuldeTekst(int(i)));
        if (w.Uitslag)
            regels.Tekst(scoreX, Score(*w.Uitslag));
        regels.Volgende();
    }
    for (const TUitslag& u : dag->Vervallen()) {
        regels.Tekst(0, QStringLiteral("vervallen"));
        regels.Tekst(label, u.Wedstrijd);
        regels.Tekst(scoreX, Score(u));
        regels.Volgende();
    }

    static const char* const koppen[] = {"Gesp.", "Gew.", "Gel.", "Verl.", "Voor", "Tegen", "Punten"};
    const int kolom = canvas.TekstBreedte(QStringLiteral("Punten  "));
    // The seven numbers and the "gelijk" mark end at the right edge of the page; the team
    // names keep at least two columns' room before them.
    const int cijfersX = std::max(label / 4 + kolom * 2, canvas.PaginaBreedte() - kolom * 8);
    const auto& poules = dag->Model().PouleLijst();
    for (std::size_t p = 0; p < poules.size(); ++p) {
        const TPouleStand& stand = dag->Stand(int(p));
        if (stand.Regels.empty())
            continue;
        regels.Volgende();
        // The heading has a line of its own: a long poule name would run into the column
        // header beside it.
        regels.Ruimte(int(stand.Regels.size()) + 3);
        regels.Tekst(0, PouleTitel(poules[p]->Details->PouleNaam)
                            + (stand.Definitief ? QStringLiteral(" (eindstand)") : QString()),
                     true);
        regels.Volgende();
        for (int k = 0; k < int(std::size(koppen)); ++k)
            regels.Tekst(cijfersX + k * kolom, QString::fromUtf8(koppen[k]), true);
        regels.Volgende();
        for (std::size_t r = 0; r < stand.Regels.size(); ++r) {
            const TStandRegel& regel = stand.Regels[r];
            regels.Tekst(0, QString::number(r + 1) + u'.');
            regels.Tekst(label / 4, poules[p]->Teams[std::size_t(regel.Team)]->TeamNaam);
            const qint64 getallen[] = {regel.Gespeeld, regel.Gewonnen, regel.Gelijk, regel.Verloren,
                                       regel.Voor, regel.Tegen, regel.Punten};
            for (int k = 0; k < int(std::size(getallen)); ++k)
                regels.Tekst(cijfersX + k * kolom, QString::number(getallen[k]));
            if (regel.GelijkMerk)
                regels.Tekst(cijfersX + 7 * kolom, QStringLiteral("gelijk"));
            regels.Volgende();
        }
    }

    for (const TDagPaar& paar : dag->Paren()) {
        if (paar.Eindstand.empty())
            continue;
        regels.Volgende();
        regels.Ruimte(int(paar.Eindstand.size()) + 1);
        regels.Tekst(0, QStringLiteral("Eindstand ") + poules[std::size_t(paar.Poule1)]->Details->PouleNaam
                            + QStringLiteral(" & ") + poules[std::size_t(paar.Poule2)]->Details->PouleNaam,
                     true);
        regels.Volgende();
        for (const TEindPlaats& plaats : paar.Eindstand) {
            regels.Tekst(0, QString::number(plaats.Plaats) + u'.');
            regels.Tekst(label / 4, plaats.Team ? plaats.Team->TeamNaam : QString());
            regels.Volgende();
        }
    }
}

} // namespace PaginaOpmaak
