#include "core/bestand/Tekstcodering.h"

#include <gtest/gtest.h>

using namespace Tekstcodering;

TEST(Tekstcodering, Windows1252TableRoundTripsEveryByte)
{
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(char(b));
    const QString tekst = VanWindows1252(alle);
    ASSERT_EQ(tekst.size(), 256);
    EXPECT_EQ(tekst.at(0x80), QChar(0x20AC));
    EXPECT_EQ(tekst.at(0x8A), QChar(0x0160));
    EXPECT_EQ(tekst.at(0x9F), QChar(0x0178));
    EXPECT_EQ(tekst.at(0x81), QChar(0x0081));
    EXPECT_EQ(tekst.at(0xE9), QChar(0x00E9));
    EXPECT_TRUE(PastInWindows1252(tekst));
    EXPECT_EQ(NaarWindows1252(tekst), alle);
}

TEST(Tekstcodering, CharactersOutsideWindows1252DoNotFit)
{
    EXPECT_FALSE(PastInWindows1252(QStringView(u"\u0141")));
    EXPECT_FALSE(PastInWindows1252(QStringView(u"\u0080"))); // a C1 control that 0x80 is not
    EXPECT_TRUE(PastInWindows1252(QStringView(u"\u20AC\u00FF")));
}

TEST(Tekstcodering, StrictUtf8)
{
    EXPECT_TRUE(IsGeldigeUtf8("abc"));
    EXPECT_TRUE(IsGeldigeUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsGeldigeUtf8("\xE9"));
    EXPECT_FALSE(IsGeldigeUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(IsGeldigeUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsGeldigeUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(IsGeldigeUtf8("\xE2\x82"));         // truncated
}

TEST(Tekstcodering, DecodingPicksUtf8OnlyWhenValid)
{
    EXPECT_EQ(DecodeerBestand("Caf\xC3\xA9"), QString::fromUtf8("Café"));
    EXPECT_EQ(DecodeerBestand("Caf\xE9"), QString::fromUtf8("Café"));
    EXPECT_EQ(DecodeerBestand("\xEF\xBB\xBFX=1"), QStringLiteral("X=1"));
    EXPECT_EQ(DecodeerBestand(QByteArrayView("ab\x1A\xE9", 4)), QStringLiteral("ab"));
    // The part after the Ctrl-Z does not decide the encoding.
    EXPECT_EQ(DecodeerBestand(QByteArrayView("\xC3\xA9\x1A\xE9", 4)), QString::fromUtf8("é"));
}
