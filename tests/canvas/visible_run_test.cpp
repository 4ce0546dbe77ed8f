#include <gtest/gtest.h>

#include <cmath>

#include "canvas/counted_loop.h"
#include "canvas/picture_area.h"
#include "canvas/visible_run.h"

using namespace plotaris::canvas;

namespace {

// A 100-pixel-wide area with the x scale -10 .. 10: a pixel is 0.2 wide.
struct Area {
    PictureArea area;
    Area() {
        area.placeTwips(0, 0, 1500, 1500);
        area.setUserScale(-10, 10, 10, -10);
    }
};

}  // namespace

TEST(VisibleRun, ARunOnThePictureIsKept) {
    Area a;
    const SampleRun run = visiblePart({-4, 3, 0.001}, a.area);
    EXPECT_EQ(run.start, -4);
    EXPECT_EQ(run.end, 3);
    EXPECT_EQ(run.step, 0.001);
}

TEST(VisibleRun, ARunIsCutToItsOwnSamplesNearThePicture) {
    Area a;
    // A dot of width 1 reaches 3 pixels (0.6) beyond the edges, and no further.
    const SampleRun run = visiblePart({-1e300, 1e300, 0.001}, a.area);
    EXPECT_GT(run.start, -10.61);
    EXPECT_LT(run.start, -10.599);
    EXPECT_GE(run.end, 10.6);
    EXPECT_LT(run.end, 10.61);
    EXPECT_EQ(run.step, 0.001);
    // The first sample kept is one of the run's: start + k step.
    const SampleRun cut = visiblePart({-1000.0005, 1000, 0.001}, a.area);
    const double k = (cut.start + 1000.0005) / 0.001;
    EXPECT_NEAR(k, std::round(k), 1e-6);
    EXPECT_NEAR(cut.start, -10.6, 0.001);
    // Wider dots reach further.
    a.area.setDrawWidth(5);
    EXPECT_LT(visiblePart({-1e300, 1e300, 0.001}, a.area).start, -11.399);
    // A run wholly beside the picture has no pass left.
    for (SampleRun beside : {SampleRun{-1e300, -2e18, 0.001}, SampleRun{1e18, 1e300, 0.001}}) {
        const SampleRun none = visiblePart(beside, a.area);
        EXPECT_FALSE(countedLoopGoesOn(none.start, none.end, none.step)) << beside.start;
    }
}

TEST(VisibleRun, ARunTooDenseForThePixelsKeepsEveryNthSample) {
    Area a;
    a.area.setUserScale(-1e9, 1, 1e9, -1);
    const SampleRun run = visiblePart({-1e9, 1e9, 0.001}, a.area);
    const double passes = countedLoopPasses(run.start, run.end, run.step);
    EXPECT_LE(passes, kMaxSamplesPerColumn * 106);
    EXPECT_GT(passes, kMaxSamplesPerColumn * 90);
    const double n = run.step / 0.001;
    EXPECT_NEAR(n, std::round(n), 1e-6);
}

TEST(VisibleRun, RunsThatCannotBeCutAreLeftAsTheyAre) {
    Area a;
    for (SampleRun run : {SampleRun{-HUGE_VAL, 5, 0.001}, SampleRun{0, 5, 0}, SampleRun{0, 5, -1},
                          SampleRun{std::nan(""), 5, 0.001}}) {
        const SampleRun same = visiblePart(run, a.area);
        EXPECT_TRUE(same.start == run.start || (std::isnan(same.start) && std::isnan(run.start)));
        EXPECT_EQ(same.step == run.step, true);
    }
    // An endless end is cut to the picture.
    EXPECT_LT(visiblePart({0, HUGE_VAL, 0.001}, a.area).end, 11);
}
