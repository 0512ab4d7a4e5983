#pragma once

#include "core/uitslag/TUitslag.h"

#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

// Everything of the match day that is kept with the tournament: the results entered, the
// points setting and the lot orders. Results are kept by match text and Keer, not by slot, so
// they stay on their match across rebuilds, and a result whose match is no longer in the
// schedule is kept until the organiser removes it.
class TUitslagen
{
public:
    [[nodiscard]] bool Leeg() const;

    [[nodiscard]] const std::vector<TUitslag>& Lijst() const { return m_lijst; }
    [[nodiscard]] const TUitslag* Zoek(const QString& wedstrijd, int keer) const;
    // Replaces the result of the same match, or adds it. True when something changed.
    bool Zet(const TUitslag& uitslag);
    // True when there was a result to remove.
    bool Wis(const QString& wedstrijd, int keer);

    // Results set aside: a played cross match whose slot now has other teams got a new
    // result, and the old one is kept here with the teams that played it. Shown as lapsed,
    // saved, never counted.
    [[nodiscard]] const std::vector<TUitslag>& Terzijde() const { return m_terzijde; }
    void ZetTerzijde(const TUitslag& uitslag);

    // The reader: the team of side 1 or 2 of the result read last (an "Uitslag=" or a result
    // set aside). After a line that could not be read the team line is kept with it, as it
    // stood (regel); with neither before it, it is kept as a line of its own.
    void ZetTeamVanLaatste(int kant, const QString& naam, const QString& regel);
    void VergeetLaatste()
    {
        m_laatste = -1;
        m_laatsteRuw = -1;
    }

    // Result lines of a file that could not be read but name a match text: shown as lapsed
    // (the value after "Uitslag=") and saved again exactly as they stood (regel), with the
    // team lines that followed them.
    [[nodiscard]] const QStringList& Onleesbaar() const { return m_onleesbaar; }
    // Every line kept as it stood, shown or not, in the order the writer puts them back; an
    // entry may hold several lines separated by CR LF.
    [[nodiscard]] QStringList BewaardeRegels() const { return m_onleesbaarRegels + m_ongelezen; }
    void VoegOnleesbaarToe(const QString& waarde, const QString& regel);
    bool WisOnleesbaar(qsizetype index);
    // The other lines of the group that could not be read (a result that names no match, a
    // result set aside, points, a lot order): not shown, saved again exactly as they stood.
    void VoegOngelezenToe(const QString& regel);

    [[nodiscard]] const TPunten& Punten() const { return m_punten; }
    // Refused (false) when a value is outside 0..TPunten::Max.
    bool ZetPunten(const TPunten& punten);

    // The lot lines in the order they were read or set.
    [[nodiscard]] const std::vector<TLoting>& Lotingen() const { return m_lotingen; }
    // The lot order that counts for a poule of that name with that many teams: the last line
    // of the name whose positions all exist in the poule, each once.
    [[nodiscard]] std::optional<QList<int>> Loting(const QString& poule, int aantalTeams) const;
    // Appends a line as read; the last one counts.
    void VoegLotingToe(const TLoting& loting) { m_lotingen.push_back(loting); }
    // Replaces every line of the poule by this one; empty positions remove the lot order.
    bool ZetLoting(const QString& poule, const QList<int>& posities);

    friend bool operator==(const TUitslagen& a, const TUitslagen& b)
    {
        return a.m_lijst == b.m_lijst && a.m_terzijde == b.m_terzijde
               && a.m_onleesbaar == b.m_onleesbaar && a.m_onleesbaarRegels == b.m_onleesbaarRegels
               && a.m_ongelezen == b.m_ongelezen
               && a.m_punten == b.m_punten && a.m_lotingen == b.m_lotingen;
    }

private:
    [[nodiscard]] static QString Sleutel(const QString& wedstrijd, int keer);
    void Herindexeer();

    std::vector<TUitslag> m_lijst;
    QHash<QString, qsizetype> m_index;
    std::vector<TUitslag> m_terzijde;
    // The result the reader took last, for its team lines: none (-1), or an index into the
    // list or into the results set aside.
    qsizetype m_laatste = -1;
    bool m_laatsteTerzijde = false;
    // The lines kept as they stood that the reader took last, for its team lines: none (-1),
    // or an index into m_onleesbaarRegels or m_ongelezen.
    qsizetype m_laatsteRuw = -1;
    bool m_laatsteRuwGetoond = false;
    QStringList m_onleesbaar;
    // Per entry of m_onleesbaar: its lines as they stood, separated by CR LF.
    QStringList m_onleesbaarRegels;
    QStringList m_ongelezen;
    TPunten m_punten;
    std::vector<TLoting> m_lotingen;
};
