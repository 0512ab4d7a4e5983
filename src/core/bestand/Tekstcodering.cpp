#include "core/bestand/Tekstcodering.h"

#include <QStringDecoder>

namespace Tekstcodering {

namespace {

// Characters of the bytes 0x80..0x9F.
constexpr char16_t Tabel80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

// The Windows-1252 byte of a character, or -1 when it has none.
int Byte1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int i = 0; i < 32; ++i) {
        if (Tabel80[i] == c)
            return 0x80 + i;
    }
    return -1;
}

bool IsAscii(QByteArrayView bytes)
{
    for (char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QString VanWindows1252(QByteArrayView bytes)
{
    QString tekst(bytes.size(), Qt::Uninitialized);
    char16_t* uit = reinterpret_cast<char16_t*>(tekst.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        uit[i] = (b >= 0x80 && b <= 0x9F) ? Tabel80[b - 0x80] : char16_t(b);
    }
    return tekst;
}

bool PastInWindows1252(QStringView tekst)
{
    for (QChar c : tekst) {
        if (Byte1252(c.unicode()) < 0)
            return false;
    }
    return true;
}

QByteArray NaarWindows1252(QStringView tekst)
{
    QByteArray bytes(tekst.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const int b = Byte1252(tekst[i].unicode());
        bytes[i] = char(b < 0 ? '?' : b);
    }
    return bytes;
}

bool IsGeldigeUtf8(QByteArrayView bytes)
{
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        int lengte = 0;
        char32_t waarde = 0;
        char32_t minimum = 0;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            lengte = 2;
            waarde = b0 & 0x1F;
            minimum = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            lengte = 3;
            waarde = b0 & 0x0F;
            minimum = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            lengte = 4;
            waarde = b0 & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (n - i < lengte)
            return false;
        for (int k = 1; k < lengte; ++k) {
            const auto b = static_cast<unsigned char>(bytes[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            waarde = (waarde << 6) | (b & 0x3F);
        }
        if (waarde < minimum || waarde > 0x10FFFF || (waarde >= 0xD800 && waarde <= 0xDFFF))
            return false;
        i += lengte;
    }
    return true;
}

QByteArray CodeerBestand(QStringView tekst)
{
    if (PastInWindows1252(tekst)) {
        QByteArray bytes = NaarWindows1252(tekst);
        if (IsAscii(bytes) || !IsGeldigeUtf8(bytes))
            return bytes;
    }
    return tekst.toUtf8();
}

QString DecodeerBestand(QByteArrayView bytes)
{
    // UTF-16 is known only by its byte-order mark; its bytes may hold the value of a Ctrl-Z
    // inside another character, so the reader looks for the character after decoding.
    const bool le = bytes.startsWith("\xFF\xFE");
    if (le || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        QString tekst = decoder(bytes.sliced(2));
        const qsizetype ctrlZ = tekst.indexOf(QChar(26));
        if (ctrlZ >= 0)
            tekst.truncate(ctrlZ);
        return tekst;
    }
    const qsizetype ctrlZ = bytes.indexOf('\x1A');
    if (ctrlZ >= 0)
        bytes = bytes.first(ctrlZ);
    if (IsGeldigeUtf8(bytes)) {
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes = bytes.sliced(3);
        return QString::fromUtf8(bytes);
    }
    return VanWindows1252(bytes);
}

} // namespace Tekstcodering
