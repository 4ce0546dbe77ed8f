#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "canvas/picture_area.h"

using namespace plotaris::canvas;

namespace {

constexpr QRgb kBlue = 0xFF0000FFu;

// A 100 x 100 pixel area with the scale -10 .. 10 both ways, y upwards.
struct Area {
    PictureArea area;
    Area() {
        area.placeTwips(0, 0, 1500, 1500);
        area.setUserScale(-10, 10, 10, -10);
    }
    QRgb at(int x, int y) const { return area.image().pixel(x, y); }
    int count(QRgb colour) const {
        int n = 0;
        for (int y = 0; y < area.pixelHeight(); ++y)
            for (int x = 0; x < area.pixelWidth(); ++x) n += at(x, y) == colour;
        return n;
    }
};

}  // namespace

TEST(PictureArea, UserScaleMapsUnitsToPixels) {
    Area a;
    EXPECT_EQ(a.area.pixelWidth(), 100);
    EXPECT_DOUBLE_EQ(a.area.scaleWidth(), 20);
    EXPECT_EQ(a.area.toPixels(-10, 10), QPointF(0, 0));
    EXPECT_EQ(a.area.toPixels(0, 0), QPointF(50, 50));
    a.area.point(0.05, -0.05, kBlue);  // inside the pixel (50, 50)
    a.area.point(-9.99, 9.99, kBlue);
    EXPECT_EQ(a.at(50, 50), kBlue);
    EXPECT_EQ(a.at(0, 0), kBlue);
    EXPECT_EQ(a.count(kBlue), 2);
    a.area.setPixelScale();
    a.area.point(7, 3, kBlue);
    EXPECT_EQ(a.at(7, 3), kBlue);
}

TEST(PictureArea, APointIsADotAsWideAsTheLine) {
    Area a;
    a.area.setDrawWidth(3);
    a.area.point(0.1, -0.1, kBlue);
    EXPECT_EQ(a.count(kBlue), 9);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) EXPECT_EQ(a.at(50 + dx, 50 + dy), kBlue);
    a.area.clear();
    a.area.setDrawWidth(5);
    a.area.point(0.1, -0.1, kBlue);
    EXPECT_EQ(a.count(kBlue), 21);  // round: the corners are cut
    a.area.clear();
    a.area.point(-9.99, 9.99, kBlue);  // partly outside: what falls inside is drawn
    EXPECT_EQ(a.count(kBlue), 9 - 1);
}

TEST(PictureArea, APointOverWhatWasDrawnSinceIsWrittenAgain) {
    Area a;
    const QImage before = a.area.image();
    a.area.point(1, 1, kBlue);
    EXPECT_EQ(before.pixel(55, 45), 0xFFFFFFFFu);  // a copy taken before keeps its pixels
    a.area.setForeColor(Qt::black);
    a.area.line(-10, 0.99, 10, 0.99);
    EXPECT_EQ(a.at(55, 45), 0xFF000000u);
    a.area.point(1, 1, kBlue);
    EXPECT_EQ(a.at(55, 45), kBlue);
    a.area.setDrawWidth(3);
    a.area.point(1.2, 1, 0xFF00FF00u);
    a.area.setDrawWidth(1);
    a.area.point(1, 1, kBlue);
    EXPECT_EQ(a.at(55, 45), kBlue);
    a.area.clear();
    a.area.point(1, 1, kBlue);
    EXPECT_EQ(a.at(55, 45), kBlue);
}

TEST(PictureArea, CoordinatesThatDoNotFitAreSkipped) {
    Area a;
    a.area.setDrawWidth(2);
    for (double v : {1e39, -1e39, double(FLT_MAX) * 2, HUGE_VAL, -HUGE_VAL, std::nan(""), 1e30, -3e9, 11.0}) {
        a.area.point(v, 0, kBlue);
        a.area.point(0, v, kBlue);
        a.area.line(0, 0, v, v);
        a.area.circle(v, 0, 1);
        a.area.circle(0, 0, v);
        a.area.setCurrentPosition(v, v);
        a.area.print(QStringLiteral("x"));
    }
    EXPECT_EQ(a.at(0, 0), 0xFFFFFFFFu);
    EXPECT_THROW(a.area.setUserScale(1, 1, 1, -1), PictureError);
    EXPECT_THROW(a.area.setUserScale(0, 1e39, 1, 0), PictureError);
    EXPECT_THROW(a.area.setUserScale(1e-50, 1, 2e-50, 0), PictureError);  // both are 0 in single precision
}

