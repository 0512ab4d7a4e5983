#pragma once

#include "core/programma/TVraagsteller.h"

#include <QPointer>
#include <QWidget>

class TToevoegen;

// The questions of the desktop program as real dialogs: message boxes, the name dialog and
// Qt's own file dialogs, all in Dutch.
class TDialoogVraagsteller : public TVraagsteller
{
public:
    TDialoogVraagsteller(QWidget* ouder, TToevoegen* naamDialoog);

    // The windows are created after the question asker; it learns them once they exist.
    void ZetOuder(QWidget* ouder) { m_ouder = ouder; }
    void ZetNaamDialoog(TToevoegen* naamDialoog) { m_naamDialoog = naamDialoog; }

    void Melding(const QString& titel, const QString& tekst) override;
    [[nodiscard]] bool VraagJaNee(const QString& titel, const QString& tekst) override;
    [[nodiscard]] TAntwoord VraagJaNeeAnnuleren(const QString& titel,
                                                const QString& tekst) override;
    [[nodiscard]] bool VraagDoorgaan(const QString& titel, const QString& tekst) override;
    [[nodiscard]] QString VraagNaam() override;
    [[nodiscard]] QString KiesTeOpenenBestand(const QString& filter,
                                              const QString& standaardExtensie,
                                              const QString& startMap) override;
    [[nodiscard]] QString KiesOpTeSlaanBestand(const QString& voorgesteldeNaam,
                                               const QString& filter,
                                               const QString& startMap) override;
    [[nodiscard]] QString KiesMap(const QString& titel) override;
    [[nodiscard]] std::optional<TLettertype> KiesLettertype(const TLettertype& huidig) override;
    [[nodiscard]] int VraagWinnaar(const QString& wedstrijd, const QString& kant1,
                                   const QString& kant2) override;
    [[nodiscard]] std::optional<QDate> VraagDatum(const QString& titel,
                                                  const QString& tekst) override;
    [[nodiscard]] std::optional<TUitloopRegel> VraagUitloop(int ronde, int minuten) override;

    // "Toernooi details (*.trn)|*.trn|Alles (*.*)|*.*" as Qt's "name (pattern);;..." list.
    [[nodiscard]] static QString QtFilter(const QString& filter);
    // A message text with its line breaks made uniform for display: the program's texts
    // separate lines with "\n\r" or "\r\n", which a label would show as two breaks or a box.
    [[nodiscard]] static QString SchermTekst(const QString& tekst);

private:
    // The window that asks (the schedule window, the import dialog), so the dialog opens over
    // it rather than raising the main window; the main window when none is active.
    [[nodiscard]] QWidget* Vrager();

    QWidget* m_ouder;
    // The window that asked or had the focus last. Right after one dialog closes the window
    // system may not have made another window active yet, and a question that follows goes
    // over this one (or, when it has closed, over the window it stood over).
    QPointer<QWidget> m_laatsteVrager;
    QObject m_focusVolger; // context of the focus connection, which ends with this object
    TToevoegen* m_naamDialoog;
};
