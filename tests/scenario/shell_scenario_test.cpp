// Start-up, the single-instance rule, the event loop's dispatch and shutdown.
#include <gmock/gmock.h>

#include "app/program.h"
#include "tests/scenario/scenario_fixture.h"

namespace corvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

TEST_F(ScenarioTest, StartUpCreatesTheResidentObjectsInOrder) {
    Start();
    const std::vector<std::string> expected = {
        "StartServices",
        "SetCurrentDirectoryToProgramFolder",
        "CreateInstanceMutex Select the wanted area",
        "CreateMainWindow 0 Select the wanted area 200x200",
        "CreateStatic 2 (1,0,1,1) '' etched",
        "CreateStatic 4 (5,0,15,15) 'X:' left",
        "CreateSpinField 5 (25,0,40,20) 0..1",
        "CreateStatic 6 (70,0,15,15) 'Y:' left",
        "CreateSpinField 7 (90,0,40,20) 0..1",
        "CreateStatic 8 (135,1,15,15) 'W:' left",
        "CreateSpinField 9 (155,0,40,20) 0..1",
        "CreateStatic 10 (200,1,15,15) 'H :' left",
        "CreateSpinField 11 (220,0,40,20) 0..1",
        "CreateButton 3 (0,0,70,20) 'Clipboard' default",
        "CreateButton 1 (0,0,70,20) 'Desktop'",
        "CreateImageButton 12 (0,0,20,20) 16x16",
        "AddShortcut 0 131155 1",
        "AddShortcut 0 131137 13",
        "AddShortcut 0 13 3",
        "AddShortcut 0 27 14",
        "AddTrayIcon 15 0 48x48",
        "SetTrayTooltip Corvane",
        "CreatePopupMenu 18",
        "AppendMenuItem 18 19 Exit",
        "CreatePopupMenu 23",
        "AppendMenuItem 23 3 Clipboard",
        "AppendMenuItem 23 1 Desktop",
    };
    EXPECT_THAT(fake.log, ElementsAreArray(expected));
    EXPECT_FALSE(fake.windowVisible);
    EXPECT_NE(program.jpegEncoder, nullptr);
}

struct InstanceCase {
    const char* name;
    MutexResult mutex;
    std::vector<std::string> log;
};

class SecondInstance : public ::testing::TestWithParam<InstanceCase> {};

