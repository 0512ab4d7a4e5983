#include "core/afdruk/SchemaWeergave.h"

#include "core/model/RondeKop.h"
#include "core/model/VeldenEnRonden.h"
#include "core/schema/TSchemaBoom.h"

#include <algorithm>

const QString SchemaWeergave::VolgendePagina = QStringLiteral("    --- Volgende pagina ---");

QString SchemaWeergave::Uitgelijnd(const QString& prefix, int kolomBreedte,
                                   const BreedteMeter& meter)
{
    // Only a few hundred distinct labels exist, so each is padded once.
    const auto bekend = m_uitgelijnd.constFind(prefix);
    if (bekend != m_uitgelijnd.constEnd())
        return *bekend;
    QString tekst = prefix;
    while (meter(tekst, m_fonts.TextFont) < kolomBreedte)
        tekst.append(u' ');
    m_uitgelijnd.insert(prefix, tekst);
    return tekst;
}

void SchemaWeergave::FillView(const Invoer& invoer)
{
    m_fonts = invoer.Fonts;
    m_regels.clear();
    m_vakken.clear();
    m_markeringen.clear();
    m_uitgelijnd.clear();
    m_pageCount = 1;

    m_regels.append(invoer.ToernooiNaam);
    m_regels.append(invoer.StartDatum);
    m_regels.append(QString());

    const int kolomBreedte = invoer.SchermBreedte(QStringLiteral("XXXXXXXXXXXXXXXXX"), m_fonts.TextFont);
    QString vorigeDag = QStringLiteral("0");
    int teller = 0;
    auto pagina = [this, &teller] {
        m_regels.append(VolgendePagina);
        ++m_pageCount;
        teller = 0;
    };

    static const std::vector<TSchemaRonde> geenRonden;
    const auto& ronden = invoer.Schema ? invoer.Schema->Ronden : geenRonden;

    // The referee of each slot (round index, field) whose match is the one assigned, and the
    // width of the widest match so that the referees stand in one column.
    QHash<std::pair<std::size_t, std::size_t>, QString> fluiters;
    int wedstrijdBreedte = 0;
    if (invoer.Schema && !invoer.Scheidsrechters.isEmpty()) {
        QHash<std::pair<int, int>, const TScheidsToewijzing*> toegewezen;
        for (const TScheidsToewijzing& t : invoer.Scheidsrechters)
            toegewezen.insert({t.Ronde, t.Veld}, &t);
        invoer.Schema->VoorElkeWedstrijd([&](std::size_t r, std::size_t v, const TWedstrijdDetails&,
                                             const QString& tekst, int keer) {
            const TScheidsToewijzing* t = toegewezen.value({ronden[r].Ronde, int(v) + 1});
            if (t && t->Keer == keer && t->Tekst == tekst)
                fluiters.insert({r, v}, t->Naam);
        });
        for (const auto& ronde : ronden) {
            for (const auto& slot : ronde.Velden)
                wedstrijdBreedte = std::max(wedstrijdBreedte, invoer.SchermBreedte(slot.Tekst + u' ', m_fonts.TextFont));
        }
    }
    for (std::size_t index = 0; index < ronden.size(); ++index) {
        const int k = int(index) + 1;
        const QString kop = invoer.Velden ? invoer.Velden->RondeKop(k) : QString();
        const auto& sloten = ronden[index].Velden;
        for (std::size_t j = 0; j < sloten.size(); ++j) {
            QString prefix;
            if (j == 0) {
                const QString dag = RondeKop::DagTekst(kop);
                if (dag != vorigeDag) {
                    m_regels.append(QStringLiteral("  Dag ") + dag);
                    vorigeDag = dag;
                    ++teller;
                }
                prefix = QStringLiteral("Ronde ") + QString::number(k);
            } else if (j == 1) {
                prefix = RondeKop::TijdBereik(kop);
            }
            m_vakken.insert(int(m_regels.size()), {ronden[index].Ronde, int(j) + 1});
            QString regel = Uitgelijnd(prefix, kolomBreedte, invoer.SchermBreedte) + sloten[j].Tekst + u' ';
            if (const QString fluiter = fluiters.value({index, j}); !fluiter.isEmpty()) {
                QString wedstrijd = sloten[j].Tekst + u' ';
                while (invoer.SchermBreedte(wedstrijd, m_fonts.TextFont) < wedstrijdBreedte)
                    wedstrijd.append(u' ');
                regel = Uitgelijnd(prefix, kolomBreedte, invoer.SchermBreedte) + wedstrijd
                        + QStringLiteral("  Scheidsrechter: ") + fluiter + u' ';
            }
            m_regels.append(regel);
            ++teller;
            if (teller >= invoer.LinesPerPage)
                pagina();
        }
        // A round of one slot has no second line for its time: the blank line below it takes
        // the time, as on the printed schedule.
        m_regels.append(sloten.size() == 1 ? RondeKop::TijdBereik(kop) : QString());
        ++teller;
        if (invoer.AantalVelden + teller >= invoer.LinesPerPage)
            pagina();
    }

    m_regels.append(QString());
    m_regels.append(invoer.PrintDatum);
}

std::optional<std::pair<int, int>> SchemaWeergave::Vak(int regel) const
{
    const auto gevonden = m_vakken.constFind(regel);
    if (gevonden == m_vakken.cend())
        return std::nullopt;
    return *gevonden;
}

TLettertype SchemaWeergave::RegelLettertype(int regel) const
{
    if (regel == 0)
        return m_fonts.HeaderFont;
    if (regel == 1) {
        TLettertype datum = m_fonts.HeaderFont;
        datum.Grootte -= 3;
        return datum;
    }
    if (regel == m_regels.size() - 1)
        return m_fonts.FooterFont;
    return m_fonts.TextFont;
}

void SchemaWeergave::MarkeerNaam(const QString& naam)
{
    const QString gevolgdDoorSpatie = naam + u' ';
    for (qsizetype regel = 0; regel < m_regels.size(); ++regel) {
        const QString& tekst = m_regels.at(regel);
        if (!tekst.contains(gevolgdDoorSpatie))
            continue;
        m_markeringen.push_back({int(regel), int(tekst.indexOf(naam)), int(naam.size())});
    }
}

void SchemaWeergave::MarkVetTeam(const QString& team, const QString& poule)
{
    // Every marking is recomputed, the header lines included, so no earlier team stays marked.
    m_markeringen.clear();
    if (team.isEmpty())
        return;
    MarkeerNaam(team);
    if (!poule.isEmpty())
        MarkeerNaam(poule);
}

void SchemaWeergave::ZetTekstFonts(const TLettertype& textFont, const TLettertype& vetTeamFont)
{
    m_fonts.TextFont = textFont;
    m_fonts.VetTeamFont = vetTeamFont;
}
