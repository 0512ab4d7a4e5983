#include "app/TOpdrachtregelVraagsteller.h"

#include <cstdio>

namespace {

// Message texts carry the line breaks of the desktop dialogs; a terminal wants plain LF.
QString AlsRegels(QString tekst)
{
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tekst.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    tekst.remove(u'\r');
    return tekst;
}

} // namespace

void TOpdrachtregelVraagsteller::Melding(const QString& titel, const QString& tekst)
{
    const QByteArray regel = (titel + QStringLiteral(": ") + AlsRegels(tekst) + u'\n').toUtf8();
    std::fwrite(regel.constData(), 1, std::size_t(regel.size()), stderr);
}

bool TOpdrachtregelVraagsteller::VraagJaNee(const QString& titel, const QString&)
{
    // Only the overwrite question is answered Yes: the tool was told where to write. Any
    // other question (such as saving unsaved changes) is answered No.
    return titel == QStringLiteral("File bestaat");
}
