// A Print Screen press must yield a fresh screenshot, never a stale picture.
#include "tests/scenario/scenario_fixture.h"

namespace corvane::test {
namespace {

class PrintScreenTest : public ScenarioTest {
protected:
    void SetUp() override {
        Start();
        fake.screen = PatternPicture(1600, 900);
    }
};

TEST_F(PrintScreenTest, PictureThatArrivedBeforeThePollIsTakenAtOnce) {
    fake.SetClipboardPicture(PatternPicture(640, 480));
    Turn({}, true);
    EXPECT_EQ(program.capture.captureImage->size(), (Size{640, 480}));
    EXPECT_EQ(fake.sleptMs, 0);
    EXPECT_TRUE(fake.LogMatching("GrabScreen").empty());
}

TEST_F(PrintScreenTest, PictureThatArrivesDuringTheWaitIsTaken) {
    fake.onSleep = [this](int32_t slept) {
        if (slept == 100) fake.SetClipboardPicture(PatternPicture(640, 480));
    };
    Turn({}, true);
    EXPECT_EQ(program.capture.captureImage->size(), (Size{640, 480}));
    EXPECT_EQ(fake.sleptMs, 100);
}

TEST_F(PrintScreenTest, WithoutANewPictureTheScreenIsCopiedAsTheSystemWould) {
    fake.SetClipboardPicture(PatternPicture(640, 480));
    Turn({});  // the poll notes this picture as already seen
    Turn({}, true);
    EXPECT_EQ(fake.sleptMs, 500);
    ASSERT_TRUE(program.capture.captureImage);
    EXPECT_EQ(program.capture.captureImage->size(), (Size{1600, 900}));
    EXPECT_EQ(fake.LogMatching("WriteClipboardDib").size(), 1u);  // the clipboard now holds it too
    EXPECT_TRUE(fake.windowVisible);
    // Taking it again later is not mistaken for a new picture of its own.
    fake.sleptMs = 0;
    Turn({});
    EXPECT_EQ(fake.sleptMs, 0);
}

TEST_F(PrintScreenTest, SnippingSettingTakesNothingAndTellsTheUserOnce) {
    fake.snippingSetting = true;
    fake.SetClipboardPicture(PatternPicture(640, 480));
    Turn({});
    Turn({}, true);
    Turn({}, true);
    EXPECT_FALSE(program.capture.captureImage);
    EXPECT_FALSE(fake.windowVisible);
    EXPECT_TRUE(fake.LogMatching("GrabScreen").empty());
    ASSERT_EQ(fake.balloons.size(), 1u);
    EXPECT_NE(fake.balloons[0].find("Use the Print screen key to open screen capture"), std::string::npos);
}

TEST_F(PrintScreenTest, PictureFromBeforeTheStartIsNotTakenAsNew) {
    FakeToolkit other;
    other.SetClipboardPicture(PatternPicture(640, 480));
    other.screen = PatternPicture(1600, 900);
    Program fresh(other);
    ASSERT_TRUE(StartUp(fresh));
    other.Play(Step{{}, true, {}});
    RunLoopTurn(fresh);
    EXPECT_EQ(fresh.capture.captureImage->size(), (Size{1600, 900}));
}

}  // namespace
}  // namespace corvane::test
