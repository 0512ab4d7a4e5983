#pragma once

#include <QDialog>
#include <functional>

class QPrinter;
class QPrintPreviewWidget;

// "Afdrukvoorbeeld": the pages of the chosen printouts as the current printer (or the PDF
// paper) would get them, drawn by the same layout; nothing is printed. Escape closes it.
class TVoorbeeldVenster : public QDialog
{
    Q_OBJECT

public:
    // tekenen lays the pages out on the printer it is given.
    TVoorbeeldVenster(QPrinter& printer, std::function<void(QPrinter&)> tekenen,
                      QWidget* parent = nullptr);

    [[nodiscard]] int AantalPaginas() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPrintPreviewWidget* m_voorbeeld = nullptr;
};
