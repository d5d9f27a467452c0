// Taking the clipboard's picture, laying the window out, and dismissing it.
#include <gmock/gmock.h>

#include "tests/scenario/scenario_fixture.h"
#include "toolkit/dib_codec.h"

namespace corvane::test {
namespace {

TEST_F(ScenarioTest, FullHdCaptureIsLaidOutAtThreeQuarters) {
    Start();
    Capture(1920, 1080);
    EXPECT_TRUE(fake.windowVisible);
    EXPECT_EQ(fake.windowCorner, (Point{240, 135}));
    EXPECT_EQ(fake.windowClient, (Size{1440, 846}));
    EXPECT_EQ(program.capture.previewSize, (Size{1440, 810}));
    EXPECT_EQ(fake.control(ids::SelectionCanvas)->place, (Rect{0, 0, 1440, 810}));
    EXPECT_EQ(fake.control(ids::SeparatorLine)->place, (Rect{1, 815, 1440, 1}));
    EXPECT_EQ(fake.control(ids::XLabel)->place, (Rect{5, 824, 15, 15}));
    EXPECT_EQ(fake.control(ids::HeightField)->place, (Rect{220, 821, 40, 20}));
    EXPECT_EQ(fake.control(ids::ClipboardButton)->place.x, 1290);
    EXPECT_EQ(fake.control(ids::DesktopButton)->place.x, 1365);
    EXPECT_TRUE(fake.control(ids::ClipboardButton)->visible);
    EXPECT_FALSE(fake.control(ids::MenuButton)->visible);
    const int32_t maxima[] = {fake.control(ids::XField)->maximum, fake.control(ids::YField)->maximum,
                              fake.control(ids::WidthField)->maximum, fake.control(ids::HeightField)->maximum};
    EXPECT_THAT(maxima, ::testing::ElementsAre(1919, 1079, 1920, 1080));
    for (int32_t field : {ids::XField, ids::YField, ids::WidthField, ids::HeightField})
        EXPECT_EQ(FieldText(field), "0");
    EXPECT_EQ(fake.LogMatching("FocusControl").back(), "FocusControl 0");
    EXPECT_FALSE(program.selection.active);
}

TEST_F(ScenarioTest, FreshCaptureShowsThePreviewVeiled) {
    Start();
    auto black = Image24::Create(100, 80);
    fake.SetClipboardPicture(*black);
    Turn({}, true);
    const Image24* canvas = fake.canvasPicture();
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->RowFromTop(40)[3 * 50], 200);  // black under the veil
}

TEST_F(ScenarioTest, NarrowPreviewShowsOnlyTheMenuButton) {
    Start();
    Capture(31, 100);
    for (int32_t n : {ids::XLabel, ids::XField, ids::HeightField, ids::ClipboardButton, ids::DesktopButton})
        EXPECT_FALSE(fake.control(n)->visible) << n;
    EXPECT_TRUE(fake.control(ids::MenuButton)->visible);
    EXPECT_TRUE(fake.control(ids::SeparatorLine)->visible);
}

TEST_F(ScenarioTest, NewCaptureReplacesBothImagesAndClearsTheSelection) {
    Start();
    Capture(800, 600);
    Turn(MenuEvent(ids::CmdSelectAll));
    Capture(640, 480);
    EXPECT_EQ(program.capture.captureImage->size(), (Size{640, 480}));
    EXPECT_EQ(program.capture.previewImage->size(), (Size{640, 480}));
    EXPECT_FALSE(program.selection.active);
    EXPECT_EQ(program.selection.selection, (Rect{}));
    EXPECT_EQ(fake.control(ids::SelectionCanvas)->place, (Rect{0, 0, 640, 480}));
}

struct UnusableClipboard {
    const char* name;
    std::function<void(FakeToolkit&)> make;
    bool invalidWidthMessage;
};

class UnusableClipboardPicture : public ScenarioTest, public ::testing::WithParamInterface<UnusableClipboard> {};

TEST_P(UnusableClipboardPicture, LeavesTheShownCaptureAsItWas) {
    Start();
    Capture(800, 600);
    Turn(MenuEvent(ids::CmdSelectAll));
    const auto logSize = fake.log.size();
    GetParam().make(fake);
    Turn({}, true);
    EXPECT_EQ(program.capture.captureImage->size(), (Size{800, 600}));
    EXPECT_EQ(program.capture.previewSize, (Size{800, 600}));
    EXPECT_TRUE(program.selection.active);
    EXPECT_EQ(program.selection.selection, (Rect{0, 0, 800, 600}));
    EXPECT_TRUE(fake.windowVisible);
    EXPECT_EQ(fake.messageBoxes.size(), GetParam().invalidWidthMessage ? 1u : 0u);
    if (GetParam().invalidWidthMessage) {
        EXPECT_EQ(fake.messageBoxes[0].first, "Invalid width");
        EXPECT_EQ(fake.messageBoxes[0].second, "The width of the printed screen has to be greater than 30!");
    }
    EXPECT_EQ(fake.log.size(), logSize + (GetParam().invalidWidthMessage ? 1u : 0u));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnusableClipboardPicture,
    ::testing::Values(
        UnusableClipboard{"Empty", [](FakeToolkit& f) { f.clipboard.reset(); ++f.clipboardSequence; }, false},
        UnusableClipboard{"Malformed",
                          [](FakeToolkit& f) { f.clipboard = std::vector<uint8_t>(30, 7); ++f.clipboardSequence; },
                          false},
        UnusableClipboard{"ThirtyWide", [](FakeToolkit& f) { f.SetClipboardPicture(PatternPicture(30, 200)); }, true},
        UnusableClipboard{"FarWiderThanHigh",
                          [](FakeToolkit& f) { f.SetClipboardPicture(PatternPicture(20000, 1)); }, true}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ScenarioTest, RefusedFirstCaptureKeepsTheWindowHidden) {
    Start();
    Capture(30, 30);
    EXPECT_FALSE(fake.windowVisible);
    EXPECT_FALSE(program.capture.captureImage);
    EXPECT_EQ(fake.control(ids::SelectionCanvas), nullptr);
}

TEST_F(ScenarioTest, TallPreviewPutsTheWindowAboveTheScreen) {
    Start();
    Capture(2000, 4000);
    EXPECT_EQ(program.capture.previewSize, (Size{1440, 2880}));
    EXPECT_EQ(fake.windowCorner, (Point{240, -900}));
}

}  // namespace
}  // namespace corvane::test
