#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <utility>
#include <vector>

class TWedstrijdDag;

// The standings of the match day as one table: per poule a line with its name, one line per
// team in standings order (place, team, played, won, drawn, lost, goals for and against,
// points and the mark "gelijk") and a blank line; then the final ranking of every linked
// pair. The rows only point into the match day, which holds the numbers.
class StandModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit StandModel(QObject* parent = nullptr);

    void ZetDag(const TWedstrijdDag* dag);
    // The results changed: the rows are laid out and read again.
    void Ververs();
    // The poule and the line of its standings a row shows; none for other rows.
    [[nodiscard]] std::optional<std::pair<int, int>> PouleRegel(int rij) const;
    // The row of that line of a poule's standings, or -1.
    [[nodiscard]] int Rij(int poule, int regel) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    enum class TSoort { PouleKop, Team, Leeg, PaarKop, Plaats };
    struct TRij
    {
        TSoort Soort;
        int Groep = 0; // the poule or the pair
        int Regel = 0; // the line of its standings or final ranking
    };
    [[nodiscard]] std::vector<TRij> Rijen() const;

    const TWedstrijdDag* m_dag = nullptr;
    std::vector<TRij> m_rijen;
};
