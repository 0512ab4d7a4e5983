#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>

namespace PdfHulp {

// The page size of a written PDF in whole points, as "width x height".
inline QString MediaBox(const QString& pad)
{
    QFile bestand(pad);
    EXPECT_TRUE(bestand.open(QIODevice::ReadOnly)) << pad.toStdString();
    const auto deel = QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 (\d+)[.\d]* (\d+))"))
                          .match(QString::fromLatin1(bestand.readAll()));
    return deel.captured(1) + QStringLiteral(" x ") + deel.captured(2);
}

} // namespace PdfHulp
