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

// Points that follow each other closely, as a curve's do, land on the pixel that their
// single-precision values give, also right at a pixel's edge and under a scale of any sign.
TEST(PictureArea, CloseNeighboursLandOnThePixelOfTheirSinglePrecisionValues) {
    struct Scale {
        double x1, y1, x2, y2;
    };
    for (const Scale& scale : {Scale{-10, 10, 10, -10}, Scale{-10.8, 10.8, 10.8, -10.8}, Scale{3, -1, -2, 7},
                               Scale{1e6, 1e6 + 1, 1e6 + 3, 1e6}, Scale{-1e-3, 1e-3, 1e-3, -1e-3}}) {
        Area a;
        a.area.setUserScale(scale.x1, scale.y1, scale.x2, scale.y2);
        QImage expected = a.area.image().copy();
        const QRgb colours[2] = {kBlue, 0xFFFF0000u};
        const double width = a.area.scaleWidth(), height = a.area.scaleHeight();
        const auto draw = [&](double x, double y, QRgb colour) {
            a.area.point(x, y, colour);
            const QPointF p = a.area.toPixels(float(x), float(y));
            const QPoint pixel(int(std::floor(p.x())), int(std::floor(p.y())));
            if (expected.valid(pixel)) expected.setPixel(pixel, colour);
        };
        // Pixel edges and their neighbours in doubles, along both axes.
        for (int c = 0; c <= 100; ++c) {
            const double edgeX = a.area.scaleLeft() + c * width / 100, edgeY = a.area.scaleTop() + c * height / 100;
            for (double x : {std::nextafter(edgeX, -HUGE_VAL), edgeX, std::nextafter(edgeX, HUGE_VAL)})
                for (double y : {std::nextafter(edgeY, -HUGE_VAL), edgeY, std::nextafter(edgeY, HUGE_VAL)})
                    draw(x, y, colours[c % 2]);
        }
        // Spirals of small steps, from a thousandth of a pixel to half of one.
        for (double fraction : {1e-3, 0.05, 0.5}) {
            const double step = fraction * std::fabs(width) / 100;
            for (int i = 0; i < 20000; ++i) {
                const double r = 0.45 * std::fabs(width) * i / 20000, t = i * step / std::max(r, std::fabs(width) / 100);
                const double cx = a.area.scaleLeft() + width / 2, cy = a.area.scaleTop() + height / 2;
                draw(cx + r * std::cos(t), cy + r * std::sin(t) * height / width, colours[(i / 777) % 2]);
            }
        }
        EXPECT_EQ(a.area.image(), expected) << scale.x1;
    }

    // A point in the last pixel's place after a change of width, colour, picture or scale.
    Area a;
    a.area.point(1.01, 1.01, kBlue);
    a.area.setDrawWidth(3);
    a.area.point(1.02, 1.02, kBlue);
    EXPECT_EQ(a.count(kBlue), 9);
    a.area.setDrawWidth(1);
    a.area.point(1.01, 1.01, kBlue);
    a.area.point(1.02, 1.02, 0xFF00FF00u);
    EXPECT_EQ(a.at(55, 44), 0xFF00FF00u);
    a.area.clear();
    a.area.point(1.01, 1.01, kBlue);
    EXPECT_EQ(a.count(kBlue), 1);
    a.area.setUserScale(0, 2, 2, 0);
    a.area.point(1.01, 1.01, kBlue);
    EXPECT_EQ(a.count(kBlue), 2);
    EXPECT_EQ(a.at(50, 49), kBlue);
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

TEST(PictureArea, TheLiveTwinIsAllBackgroundAgainAfterEveryWayOfDrawing) {
    const QRgb white = 0xFFFFFFFFu, red = 0xFFFF0000u;
    Area a;
    a.area.setKeptImage(false);
    a.area.show();
    const auto hideAndShow = [&] {
        a.area.hide();
        EXPECT_EQ(a.count(a.area.backColor().rgb()), 100 * 100);
        a.area.show();
    };
    hideAndShow();
    // Single pixels, and the pixel written last comes again after the area was shown anew.
    a.area.point(0.05, -0.05, kBlue);
    a.area.point(5.05, -0.05, kBlue);
    a.area.hide();
    a.area.show();
    a.area.point(5.05, -0.05, kBlue);
    EXPECT_EQ(a.at(75, 50), kBlue);
    EXPECT_EQ(a.count(kBlue), 1);
    hideAndShow();
    // Wide dots, dots partly outside, a line and a text.
    a.area.setDrawWidth(5);
    a.area.point(0.1, -0.1, kBlue);
    a.area.point(-9.99, 9.99, kBlue);
    hideAndShow();
    a.area.setDrawWidth(1);
    a.area.point(1.05, -1.05, kBlue);
    a.area.line(-5, -5, 5, 5);
    a.area.print(QStringLiteral("x"));
    hideAndShow();
    // More points than it keeps the places of.
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) a.area.point(-9.95 + x * 0.2, 9.95 - y * 0.2, kBlue);
    EXPECT_EQ(a.count(kBlue), 100 * 100);
    hideAndShow();
    // A new background erases; what is drawn after it goes back to it.
    a.area.point(0.05, -0.05, kBlue);
    a.area.setBackColor(Qt::red);
    a.area.point(2.05, -0.05, kBlue);
    a.area.hide();
    EXPECT_EQ(a.count(red), 100 * 100);
    EXPECT_EQ(a.count(white), 0);
}
