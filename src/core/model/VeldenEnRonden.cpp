#include "core/model/VeldenEnRonden.h"

#include <algorithm>

namespace {

const QString Wedstrijd = QStringLiteral("Wedstrijd");

struct Klok
{
    int Uren = 9;
    int Minuten = 0;

    [[nodiscard]] int TotaalMinuten() const { return Uren * 60 + Minuten; }

    void Verzet(int minuten)
    {
        Minuten += minuten;
        while (Minuten >= 60) {
            Minuten -= 60;
            ++Uren;
        }
    }
};

// Values below 10 get a leading zero; larger ones, three-digit hours included, stay as they are.
QString TijdDeel(int waarde)
{
    if (waarde >= 0 && waarde <= 9)
        return u'0' + QString::number(waarde);
    return QString::number(waarde);
}

QString KlokTekst(const Klok& klok)
{
    return TijdDeel(klok.Uren) + u':' + TijdDeel(klok.Minuten);
}

// Reads "uu:mm" as characters 1-2 and 4-5; fails when either is not a number.
bool LeesTijd(const QString& tekst, Klok& klok)
{
    bool urenOk = false;
    bool minutenOk = false;
    const int uren = tekst.mid(0, 2).toInt(&urenOk);
    const int minuten = tekst.mid(3, 2).toInt(&minutenOk);
    if (!urenOk || !minutenOk)
        return false;
    klok.Uren = uren;
    klok.Minuten = minuten;
    return true;
}

} // namespace

VeldenEnRonden::VeldenEnRonden()
    : m_cellen(std::size_t(MaxKolommen) * (OpgeslagenRijen + 1), false)
{
    m_rondeKoppen.reserve(OpgeslagenRijen + 1);
    m_rondeKoppen.append(QString());
    for (int rij = 1; rij <= OpgeslagenRijen; ++rij)
        m_rondeKoppen.append(QStringLiteral("Ronde ") + QString::number(rij));
    m_veldKoppen.reserve(OpgeslagenKolommen + 1);
    m_veldKoppen.append(QString());
    for (int kolom = 1; kolom <= OpgeslagenKolommen; ++kolom)
        m_veldKoppen.append(QStringLiteral("Veld ") + QString::number(kolom));
    MaakBeschikbaar(OpgeslagenKolommen);
    VulRondeKoppen(nullptr, 20, 5, 1);
}

bool VeldenEnRonden::InOpslag(int kolom, int rij) const
{
    return kolom >= 1 && kolom < MaxKolommen && rij >= 1 && rij <= OpgeslagenRijen;
}

QString VeldenEnRonden::Cel(int kolom, int rij) const
{
    if (kolom == 0)
        return rij >= 0 && rij <= OpgeslagenRijen ? m_rondeKoppen.at(rij) : QString();
    if (rij == 0)
        return kolom > 0 && kolom <= OpgeslagenKolommen ? m_veldKoppen.at(kolom) : QString();
    return Beschikbaar(kolom, rij) ? Wedstrijd : QString();
}

bool VeldenEnRonden::Beschikbaar(int veld, int ronde) const
{
    if (!InOpslag(veld, ronde))
        return false;
    return m_cellen[std::size_t(veld) * (OpgeslagenRijen + 1) + std::size_t(ronde)];
}

void VeldenEnRonden::ZetKolomAantal(int aantal)
{
    m_kolomAantal = aantal < 1 ? 1 : aantal;
}

void VeldenEnRonden::ZetBeschikbaar(int veld, int ronde, bool beschikbaar)
{
    if (!InOpslag(veld, ronde))
        return;
    m_cellen[std::size_t(veld) * (OpgeslagenRijen + 1) + std::size_t(ronde)] = beschikbaar;
}

bool VeldenEnRonden::Wissel(int kolom, int rij)
{
    if (kolom <= 0 || rij <= 0)
        return false;
    ZetBeschikbaar(kolom, rij, !Beschikbaar(kolom, rij));
    return true;
}

void VeldenEnRonden::MaakBeschikbaar(int totKolom)
{
    // Rows 1..299 of a column are contiguous; filling whole ranges keeps creating a table,
    // which every model does, cheap.
    for (int kolom = 1; kolom <= totKolom && kolom < MaxKolommen; ++kolom) {
        const auto begin = m_cellen.begin() + std::ptrdiff_t(kolom) * (OpgeslagenRijen + 1);
        std::fill(begin + 1, begin + 1 + OpgeslagenRijen, true);
    }
}

void VeldenEnRonden::ResetAlleVelden()
{
    MaakBeschikbaar(m_kolomAantal);
}

void VeldenEnRonden::ResetAlleCellen()
{
    MaakBeschikbaar(MaxKolommen - 1);
}

bool VeldenEnRonden::VulRondeKoppen(const TDagTijden* dagDelen, int duur, int pauze,
                                    int delenPerDag, const TUitloop& uitloop)
{
    const bool heeftDelen = dagDelen && !dagDelen->isEmpty();
    Klok klok;
    Klok eind{17, 0};
    if (heeftDelen) {
        if (!LeesTijd(dagDelen->at(0).Begin, klok) || !LeesTijd(dagDelen->at(0).Eind, eind))
            return false;
    }

    int deel = 1;
    int dag = 1;
    const int delen = heeftDelen ? int(dagDelen->size()) : 1;
    m_geplandeRonden = 0;
    // The delay of the current day so far; it ends with the day.
    int uitgelopen = 0;
    auto volgendeUitloop = uitloop.cbegin();
    for (int ronde = 1; ronde < GetoondeRijen; ++ronde) {
        if (deel <= delen)
            m_geplandeRonden = ronde;
        while (volgendeUitloop != uitloop.cend() && volgendeUitloop->Ronde <= ronde) {
            if (volgendeUitloop->Ronde == ronde)
                uitgelopen += volgendeUitloop->Minuten;
            ++volgendeUitloop;
        }
        Klok rondeBegin = klok;
        rondeBegin.Verzet(uitgelopen);
        Klok rondeEind = rondeBegin;
        rondeEind.Verzet(duur);
        m_rondeKoppen[ronde] = QStringLiteral("Dag ") + QString::number(dag)
                               + QStringLiteral(", Ronde ") + QString::number(ronde)
                               + QStringLiteral(" (") + KlokTekst(rondeBegin)
                               + QStringLiteral(" - ") + KlokTekst(rondeEind) + u')';
        klok.Verzet(duur + pauze);
        if (klok.TotaalMinuten() >= eind.TotaalMinuten()) {
            ++deel;
            if (delenPerDag == 1 || deel % delenPerDag == 1) {
                ++dag;
                uitgelopen = 0;
            }
            if (heeftDelen && deel <= dagDelen->size()) {
                const TDagDeel& volgend = dagDelen->at(deel - 1);
                if (!LeesTijd(volgend.Begin, klok) || !LeesTijd(volgend.Eind, eind))
                    return false;
            } else {
                klok = Klok{9, 0};
                eind = Klok{17, 0};
            }
        }
    }
    return true;
}
