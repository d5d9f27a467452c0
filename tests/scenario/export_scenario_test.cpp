// The two export commands: guard, crop, delivery, and what a failure keeps.
#include <gmock/gmock.h>

#include <cstdio>
#include <filesystem>

#include "tests/scenario/scenario_fixture.h"
#include "toolkit/dib_codec.h"

namespace corvane::test {
namespace {

class ExportTest : public ScenarioTest {
protected:
    void SetUp() override {
        fake.desktopFolder = desktop.path();
        Start();
        Capture(1920, 1080);
    }
    void SelectByFields(int32_t x, int32_t y, int32_t w, int32_t h) {
        TypeIntoField(ids::WidthField, std::to_string(w));
        TypeIntoField(ids::HeightField, std::to_string(h));
        TypeIntoField(ids::XField, std::to_string(x));
        TypeIntoField(ids::YField, std::to_string(y));
    }
    ScopedTempDir desktop;
};

TEST_F(ExportTest, GuardRefusesWithoutACommittedNonEmptySelection) {
    for (const Event& command : {MenuEvent(ids::CmdCopyToClipboard), MenuEvent(ids::CmdSaveToDesktop)}) {
        Turn(command);
        TypeIntoField(ids::WidthField, "1");  // active, but 0 preview pixels wide
        Turn(command);
        Turn(MenuEvent(ids::CmdCancel));
    }
    ASSERT_EQ(fake.messageBoxes.size(), 4u);
    for (const auto& [title, text] : fake.messageBoxes) {
        EXPECT_EQ(title, "No selected area");
        EXPECT_EQ(text, "There is no selected area. Please select the wanted area");
    }
    EXPECT_TRUE(fake.windowVisible);
    EXPECT_TRUE(program.capture.captureImage);
    EXPECT_TRUE(desktop.FileNames().empty());
}

TEST_F(ExportTest, CopyPutsTheFieldRectangleAtFullResolutionOnTheClipboard) {
    SelectByFields(100, 50, 101, 7);
    const Image24 source = PatternPicture(1920, 1080);
    Turn(MenuEvent(ids::CmdCopyToClipboard));
    ASSERT_TRUE(fake.clipboard);
    auto pasted = DecodeDib(*fake.clipboard).image;
    ASSERT_TRUE(pasted);
    ASSERT_EQ(pasted->size(), (Size{101, 7}));
    for (int32_t y = 0; y < 7; ++y)
        EXPECT_EQ(std::memcmp(pasted->RowFromTop(y), source.RowFromTop(50 + y) + 3 * 100, 3 * 101), 0) << y;
    EXPECT_FALSE(fake.windowVisible);
    EXPECT_FALSE(program.capture.captureImage);
    EXPECT_FALSE(program.capture.cropImage);
}

TEST_F(ExportTest, CopyRetriesABusyClipboardThenReportsAndKeepsTheCapture) {
    Turn(MenuEvent(ids::CmdSelectAll));
    fake.clipboardWritesToRefuse = 2;
    Turn(MenuEvent(ids::CmdCopyToClipboard));
    EXPECT_FALSE(fake.windowVisible);  // the third try got through

    Capture(800, 600);
    Turn(MenuEvent(ids::CmdSelectAll));
    fake.clipboardWritesToRefuse = 100;
    Turn(MenuEvent(ids::CmdCopyToClipboard));
    ASSERT_EQ(fake.messageBoxes.size(), 1u);
    EXPECT_EQ(fake.messageBoxes[0].first, "Copy failed");
    EXPECT_TRUE(fake.windowVisible);
    EXPECT_TRUE(program.selection.active);
    EXPECT_TRUE(program.capture.captureImage);
    EXPECT_FALSE(program.capture.cropImage);
    EXPECT_GE(fake.sleptMs, 200);
    EXPECT_LE(fake.sleptMs, 400);
}

TEST_F(ExportTest, SaveWritesANamedJpegAndNeverOverwrites) {
    Turn(MenuEvent(ids::CmdSelectAll));
    Turn(MenuEvent(ids::CmdSaveToDesktop));
    EXPECT_FALSE(fake.windowVisible);
    Capture(800, 600);
    Turn(MenuEvent(ids::CmdSelectAll));
    Turn(ControlEvent(ids::DesktopButton));
    EXPECT_THAT(desktop.FileNames(),
                ::testing::ElementsAre("01_05_2012 - 09.05.03 (2).jpg", "01_05_2012 - 09.05.03.jpg"));
    FILE* file = std::fopen((desktop.path() + "/01_05_2012 - 09.05.03.jpg").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    unsigned char soi[2] = {};
    EXPECT_EQ(std::fread(soi, 1, 2, file), 2u);
    std::fclose(file);
    EXPECT_EQ(soi[0], 0xFF);
    EXPECT_EQ(soi[1], 0xD8);
}

TEST_F(ExportTest, SaveThatCannotWriteReportsAndKeepsTheCapture) {
    fake.desktopFolder = desktop.path() + "/missing-folder";
    Turn(MenuEvent(ids::CmdSelectAll));
    Turn(MenuEvent(ids::CmdSaveToDesktop));
    fake.desktopFolder.reset();
    Turn(MenuEvent(ids::CmdSaveToDesktop));
    ASSERT_EQ(fake.messageBoxes.size(), 2u);
    EXPECT_EQ(fake.messageBoxes[0].first, "Save failed");
    EXPECT_THAT(fake.messageBoxes[0].second, ::testing::HasSubstr("missing-folder"));
    EXPECT_EQ(fake.messageBoxes[1].first, "Save failed");
    EXPECT_TRUE(fake.windowVisible);
    EXPECT_TRUE(program.selection.active);
    EXPECT_TRUE(desktop.FileNames().empty());
}

TEST_F(ExportTest, FileIsNamedAfterTheLocalDateAndTime) {
    Turn(MenuEvent(ids::CmdSelectAll));
    fake.clock = {2012, 12, 9, 18, 5, 7};
    Turn(MenuEvent(ids::CmdSaveToDesktop));
    EXPECT_THAT(desktop.FileNames(), ::testing::ElementsAre("09_12_2012 - 18.05.07.jpg"));
}

}  // namespace
}  // namespace corvane::test
