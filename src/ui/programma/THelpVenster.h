#pragma once

#include <QWidget>

class QTextBrowser;

// The program's own help viewer: the Dutch help document in a text browser, opened at the
// topic of a context number (0 overview, 1-4 the detail tabs and the editing buttons,
// 5 printing, 6 the schedule window, 7 results, 8 schedule quality, 9 referees).
class THelpVenster : public QWidget
{
    Q_OBJECT

public:
    static constexpr int AantalOnderwerpen = 10;
    static constexpr int ScheidsrechtersContext = 9;

    explicit THelpVenster(QWidget* parent = nullptr);

    // The help document to show; "RONDOPLAN.HLP" of old, an HTML file now.
    void ZetHelpBestand(const QString& pad);
    [[nodiscard]] QString HelpBestand() const { return m_bestand; }

    // Shows the window at the topic of the context number; unknown numbers show topic 0.
    void Toon(int context);
    [[nodiscard]] int Context() const { return m_context; }
    [[nodiscard]] static QString Anker(int context);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextBrowser* m_tekst = nullptr;
    QString m_bestand;
    int m_context = -1;
};
