// The preview fit and the capture window's geometry.
#include <gtest/gtest.h>

#include "capture/layout_geometry.h"
#include "capture/preview_fit.h"

namespace corvane {
namespace {

struct FitCase {
    Size capture, desktop, preview;
};

class PreviewFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(PreviewFit, FitsWithinThreeQuartersOfTheDesktop) {
    EXPECT_EQ(FitPreview(GetParam().capture, GetParam().desktop), GetParam().preview);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, PreviewFit,
                         ::testing::Values(FitCase{{1920, 1080}, {1920, 1080}, {1440, 810}},
                                           FitCase{{3840, 1080}, {1920, 1080}, {1440, 405}},
                                           FitCase{{1441, 810}, {1920, 1080}, {1440, 809}},
                                           FitCase{{1440, 810}, {1920, 1080}, {1440, 810}},
                                           FitCase{{1366, 768}, {1366, 768}, {1024, 576}},
                                           FitCase{{1000, 2000}, {1920, 1080}, {405, 810}},
                                           FitCase{{2000, 4000}, {1920, 1080}, {1440, 2880}},
                                           FitCase{{800, 600}, {1920, 1080}, {800, 600}},
                                           // extreme proportions leave a side of 0
                                           FitCase{{100000, 1}, {1920, 1080}, {1440, 0}},
                                           FitCase{{1, 30000}, {1920, 1080}, {0, 810}}));

TEST(CaptureLayout, LabelsRoundHalfToEven) {
    EXPECT_EQ(LabelRowY(810), 824);
    EXPECT_EQ(FieldRowY(810), 821);
    EXPECT_EQ(LabelRowY(809), 824);
    EXPECT_EQ(FieldRowY(809), 820);
    EXPECT_EQ(LabelRowY(1), 16);
}

TEST(CaptureLayout, WindowIsCentredByThePreviewsSize) {
    EXPECT_EQ(CaptureWindowCorner({1440, 810}, {1920, 1080}), (Point{240, 135}));
    EXPECT_EQ(CaptureWindowClient({1440, 810}), (Size{1440, 846}));
    EXPECT_EQ(CaptureWindowCorner({1440, 2880}, {1920, 1080}), (Point{240, -900}));
    EXPECT_EQ(CaptureWindowCorner({1441, 811}, {1920, 1080}), (Point{239, 134}));  // truncated
}

TEST(CaptureLayout, ButtonsAreRightAligned) {
    EXPECT_EQ(ClipboardButtonX(1440), 1290);
    EXPECT_EQ(DesktopButtonX(1440), 1365);
    EXPECT_EQ(MenuButtonX(400), 375);
}

struct VisibilityCase {
    int32_t width;
    bool accepted;
    RowVisibility visible;
};

class RowVisibilityByWidth : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(RowVisibilityByWidth, FollowsTheWidthBands) {
    EXPECT_EQ(AcceptsPreviewWidth(GetParam().width), GetParam().accepted);
    if (GetParam().accepted) {
        EXPECT_EQ(RowVisibilityFor(GetParam().width), GetParam().visible);
    }
}

INSTANTIATE_TEST_SUITE_P(Boundaries, RowVisibilityByWidth,
                         ::testing::Values(VisibilityCase{0, false, {}}, VisibilityCase{30, false, {}},
                                           VisibilityCase{31, true, {false, false, true}},
                                           VisibilityCase{289, true, {false, false, true}},
                                           VisibilityCase{290, true, {true, false, true}},
                                           VisibilityCase{510, true, {true, false, true}},
                                           VisibilityCase{511, true, {true, true, false}}));

TEST(CaptureLayout, ExportMenuOpensFromTheOuterCorner) {
    EXPECT_EQ(ExportMenuPoint({100, 50}, {375, 311}), (Point{496, 403}));
}

}  // namespace
}  // namespace corvane
