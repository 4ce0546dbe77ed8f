#include <gtest/gtest.h>

#include "canvas/axes.h"
#include "canvas/picture_area.h"
#include "canvas/pictures.h"
#include "canvas/placed_picture.h"

using namespace plotaris::canvas;

namespace {

struct FixedCanvas {
    PictureArea area;
    PlacedPicture arrowX{arrowHeadRight(), &area};
    PlacedPicture arrowY{arrowHeadUp(), &area};
    GraphFrame frame;
    FixedCanvas() { area.placeTwips(0, 0, 9465, 9465); }
    void draw() { drawFixedAxes(frame, AxesCanvas{&area, &arrowX, &arrowY}); }
};

}  // namespace

TEST(FixedAxes, FrameIsMinusTenToTenWhateverTheCanvasSize) {
    FixedCanvas c;
    c.draw();
    EXPECT_EQ(c.frame.ValorXmin, -10);
    EXPECT_EQ(c.frame.ValorYmax, 10);
    EXPECT_DOUBLE_EQ(c.frame.MargemX, 0.4);
    EXPECT_FLOAT_EQ(c.area.scaleLeft(), -10.8);  // the scale is kept in single precision
    EXPECT_DOUBLE_EQ(c.frame.UnidadePixelX, 21.6 / 631);
    EXPECT_TRUE(c.arrowX.isVisibleTo(&c.area));
    c.area.setWidthTwips(3000);
    c.draw();
    EXPECT_DOUBLE_EQ(c.frame.UnidadePixelX, 21.6 / 200);
    EXPECT_FLOAT_EQ(c.area.scaleWidth(), 21.6);
}

TEST(FixedAxes, CountersKeepTheLastValueOfTheirRuns) {
    FixedCanvas c;
    c.draw();
    // Every whole unit from -10 to 10: the runs leave their counters at 11.
    EXPECT_EQ(c.frame.PontoX, 11);
    EXPECT_EQ(c.frame.PontoY, 11);
    // In radians the last run of labels goes from 2p by p while it stays within 10.
    c.frame.EixosEmRadianos = true;
    c.draw();
    EXPECT_DOUBLE_EQ(c.frame.PontoX, 6.28318 + 3.14159 + 3.14159);
    EXPECT_EQ(c.frame.PontoY, 11);
}

TEST(FixedAxes, MarksAndNumbersAreBlackAtEveryUnit) {
    FixedCanvas c;
    c.draw();
    const QImage& image = c.area.image();
    const auto black = [&](double x, double y) {
        const QPointF p = c.area.toPixels(x, y);
        return image.pixel(int(p.x()), int(p.y())) == 0xFF000000u;
    };
    EXPECT_TRUE(black(-10.2, 0));  // the x axis reaches one margin beyond the limit
    for (int unit : {-10, -3, 1, 10}) {
        EXPECT_TRUE(black(unit, 2 * c.frame.UnidadePixelY)) << unit;  // a mark two pixels above the axis
        EXPECT_TRUE(black(2 * c.frame.UnidadePixelX, unit)) << unit;
    }
}
