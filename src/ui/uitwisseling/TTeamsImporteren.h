#pragma once

#include "core/uitwisseling/TeamImport.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class TVraagsteller;
class ToernooiModel;

// The dialog "Teams importeren": a team list read from a file or pasted from a spreadsheet,
// shown row by row with what will be added and what is refused and why. "Toevoegen" adds
// every accepted row in one step; "Annuleren" leaves the tournament as it was.
class TTeamsImporteren : public QDialog
{
    Q_OBJECT

public:
    TTeamsImporteren(ToernooiModel& model, TVraagsteller& vraagsteller, QWidget* parent = nullptr);

    // The folder the open dialog starts in.
    void ZetStartMap(const QString& map) { m_startMap = map; }

    // "Bestand kiezen…" and "Plakken".
    void KiesBestand();
    void Plak();
    // The list in a file, or as text, previewed.
    void ToonBestand(const QString& pad);
    void ToonTekst(const QString& tekst);

    [[nodiscard]] const TImportVoorbeeld& Voorbeeld() const { return m_voorbeeld; }
    [[nodiscard]] QTableWidget* Tabel() const { return m_tabel; }
    [[nodiscard]] QLabel* Samenvatting() const { return m_samenvatting; }
    [[nodiscard]] QPushButton* Toevoegen() const { return m_toevoegen; }
    [[nodiscard]] QPushButton* Annuleren() const { return m_annuleren; }

    // "3 teams worden toegevoegd, 1 geweigerd; nieuwe poules: C"
    [[nodiscard]] static QString SamenvattingTekst(const TImportVoorbeeld& voorbeeld);
    // The last column of a row: "Toegevoegd" or "Geweigerd: reden".
    [[nodiscard]] static QString UitkomstTekst(const TImportRij& rij);

private:
    void Toon(TImportVoorbeeld voorbeeld, const QString& bron);
    void ToonFout(const QString& fout);
    void ToevoegenClick();

    ToernooiModel& m_model;
    TVraagsteller& m_vraagsteller;
    QString m_startMap;
    TImportVoorbeeld m_voorbeeld;
    QLabel* m_bron = nullptr;
    QTableWidget* m_tabel = nullptr;
    QLabel* m_samenvatting = nullptr;
    QPushButton* m_toevoegen = nullptr;
    QPushButton* m_annuleren = nullptr;
};
