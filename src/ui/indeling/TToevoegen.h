#pragma once

#include <QDialog>

class QLineEdit;

// The name dialog for a new team or poule. The edit keeps its text between uses, so the
// dialog opens with the name entered the previous time.
class TToevoegen : public QDialog
{
    Q_OBJECT

public:
    explicit TToevoegen(QWidget* parent = nullptr);

    // Shows the dialog modally: the name when "Toevoegen" closed it, empty otherwise.
    [[nodiscard]] QString VraagNaam();
    [[nodiscard]] QLineEdit* Naam() const { return m_naam; }

private:
    QLineEdit* m_naam = nullptr;
};
