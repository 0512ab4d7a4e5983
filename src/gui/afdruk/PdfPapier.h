#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <optional>

class QPagedPaintDevice;

// The paper of the PDF output: its size and whether it lies in landscape. The printer dialog
// of the system cannot set up a PDF printer, so the program keeps this choice itself; it lasts
// for the run and is stored nowhere.
struct PdfPapier
{
    QPageSize::PageSizeId Formaat = QPageSize::A4;
    bool Liggend = false;

    // The names offered, in the order shown: "A4", "A3", "A5", "Letter".
    [[nodiscard]] static QStringList Namen();
    // The paper of that name (case does not matter), none for an unknown name.
    [[nodiscard]] static std::optional<QPageSize::PageSizeId> FormaatVan(const QString& naam);
    [[nodiscard]] QString Naam() const;
    // Sets size and orientation on a PDF device; its margins stay as they are.
    void PasToe(QPagedPaintDevice& apparaat) const;

    friend bool operator==(const PdfPapier&, const PdfPapier&) = default;
};