TEST_P(SecondInstance, EndsAtOnceWithCodeZeroHavingCreatedNothing) {
    FakeToolkit fake;
    fake.mutexResult = GetParam().mutex;
    EXPECT_EQ(RunProgram(fake), 0);
    EXPECT_THAT(fake.log, ElementsAreArray(GetParam().log));
    EXPECT_EQ(fake.stepsLeft(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Mutex, SecondInstance,
    ::testing::Values(
        InstanceCase{"AlreadyExists", {true, 183},
                     {"StartServices", "SetCurrentDirectoryToProgramFolder",
                      "CreateInstanceMutex Select the wanted area", "CloseInstanceMutex", "StopServices"}},
        InstanceCase{"NameTakenByAnotherKindOfObject", {false, 6},
                     {"StartServices", "SetCurrentDirectoryToProgramFolder",
                      "CreateInstanceMutex Select the wanted area", "StopServices"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ScenarioTest, ExitEndsTheLoopAndShutsDownInOrder) {
    fake.Play(MenuEvent(ids::CmdExit));
    fake.Play(MenuEvent(ids::CmdExit));  // never reached
    EXPECT_EQ(RunProgram(fake), 0);
    EXPECT_EQ(fake.stepsLeft(), 1u);
    const std::vector<std::string> tail(fake.log.end() - 4, fake.log.end());
    EXPECT_THAT(tail, ElementsAre("CloseInstanceMutex", "RemoveTrayIcon 15", "DestroyMainWindow 0", "StopServices"));
}

TEST_F(ScenarioTest, ExitWhileACaptureIsShownExportsNothing) {
    Start();
    Capture(800, 600);
    Turn(MenuEvent(ids::CmdSelectAll));
    EXPECT_FALSE(Turn(MenuEvent(ids::CmdExit)));
    ShutDown(program);
    EXPECT_TRUE(fake.LogMatching("WriteClipboardDib").empty());
    EXPECT_FALSE(program.capture.captureImage);
}

TEST_F(ScenarioTest, PrintScreenIsPolledBeforeTheTurnsEventIsHandled) {
    Start();
    Capture(800, 600);
    Turn(MenuEvent(ids::CmdSelectAll));
    ASSERT_TRUE(program.selection.active);
    // The new capture clears the selection before the click is handled, so
    // the export refuses.
    fake.SetClipboardPicture(PatternPicture(640, 480));
    Turn(ControlEvent(ids::ClipboardButton), true);
    ASSERT_EQ(fake.messageBoxes.size(), 1u);
    EXPECT_EQ(fake.messageBoxes[0].first, "No selected area");
    EXPECT_EQ(program.capture.captureImage->width(), 640);
}

TEST_F(ScenarioTest, ButtonMenuItemAndShortcutOfOneNumberRunTheSameCommand) {
    Start();
    for (const Event& trigger : {ControlEvent(ids::ClipboardButton), MenuEvent(ids::CmdCopyToClipboard)}) {
        Capture(800, 600);
        Turn(MenuEvent(ids::CmdSelectAll));
        const uint32_t before = fake.clipboardSequence;
        Turn(trigger);
        EXPECT_GT(fake.clipboardSequence, before);
        EXPECT_FALSE(fake.windowVisible);
    }
}

TEST_F(ScenarioTest, EscapeClearsACommittedSelectionThenHidesTheWindow) {
    Start();
    Capture(800, 600);
    Turn(MenuEvent(ids::CmdSelectAll));
    Turn(MenuEvent(ids::CmdCancel));
    EXPECT_TRUE(fake.windowVisible);
    EXPECT_FALSE(program.selection.active);
    EXPECT_EQ(program.selection.selection, (Rect{0, 0, 0, 0}));
    EXPECT_EQ(FieldText(ids::WidthField), "0");
    Turn(MenuEvent(ids::CmdCancel));
    EXPECT_FALSE(fake.windowVisible);
    EXPECT_FALSE(program.capture.captureImage);
    EXPECT_FALSE(program.capture.previewImage);
    EXPECT_EQ(fake.control(ids::SelectionCanvas), nullptr);
}

TEST_F(ScenarioTest, CloseRequestHidesEvenWithACommittedSelection) {
    Start();
    Capture(800, 600);
    Turn(MenuEvent(ids::CmdSelectAll));
    Turn(CloseEvent());
    EXPECT_FALSE(fake.windowVisible);
    EXPECT_FALSE(program.selection.active);
    EXPECT_FALSE(program.capture.captureImage);
}

TEST_F(ScenarioTest, TrayPressesOpenTheTrayMenuAtTheCursorAndDoubleClicksDoNothing) {
    Start();
    const size_t before = fake.log.size();
    for (int32_t type : {kTrayLeftPressed, kTrayRightPressed, kTrayLeftDoubleClicked, kTrayRightDoubleClicked})
        Turn(TrayEventOf(type));
    const std::vector<std::string> shown(fake.log.begin() + long(before), fake.log.end());
    EXPECT_THAT(shown, ElementsAre("ShowPopupMenuAtCursor 18 0", "ShowPopupMenuAtCursor 18 0"));
}

TEST_F(ScenarioTest, MenuButtonOpensTheExportMenuBelowItFromTheOuterCorner) {
    Start();
    Capture(400, 300);
    const Point corner = fake.windowCorner;
    Turn(ControlEvent(ids::MenuButton));
    // The button sits at (PW - 25, PH + 11) = (375, 311).
    EXPECT_EQ(fake.LogMatching("ShowPopupMenu 23").back(),
              "ShowPopupMenu 23 0 at " + std::to_string(corner.x + 375 + 21) + "," + std::to_string(corner.y + 311 + 42));
}

TEST_F(ScenarioTest, UnknownNumbersAndOtherKindsAreIgnored) {
    Start();
    Capture(800, 600);
    const auto before = fake.log.size();
    for (const Event& e : {ControlEvent(ids::SeparatorLine), ControlEvent(ids::XLabel), MenuEvent(77),
                           Event{EventKind::Other, 3, 0, {}, 0}, Event{}})
        EXPECT_TRUE(Turn(e));
    EXPECT_EQ(fake.log.size(), before);
    EXPECT_TRUE(fake.windowVisible);
}

}  // namespace
}  // namespace corvane::test
