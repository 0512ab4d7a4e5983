#include "core/afdruk/PaginaOpmaak.h"

#include "core/afdruk/TAfdrukGegevens.h"
#include "core/afdruk/TCanvas.h"
#include "core/afdruk/TTelCanvas.h"
#include "core/model/VeldenEnRonden.h"
#include "core/schema/TSchemaBoom.h"

namespace PaginaOpmaak {

void DrawPageFrame(TCanvas& canvas, const TAfdrukGegevens& gegevens)
{
    const TPaginaMaten& maten = gegevens.Maten;
    const int breedte = canvas.PaginaBreedte();
    const int hoogte = canvas.PaginaHoogte();
    const qint32 lijnKleur = gegevens.Fonts.HeaderFont.Kleur;

    canvas.ZetLettertype(gegevens.Fonts.HeaderFont);
    canvas.TekstUit(0, 0, gegevens.ToernooiNaam);
    TLettertype datum = gegevens.Fonts.HeaderFont;
    datum.Grootte -= 3;
    canvas.ZetLettertype(datum);
    canvas.TekstUit(0, (maten.HeaderHeight - 12) / 2, gegevens.StartDatum);
    canvas.ZetPen(2, lijnKleur, TPenStijl::Doorgetrokken);
    canvas.Lijn(0, maten.HeaderHeight - 7, breedte, maten.HeaderHeight - 7);

    const int voetBoven = hoogte - maten.FooterHeight;
    canvas.ZetLettertype(gegevens.Fonts.FooterFont);
    const QString geprint = QStringLiteral("Geprint op ") + gegevens.PrintDatum;
    canvas.TekstUit((breedte - canvas.TekstBreedte(geprint)) / 2, voetBoven, geprint);
    const QString pagina = QStringLiteral("Pagina ") + QString::number(canvas.PaginaNummer())
                           + QStringLiteral(" van ") + QString::number(gegevens.PageCount);
    canvas.TekstUit(breedte - canvas.TekstBreedte(pagina), voetBoven, pagina);
    TLettertype klein = gegevens.Fonts.FooterFont;
    klein.Grootte = 8;
    canvas.ZetLettertype(klein);
    canvas.TekstUit(0, voetBoven, QStringLiteral("Rondoplan 1.4"));
    canvas.ZetPen(2, lijnKleur, TPenStijl::Doorgetrokken);
    canvas.Lijn(0, voetBoven - 5, breedte, voetBoven - 5);
}

void PaginaEinde(TCanvas& canvas, const TAfdrukGegevens& gegevens)
{
    canvas.NieuwePagina();
    DrawPageFrame(canvas, gegevens);
    canvas.ZetLettertype(gegevens.Fonts.TextFont);
}

int TelPaginas(TCanvas& meetCanvas, const TAfdrukGegevens& gegevens,
               const std::function<void(TCanvas&, const TAfdrukGegevens&)>& document)
{
    TTelCanvas teller(meetCanvas);
    document(teller, gegevens);
    return teller.PaginaNummer();
}

int RijTekstHoogte(TCanvas& canvas)
{
    return canvas.TekstHoogte(QStringLiteral("GJgj"));
}

void RijTekst(TCanvas& canvas, const TAfdrukGegevens& gegevens, int x, int rijBoven,
              const QString& tekst)
{
    canvas.TekstUit(x, rijBoven + (gegevens.Maten.LineHeight - RijTekstHoogte(canvas)) / 2, tekst);
}

void VoorElkeRonde(const TAfdrukGegevens& gegevens,
                   const std::function<void(int k, const QString& kop, const std::vector<TSchemaVeld>& sloten)>& doe)
{
    if (!gegevens.Schema)
        return;
    const auto& ronden = gegevens.Schema->Ronden;
    for (std::size_t index = 0; index < ronden.size(); ++index) {
        const auto& sloten = ronden[index].Velden;
        if (sloten.empty())
            return;
        const int k = int(index) + 1;
        doe(k, gegevens.Velden ? gegevens.Velden->RondeKop(k) : QString(), sloten);
    }
}

QHash<std::pair<int, int>, QString> FluitersPerVak(const TAfdrukGegevens& gegevens)
{
    QHash<std::pair<int, int>, const TScheidsToewijzing*> toegewezen;
    for (const TScheidsToewijzing& t : gegevens.Scheidsrechters)
        toegewezen.insert({t.Ronde, t.Veld}, &t);
    QHash<std::pair<int, int>, QString> fluiters;
    if (!gegevens.Schema || toegewezen.isEmpty())
        return fluiters;
    const TSchemaBoom& schema = *gegevens.Schema;
    schema.VoorElkeWedstrijd([&](std::size_t r, std::size_t v, const TWedstrijdDetails&,
                                 const QString& tekst, int keer) {
        const TScheidsToewijzing* t = toegewezen.value({schema.Ronden[r].Ronde, int(v) + 1});
        if (t && t->Keer == keer && t->Tekst == tekst)
            fluiters.insert({int(r) + 1, int(v) + 1}, t->Naam);
    });
    return fluiters;
}

QString Ingekort(TCanvas& canvas, const QString& tekst, int breedte)
{
    if (canvas.TekstBreedte(tekst) <= breedte)
        return tekst;
    static const QString puntjes = QStringLiteral("…");
    QString deel = tekst;
    while (!deel.isEmpty() && canvas.TekstBreedte(deel + puntjes) > breedte)
        deel.chop(1);
    return deel.isEmpty() ? QString() : deel + puntjes;
}

int LabelKolomBreedte(TCanvas& canvas, const TAfdrukGegevens& gegevens)
{
    canvas.ZetLettertype(gegevens.Fonts.TextFont);
    return canvas.TekstBreedte(QStringLiteral("XXXXXXXXXXXXXXXXX"));
}

} // namespace PaginaOpmaak
