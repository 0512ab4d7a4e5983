#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a JPEG picture with libjpeg. A damaged or truncated file is refused as a whole
// (libjpeg would otherwise fill the missing part with grey and carry on).
namespace JpegBeeld {

struct Uitkomst
{
    QImage Beeld;  // null when refused
    QString Fout;  // why it was refused, in Dutch
};

[[nodiscard]] Uitkomst Decodeer(const QByteArray& gegevens);
[[nodiscard]] Uitkomst LeesBestand(const QString& pad);

} // namespace JpegBeeld
