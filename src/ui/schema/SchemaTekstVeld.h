#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QColor>
#include <QFontMetrics>
#include <QPoint>
#include <vector>

class SchemaWeergave;

// The read-only text of the schedule window. It draws only the lines in sight, each in its
// own font with the marked ranges in the highlight font, so even a schedule of tens of
// thousands of lines fills and re-marks at once. Both scroll bars, no word wrap.
class SchemaTekstVeld : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit SchemaTekstVeld(QWidget* parent = nullptr);

    // Takes the lines and fonts of the view anew (after FillView).
    void ToonWeergave(const SchemaWeergave* weergave);
    // Takes the marking anew (after MarkVetTeam); the scroll position stays.
    void WerkMarkeringBij();

    [[nodiscard]] int RegelAantal() const { return int(m_regels.size()); }
    // The width the view needs to show its widest line without scrolling sideways.
    [[nodiscard]] int NodigeBreedte() const;
    // The top of a line in the content, for tests and for scrolling to it.
    [[nodiscard]] int RegelBoven(int regel) const;
    // The line under a point of the viewport, or -1.
    [[nodiscard]] int RegelOp(QPoint punt) const;
    // The lines chosen by clicking: a click chooses one line, a click with Ctrl adds a second
    // (or takes a chosen one back). At most two, the earlier one first.
    [[nodiscard]] const std::vector<int>& Gekozen() const { return m_gekozen; }

signals:
    // A line dragged with the left button onto another line.
    void regelGesleept(int van, int naar);
    void keuzeVeranderd();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Stuk
    {
        int Begin;
        int Lengte;
        bool Gemarkeerd;
    };
    struct Regel
    {
        int Soort; // index into m_fonts
        std::vector<Stuk> Stukken;
        int Hoogte;
        int Ascent;
        int Breedte;
    };

    void ZetStukken(int index, std::vector<Stuk> gemarkeerd);
    void BerekenRegel(int index);
    void BerekenPosities();
    void WerkScrollbalkenBij();
    void Kies(int regel, bool erbij);

    const SchemaWeergave* m_weergave = nullptr;
    std::vector<Regel> m_regels;
    std::vector<int> m_boven; // top of every line, plus the total height at the end
    std::vector<int> m_gemarkeerd; // lines that hold marked pieces
    int m_gesleept = -1;           // the line a drag started on
    std::vector<int> m_gekozen;
    int m_maxBreedte = 0;
    // Base fonts: 0 name, 1 date, 2 text, 3 footer; 4 is the highlight font.
    QFont m_fonts[5];
    QColor m_kleuren[5];
    std::vector<QFontMetrics> m_maten;
};