TEST(PictureArea, DashesShowOnlyAtWidthOne) {
    Area a;
    a.area.setForeColor(Qt::black);
    a.area.setDrawStyle(DrawStyle::Dot);
    a.area.line(-9, 0, 9, 0);
    int dotted = 0;
    for (int x = 5; x < 95; ++x) dotted += a.at(x, 50) == 0xFF000000u;
    EXPECT_GT(dotted, 20);
    EXPECT_LT(dotted, 70);
    a.area.clear();
    a.area.setDrawWidth(2);
    a.area.line(-9, 0, 9, 0);
    for (int x = 6; x < 94; ++x) EXPECT_EQ(a.at(x, 50), 0xFF000000u) << x;
}

TEST(PictureArea, ALineWithoutLengthDrawsNothing) {
    Area a;
    for (int width : {1, 3}) {
        a.area.setDrawWidth(width);
        for (DrawStyle style : {DrawStyle::Solid, DrawStyle::Dot}) {
            a.area.setDrawStyle(style);
            a.area.line(0, 0, 0, 0);
            a.area.line(1.02, 1.02, 1.08, 1.08);  // both ends on one pixel
        }
    }
    EXPECT_EQ(a.count(0xFF000000u), 0);
    a.area.setDrawWidth(1);
    a.area.setDrawStyle(DrawStyle::Solid);
    a.area.line(1, 1, 1.2, 1);  // the next pixel: two pixels long
    EXPECT_EQ(a.count(0xFF000000u), 2);
}

TEST(PictureArea, CircleIsFilledPerFillStyle) {
    Area a;
    a.area.setForeColor(Qt::black);
    a.area.circle(0, 0, 4);  // 20 pixels across
    EXPECT_EQ(a.at(50, 50), 0xFFFFFFFFu);
    EXPECT_EQ(a.at(70, 50), 0xFF000000u);
    a.area.setFillStyle(FillStyle::Solid);
    a.area.setFillColor(QColor(0, 0, 255));
    a.area.circle(0, 0, 4);
    EXPECT_EQ(a.at(50, 50), kBlue);
}

TEST(PictureArea, BackgroundColourErasesAndTextUsesTheSymbolFont) {
    Area a;
    a.area.point(0, 0, kBlue);
    a.area.setBackColor(QColor(255, 255, 0));
    EXPECT_EQ(a.count(kBlue), 0);
    EXPECT_EQ(a.at(10, 10), 0xFFFFFF00u);

    // "p" in the symbol font is drawn as pi: the same pixels as printing "π".
    a.area.setFontName(QStringLiteral("symbol"));
    a.area.setFontSize(8);
    a.area.setCurrentPosition(-5, 5);
    a.area.print(QStringLiteral("p"));
    const QImage symbol = a.area.image();
    a.area.clear();
    a.area.setCurrentPosition(-5, 5);
    a.area.print(QStringLiteral("π"));
    EXPECT_EQ(symbol, a.area.image());
    a.area.clear();
    EXPECT_NE(symbol, a.area.image());
}

TEST(PictureArea, ResizeIsRaisedOnceAndTheLiveTwinForgetsWhenHidden) {
    PictureArea area;
    int raised = 0;
    QObject::connect(&area, &PictureArea::resized, [&] { ++raised; });
    area.placeTwips(120, 900, 9465, 9465);
    area.placeTwips(120, 900, 9465, 9465);
    EXPECT_EQ(raised, 1);
    area.setWidthTwips(3000);
    EXPECT_EQ(raised, 2);
    EXPECT_EQ(area.pixelWidth(), 200);
    EXPECT_EQ(area.geometry(), QRect(8, 60, 200, 631));

    area.setKeptImage(false);
    area.show();
    area.setPixelScale();
    area.point(5, 5, kBlue);
    EXPECT_EQ(area.image().pixel(5, 5), kBlue);
    area.hide();
    EXPECT_EQ(area.image().pixel(5, 5), 0xFFFFFFFFu);
}
