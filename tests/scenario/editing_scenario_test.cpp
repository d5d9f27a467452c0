// Mouse drags, arrow keys and select-all on the canvas.
#include "tests/scenario/scenario_fixture.h"

namespace corvane::test {
namespace {

class EditingTest : public ScenarioTest {
protected:
    void SetUp() override {
        Start();
        Capture(400, 300);  // shown unscaled
    }
    void Drag(Point from, std::initializer_list<Point> moves, bool hoverFirst = true) {
        if (hoverFirst) Turn(CanvasEvent(kCanvasPointerMoved, from.x, from.y));
        fake.Play(CanvasEvent(kCanvasLeftPressed, from.x, from.y));
        for (Point p : moves) fake.Play(CanvasEvent(kCanvasPointerMoved, p.x, p.y));
        fake.Play(CanvasEvent(kCanvasLeftReleased, 0, 0));
        RunLoopTurn(program);
    }
    void Commit(Rect r) {
        Drag({r.x, r.y}, {{r.x + r.width, r.y + r.height}});
        ASSERT_EQ(program.selection.selection, r);
    }
};

TEST_F(EditingTest, DrawingARectangleCommitsItAndShowsItInTheFields) {
    Drag({30, 40}, {{20, 60}, {10, 90}});
    EXPECT_EQ(program.selection.selection, (Rect{10, 40, 20, 50}));
    EXPECT_TRUE(program.selection.active);
    EXPECT_EQ(FieldText(ids::WidthField), "20");
    EXPECT_EQ(FieldText(ids::HeightField), "50");
}

TEST_F(EditingTest, HoverShowsTheModeOnlyOverACommittedSelection) {
    Commit({100, 50, 200, 100});
    Turn(CanvasEvent(kCanvasPointerMoved, 200, 47));
    EXPECT_EQ(program.drag.mode, DragEdgeTopBottom);
    EXPECT_EQ(fake.control(ids::SelectionCanvas)->cursor, kCursorSizeNorthSouth);
    Turn(MenuEvent(ids::CmdCancel));
    Turn(CanvasEvent(kCanvasPointerMoved, 200, 47));
    EXPECT_EQ(program.drag.mode, DragNone);
    EXPECT_EQ(fake.control(ids::SelectionCanvas)->cursor, kCursorArrow);
}

TEST_F(EditingTest, EnterNoticeDoesNotRunTheHoverTest) {
    Commit({100, 50, 200, 100});
    Turn(CanvasEvent(kCanvasPointerMoved, 150, 120));
    Turn(CanvasEvent(kCanvasPointerEntered, 350, 120));
    EXPECT_EQ(program.drag.mode, DragMove);
}

TEST_F(EditingTest, ResizingByTheLeftEdgeAndMovingFollowThePointer) {
    Commit({100, 50, 200, 100});
    Drag({100, 100}, {{120, 180}});
    EXPECT_EQ(program.selection.selection, (Rect{120, 50, 179, 100}));
    Drag({150, 120}, {{399, 299}});  // grab offset (30, 70)
    EXPECT_EQ(program.selection.selection, (Rect{221, 200, 179, 100}));
}

TEST_F(EditingTest, PressAndReleaseWithoutMovementCommitsTheUnchangedSelection) {
    Commit({100, 50, 200, 100});
    Turn(MenuEvent(ids::CmdCancel));  // clears: (0, 0, 0, 0), inactive
    Drag({50, 50}, {});
    EXPECT_EQ(program.selection.selection, (Rect{0, 0, 0, 0}));
    EXPECT_TRUE(program.selection.active);
}

TEST_F(EditingTest, SecondPressOfADoubleClickReusesTheMode) {
    Commit({100, 50, 200, 100});
    Turn(CanvasEvent(kCanvasPointerMoved, 100, 100));  // left edge
    Drag({100, 100}, {{120, 100}}, false);
    EXPECT_EQ(program.selection.selection, (Rect{120, 50, 179, 100}));
    Drag({120, 100}, {{90, 100}}, false);  // still the left edge, anchor (298, 50)
    EXPECT_EQ(program.selection.selection, (Rect{90, 50, 208, 100}));
}

TEST_F(EditingTest, StaleModeAfterACancelStartsANewRectangle) {
    Commit({100, 50, 200, 100});
    Turn(CanvasEvent(kCanvasPointerMoved, 100, 100));  // left edge, then cleared without a movement
    Turn(MenuEvent(ids::CmdCancel));
    Drag({200, 200}, {{250, 260}}, false);
    EXPECT_EQ(program.selection.selection, (Rect{200, 200, 50, 60}));
    EXPECT_EQ(program.drag.mode, DragEdgeLeftRight);  // the press leaves the mode alone
}

TEST_F(EditingTest, EventsDuringADragAreLost) {
    Commit({100, 50, 200, 100});
    Turn(CanvasEvent(kCanvasPointerMoved, 150, 120));
    fake.Play(CanvasEvent(kCanvasLeftPressed, 150, 120));
    for (const Event& e : {MenuEvent(ids::CmdCancel), MenuEvent(ids::CmdCopyToClipboard), MenuEvent(ids::CmdSaveToDesktop),
                           ControlEvent(ids::DesktopButton), TrayEventOf(kTrayRightPressed), CloseEvent(),
                           ControlEvent(ids::XField, kFieldTextChanged), Event{}})
        fake.Play(e);
    fake.Play(CanvasEvent(kCanvasPointerMoved, 160, 130));
    fake.Play(CanvasEvent(kCanvasLeftReleased, 160, 130));
    const size_t messages = fake.messageBoxes.size();
    RunLoopTurn(program);
    EXPECT_EQ(fake.stepsLeft(), 0u);
    EXPECT_EQ(program.selection.selection, (Rect{110, 60, 200, 100}));
    EXPECT_TRUE(program.selection.active);
    EXPECT_TRUE(fake.windowVisible);
    EXPECT_EQ(fake.messageBoxes.size(), messages);
    EXPECT_TRUE(fake.LogMatching("ShowPopupMenu").empty());
}

struct NudgeCase {
    Rect start;
    int32_t key;
    Rect result;
};

class Nudge : public EditingTest, public ::testing::WithParamInterface<NudgeCase> {};

TEST_P(Nudge, MovesOnePixelWithinThePreview) {
    program.selection = {GetParam().start, true};
    Turn(CanvasEvent(kCanvasKeyPressed, 0, 0, GetParam().key));
    EXPECT_EQ(program.selection.selection, GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Keys, Nudge,
                         ::testing::Values(NudgeCase{{0, 10, 400, 100}, 37, {0, 10, 400, 100}},
                                           NudgeCase{{0, 10, 400, 100}, 39, {0, 10, 400, 100}},
                                           NudgeCase{{0, 10, 400, 100}, 38, {0, 9, 400, 100}},
                                           NudgeCase{{0, 10, 400, 100}, 40, {0, 11, 400, 100}},
                                           NudgeCase{{5, 200, 10, 100}, 40, {5, 200, 10, 100}},
                                           NudgeCase{{5, 0, 10, 100}, 38, {5, 0, 10, 100}},
                                           NudgeCase{{5, 7, 10, 10}, 65, {5, 7, 10, 10}}));

TEST_F(EditingTest, KeyWithoutACommittedSelectionRedrawsNothing) {
    const size_t drawn = fake.LogMatching("BeginCanvasDrawing").size();
    Turn(CanvasEvent(kCanvasKeyPressed, 0, 0, 39));
    EXPECT_EQ(fake.LogMatching("BeginCanvasDrawing").size(), drawn);
}

TEST_F(EditingTest, SelectAllTakesTheWholePreview) {
    Turn(MenuEvent(ids::CmdSelectAll));
    EXPECT_EQ(program.selection.selection, (Rect{0, 0, 400, 300}));
    EXPECT_TRUE(program.selection.active);
    EXPECT_EQ(FieldText(ids::WidthField), "400");
    Turn(MenuEvent(ids::CmdCancel));
    Turn(MenuEvent(ids::CmdCancel));  // dismissed: no capture
    Turn(MenuEvent(ids::CmdSelectAll));
    EXPECT_FALSE(program.selection.active);
}

}  // namespace
}  // namespace corvane::test
