#pragma once

#include "core/kwaliteit/SchemaKwaliteit.h"

#include <QWidget>
#include <functional>

class QFormLayout;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class HuidigePrinter;
class KwaliteitModel;
class TPrintSetup;
class TVraagsteller;
class ToernooiDocument;
class ToernooiModel;
struct TSchemaBoom;

// The window "Kwaliteit van het schema": how the built schedule fares against the fewest
// rounds any schedule needs, its end, totals, and a sortable table of every team with the
// worst values marked. It measures again whenever it is shown or a new schedule was built,
// and prints its report as a print job of its own on the printer chosen for the print run.
class TKwaliteitVenster : public QWidget
{
    Q_OBJECT

public:
    using PrintDatum = std::function<QString()>;

    TKwaliteitVenster(const ToernooiDocument& document, HuidigePrinter& printer,
                      const TPrintSetup& printKeuze, TVraagsteller& vragen, PrintDatum printDatum,
                      QWidget* parent = nullptr);

    // Measures the schedule again and shows the window in front.
    void ToonKwaliteit();
    // Measures the schedule again and refills the window.
    void Vernieuw();
    // Prints the report; true when it was printed.
    bool Print();

    [[nodiscard]] const TSchemaKwaliteit& Kwaliteit() const { return m_kwaliteit; }
    [[nodiscard]] QTableView* Tabel() const { return m_tabel; }

signals:
    void helpGevraagd(int context);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const ToernooiModel& m_model;
    const TSchemaBoom& m_schema;
    HuidigePrinter& m_printer;
    const TPrintSetup& m_printKeuze;
    TVraagsteller& m_vragen;
    PrintDatum m_printDatum;
    TSchemaKwaliteit m_kwaliteit;
    QFormLayout* m_samenvatting = nullptr;
    KwaliteitModel* m_tabelModel = nullptr;
    QSortFilterProxyModel* m_sorteer = nullptr;
    QTableView* m_tabel = nullptr;
};
