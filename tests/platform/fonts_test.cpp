#include <gtest/gtest.h>

#include <QFontInfo>

#include "platform/fonts.h"
#include "platform/twips.h"

using namespace plotaris::platform;

TEST(Twips, FifteenToAPixel) {
    EXPECT_EQ(twipsToPixels(9465), 631);
    EXPECT_EQ(twipsToPixels(15240), 1016);
    EXPECT_EQ(twipsRect(120, 900, 9465, 9465), QRect(8, 60, 631, 631));
}

TEST(Fonts, SymbolFontShowsLatinLettersAsGreek) {
    EXPECT_EQ(symbolText(QStringLiteral("-3 p/2")), QStringLiteral("-3 π/2"));
    EXPECT_EQ(symbolText(QStringLiteral("abgdP")), QStringLiteral("αβγδΠ"));
    EXPECT_TRUE(isSymbolFont(QStringLiteral("symbol")));
    EXPECT_TRUE(isSymbolFont(QStringLiteral("Symbol")));
    EXPECT_FALSE(isSymbolFont(QStringLiteral("Arial")));
}

TEST(Fonts, NamesMapToInstalledFontsOfTheSameKind) {
    EXPECT_EQ(QFontInfo(windowFont(QStringLiteral("Comic Sans MS"), 36, true)).family(), QStringLiteral("Comic Neue"));
    EXPECT_EQ(QFontInfo(windowFont(QStringLiteral("Arial"), 8)).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(windowFont(QStringLiteral("Times New Roman"), 12)).family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(QFontInfo(windowFont(QStringLiteral("MS Sans Serif"), 8)).family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(QFontInfo(windowFont(QStringLiteral("MS Serif"), 6)).family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(windowFont(QStringLiteral("Comic Sans MS"), 36, true).pixelSize(), 48);
}
