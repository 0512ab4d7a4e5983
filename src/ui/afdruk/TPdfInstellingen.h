#pragma once

#include "gui/afdruk/PdfPapier.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

// "PDF-instellingen": paper size and orientation for the PDF output, asked from the print
// dialog's "Instellingen" when "PDF-bestand" is chosen.
class TPdfInstellingen : public QDialog
{
    Q_OBJECT

public:
    explicit TPdfInstellingen(const PdfPapier& papier, QWidget* parent = nullptr);

    // The paper as the dialog shows it now.
    [[nodiscard]] PdfPapier Papier() const;

private:
    QComboBox* m_formaat = nullptr;
    QRadioButton* m_staand = nullptr;
    QRadioButton* m_liggend = nullptr;
};
