#pragma once

#include "gui/afdruk/PdfPapier.h"

#include <QString>
#include <QStringList>

class ToernooiModel;
struct TSchemaBoom;

// Writes the printouts of a built schedule into a folder as PDF files at 600 dpi on the given
// paper (A4 upright unless asked otherwise):
// "schema.pdf", "poules.pdf", "scheidsrechterbriefjes.pdf", "scheidsrechters.pdf" when
// matches have a referee, and "team <name>.pdf" for every team asked for, with the
// tournament's fonts. The same layout as the print run.
namespace PdfMap {

// An empty text when every file was written, else a Dutch message per failed file, one a
// line. A file that fails keeps its previous version; the others are still written. None is
// written onto the tournament file toernooi.
[[nodiscard]] QString Schrijf(const ToernooiModel& model, const TSchemaBoom& schema,
                              const QString& map, const QStringList& teams,
                              const QString& printDatum, const PdfPapier& papier = {},
                              const QString& toernooi = {});

// The position (from 1) in the team list of the team of that name, 0 when there is none.
[[nodiscard]] int TeamPositie(const ToernooiModel& model, const QString& naam);

} // namespace PdfMap
