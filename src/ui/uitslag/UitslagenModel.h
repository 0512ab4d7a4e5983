#pragma once

#include "core/uitslag/TUitslag.h"

#include <QAbstractTableModel>
#include <QHash>
#include <optional>

class TVraagsteller;
class TWedstrijdDag;
struct TSchemaBoom;

// The matches of the match day as a table, in schedule order: round with its time range,
// field, the match text, the known names where the text has placeholders, and the two
// scores, which are edited here. Results whose match is not in the schedule follow as
// "vervallen". Every answer comes from the match day; the only things kept here are a score
// typed into one field while the other is still empty, which is no result yet, and a score
// that waits for a question (who won a level cross match, or whether played cross matches
// may get other teams). Such a question is asked once the table's editor has closed, so it
// never takes the keys typed after it.
class UitslagenModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum TKolom { Ronde, Veld, Wedstrijd, Namen, Doelpunten1, Doelpunten2, AantalKolommen };

    UitslagenModel(TVraagsteller& vragen, QObject* parent = nullptr);

    // The match day shown (none: an empty table) and the schedule it was made from.
    void ZetDag(TWedstrijdDag* dag, const TSchemaBoom* boom);
    // The results changed elsewhere, or through this table: every shown value is read again.
    void Ververs();
    // True while this table itself enters a result.
    [[nodiscard]] bool Bezig() const { return m_bezig; }
    // The number of rows that are matches of the schedule (the lapsed ones follow).
    [[nodiscard]] int AantalWedstrijden() const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    using TScores = std::pair<std::optional<int>, std::optional<int>>;
    // The rows the match day has now: its matches, then the lapsed results.
    [[nodiscard]] int TelRijen() const;
    [[nodiscard]] TScores Scores(int wedstrijd) const;
    [[nodiscard]] int Beslis(int wedstrijd);
    // Puts the typed scores of a match in: at once when nothing needs asking, otherwise
    // after the questions, on the next pass of the event loop.
    void Verwerk(int wedstrijd, TScores scores);
    // The questions, then the result; false when the organiser called it off.
    bool VraagEnZet(int wedstrijd, std::optional<TUitslag> uitslag);
    void OnthoudHalf(int wedstrijd, const TScores& scores);

    TVraagsteller& m_vragen;
    TWedstrijdDag* m_dag = nullptr;
    const TSchemaBoom* m_boom = nullptr;
    QHash<int, TScores> m_half;
    QHash<int, TScores> m_wachtend;
    // Counts the match days shown, so that a question that waits is dropped when the day it
    // belongs to was replaced meanwhile.
    int m_dagNummer = 0;
    int m_rijen = 0;
    bool m_bezig = false;
};
