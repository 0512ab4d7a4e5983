#include "core/uitslag/StandTekst.h"

#include "core/model/PouleTitel.h"
#include "core/model/ToernooiModel.h"
#include "core/uitslag/TWedstrijdDag.h"

QString ScoreTekst(const TUitslag& uitslag)
{
    const bool beslist = uitslag.Doelpunten1 == uitslag.Doelpunten2 && uitslag.Beslist != 0;
    QString tekst = QString::number(uitslag.Doelpunten1);
    if (beslist && uitslag.Beslist == 1)
        tekst += u'*';
    tekst += u'-' + QString::number(uitslag.Doelpunten2);
    if (beslist && uitslag.Beslist == 2)
        tekst += u'*';
    return tekst;
}

QString StandTekst(const TWedstrijdDag& dag)
{
    QString tekst;
    const auto& poules = dag.Model().PouleLijst();
    for (std::size_t p = 0; p < poules.size(); ++p) {
        tekst += PouleTitel(poules[p]->Details->PouleNaam) + u'\n';
        const auto& regels = dag.Stand(int(p)).Regels;
        for (std::size_t i = 0; i < regels.size(); ++i) {
            const TStandRegel& r = regels[i];
            const QList<qint64> getallen{r.Gespeeld, r.Gewonnen, r.Gelijk,   r.Verloren,
                                      r.Voor,     r.Tegen,    r.Punten};
            tekst += QString::number(i + 1) + u'\t'
                     + poules[p]->Teams[std::size_t(r.Team)]->TeamNaam;
            for (qint64 getal : getallen)
                tekst += u'\t' + QString::number(getal);
            if (r.GelijkMerk)
                tekst += QStringLiteral("\tgelijk");
            tekst += u'\n';
        }
        tekst += u'\n';
    }
    tekst += QStringLiteral("Kruiswedstrijden\n");
    for (std::size_t i = 0; i < dag.Wedstrijden().size(); ++i) {
        const TDagWedstrijd& w = dag.Wedstrijden()[i];
        if (!w.IsKruis())
            continue;
        tekst += dag.IngevuldeTekst(int(i)) + u'\t';
        if (w.Uitslag)
            tekst += ScoreTekst(*w.Uitslag);
        tekst += u'\n';
    }
    return tekst;
}

QString VervallenMelding(const TWedstrijdDag& dag)
{
    const qsizetype aantal = qsizetype(dag.Vervallen().size()) + dag.Onleesbaar().size();
    if (aantal == 0)
        return {};
    if (aantal == 1)
        return QStringLiteral("1 uitslag hoort bij geen wedstrijd in het schema; de uitslagenlijst "
                              "toont die als vervallen.");
    return QString::number(aantal)
           + QStringLiteral(" uitslagen horen bij geen wedstrijd in het schema; de uitslagenlijst "
                            "toont ze als vervallen.");
}
