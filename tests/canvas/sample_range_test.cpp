#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "canvas/picture_area.h"
#include "canvas/sample_range.h"

namespace plotaris::testing {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// A canvas of 320 pixels across, in the scale of the default panel (or mirrored).
class SampleRangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        picture.placeTwips(0, 0, 4800, 4800);
        picture.setUserScale(-8.64, 8.64, 8.64, -8.64);
    }
    // Four pixels beyond each edge, where the widest dot still reaches the canvas.
    double edge() const { return double(float(8.64)) + 4 * double(float(17.28)) / 320; }

    canvas::PictureArea picture;
};

}  // namespace

TEST_F(SampleRangeTest, AReasonableRangeRunsAsTyped) {
    const auto r = canvas::drawableRange(-8, 8, 0.001, picture);
    EXPECT_EQ(r.start, -8);
    EXPECT_EQ(r.end, 8);
    const auto reversed = canvas::drawableRange(5, 2, 0.001, picture);
    EXPECT_EQ(reversed.start, 5);
    EXPECT_EQ(reversed.end, 2);
}

TEST_F(SampleRangeTest, BeyondTheEdgesItStopsWhereNoDotCanReach) {
    for (double far : {1e300, kInf}) {
        const auto r = canvas::drawableRange(-far, far, 0.001, picture);
        EXPECT_DOUBLE_EQ(r.start, -edge()) << far;
        EXPECT_DOUBLE_EQ(r.end, edge()) << far;
    }
    // A range of a reasonable number of samples runs whole, off the canvas too.
    const auto near = canvas::drawableRange(-20, 8, 0.001, picture);
    EXPECT_EQ(near.start, -20);
    EXPECT_EQ(near.end, 8);
    // From farther, x goes on from the first of its own steps on the canvas.
    const auto far = canvas::drawableRange(-20000, 8, 0.001, picture);
    EXPECT_LE(far.start, -edge() + 0.001);
    EXPECT_GE(far.start, -edge());
    const double steps = (far.start + 20000) / 0.001;
    EXPECT_NEAR(steps, std::round(steps), 1e-3);
    // A mirrored scale has the same edges.
    picture.setUserScale(8.64, 8.64, -8.64, -8.64);
    const auto mirrored = canvas::drawableRange(-1e300, 1e300, 0.001, picture);
    EXPECT_DOUBLE_EQ(mirrored.start, -edge());
    EXPECT_DOUBLE_EQ(mirrored.end, edge());
    // Wholly beyond one edge: an empty range.
    const auto beyond = canvas::drawableRange(100, 1e300, 0.001, picture);
    EXPECT_GT(beyond.start, beyond.end);
}

TEST_F(SampleRangeTest, ALongRangeAcrossTheCanvasRunsWhole) {
    picture.setUserScale(-1e5, 1e5, 1e5, -1e5);
    for (const auto& [start, end] : {std::pair{-1e5, 1e5}, std::pair{0.0, 10000.5}}) {
        const auto r = canvas::drawableRange(start, end, 0.001, picture);
        EXPECT_EQ(r.start, start);
        EXPECT_EQ(r.end, end);
    }
}

}  // namespace plotaris::testing
