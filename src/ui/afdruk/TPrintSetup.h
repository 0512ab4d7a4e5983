#pragma once

#include "core/afdruk/PrintOpdrachten.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QListWidget;
class HuidigePrinter;
class ToernooiModel;

// The print dialog "Printen": the printer, its settings, which printouts to make and for
// which teams a highlighted schedule. It lives for the whole run, so its choices stay from one
// print run to the next; the team selection does not.
class TPrintSetup : public QDialog
{
    Q_OBJECT

public:
    static const QString PdfBestand;

    TPrintSetup(const ToernooiModel& model, HuidigePrinter& printer, QWidget* parent = nullptr);

    // Shows the dialog modally; true when it was closed with "Printen".
    bool RunPrintSetup();
    [[nodiscard]] PrintOpdrachten::TKeuzes Keuzes() const;
    [[nodiscard]] QStringList Teams() const;
    // True when the chosen entry is "PDF-bestand".
    [[nodiscard]] bool PdfGekozen() const;
    // Fills the lists as showing the dialog does (also for tests).
    void FormShow();

signals:
    void helpGevraagd(int context);
    // A printer in the list that the system no longer knows.
    void printerOnbekend(const QString& naam);
    // "Afdrukvoorbeeld": show the chosen printouts without printing them.
    void voorbeeldGevraagd();

private:
    void PrinterLijstChange(int index);
    void Button1Click();

    const ToernooiModel& m_model;
    HuidigePrinter& m_printer;
    QComboBox* m_printerLijst = nullptr;
    QCheckBox* m_volSchema = nullptr;
    QCheckBox* m_poules = nullptr;
    QCheckBox* m_perTeam = nullptr;
    QCheckBox* m_briefjes = nullptr;
    QCheckBox* m_uitslagen = nullptr;
    QCheckBox* m_scheidsrechters = nullptr;
    QCheckBox* m_namenInvullen = nullptr;
    QListWidget* m_teamLijst = nullptr;
};
