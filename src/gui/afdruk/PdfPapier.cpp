#include "gui/afdruk/PdfPapier.h"

#include <QPagedPaintDevice>
#include <array>

namespace {

struct Soort
{
    const char* Naam;
    QPageSize::PageSizeId Formaat;
};

constexpr std::array<Soort, 4> Soorten{{
    {"A4", QPageSize::A4},
    {"A3", QPageSize::A3},
    {"A5", QPageSize::A5},
    {"Letter", QPageSize::Letter},
}};

} // namespace

QStringList PdfPapier::Namen()
{
    QStringList namen;
    for (const Soort& soort : Soorten)
        namen.append(QString::fromUtf8(soort.Naam));
    return namen;
}

std::optional<QPageSize::PageSizeId> PdfPapier::FormaatVan(const QString& naam)
{
    for (const Soort& soort : Soorten) {
        if (naam.compare(QString::fromUtf8(soort.Naam), Qt::CaseInsensitive) == 0)
            return soort.Formaat;
    }
    return std::nullopt;
}

QString PdfPapier::Naam() const
{
    for (const Soort& soort : Soorten) {
        if (soort.Formaat == Formaat)
            return QString::fromUtf8(soort.Naam);
    }
    return QPageSize::name(Formaat);
}

void PdfPapier::PasToe(QPagedPaintDevice& apparaat) const
{
    apparaat.setPageSize(QPageSize(Formaat));
    apparaat.setPageOrientation(Liggend ? QPageLayout::Landscape : QPageLayout::Portrait);
}
