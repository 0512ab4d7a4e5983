#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// One row of a spreadsheet list: its values and the line of the text it starts on (from 1).
struct TCsvRij
{
    int Regel = 0;
    QStringList Waarden;
};

// The rows of a spreadsheet list, or the reason why it cannot be read.
struct TCsvInhoud
{
    QList<TCsvRij> Rijen;
    QChar Scheidingsteken;
    QString Fout;   // empty when the text was read
    int FoutRegel = 0;
};

// Reads comma, semicolon or TAB separated lists as spreadsheet programs write and copy them.
// Quotes follow RFC 4180; a line break inside a quoted value becomes one space, so every
// value is one line. Rows without any value are skipped.
namespace CsvLezer {

// UTF-16 with its byte-order mark; UTF-8 with or without byte-order mark; otherwise
// Windows-1252. geraden tells whether that last choice is a guess that may show some names
// wrongly: bytes that are mostly UTF-8 but not valid as a whole (or UTF-16 with broken
// characters).
[[nodiscard]] QString Decodeer(QByteArrayView bytes, bool* geraden = nullptr);

// The separator the header row uses: TAB when it holds one, else whichever of ";" and ","
// occurs more often outside quotes (";" on a tie, as Dutch spreadsheet programs write).
[[nodiscard]] QChar HerkenScheidingsteken(const QString& tekst);

[[nodiscard]] TCsvInhoud Lees(const QString& tekst);

} // namespace CsvLezer
