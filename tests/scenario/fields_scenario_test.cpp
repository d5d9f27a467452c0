// The coordinate fields: full-resolution values shown for the selection, and
// typed or stepped values turned back into the selection.
#include "selection/fields.h"

#include "tests/scenario/scenario_fixture.h"

namespace corvane::test {
namespace {

class FieldsTest : public ScenarioTest {
protected:
    void SetUp() override {
        Start();
        Capture(1920, 1080);  // preview 1440 x 810
    }
    void SetSelection(Rect r) {
        program.selection.selection = r;
        UpdateFields(program);
    }
};

TEST_F(FieldsTest, ShowTheSelectionInFullResolutionPixels) {
    SetSelection({10, 10, 100, 50});
    EXPECT_EQ(FieldText(ids::XField), "13");
    EXPECT_EQ(FieldText(ids::YField), "13");
    EXPECT_EQ(FieldText(ids::WidthField), "133");
    EXPECT_EQ(FieldText(ids::HeightField), "66");
    // Converting back loses up to one preview pixel per value.
    Turn(ControlEvent(ids::YField, kFieldTextChanged));
    EXPECT_EQ(program.selection.selection, (Rect{9, 9, 99, 49}));
    EXPECT_TRUE(program.selection.active);
}

TEST_F(FieldsTest, PastedWidthGivesWayToThePosition) {
    TypeIntoField(ids::XField, "100");
    TypeIntoField(ids::WidthField, "1820");
    TypeIntoField(ids::WidthField, "1900");
    EXPECT_EQ(FieldText(ids::WidthField), "1820");
    EXPECT_EQ(Field(ids::WidthField), 1820);
    EXPECT_EQ(program.selection.selection.x, 75);
    EXPECT_EQ(program.selection.selection.width, 1365);
}

TEST_F(FieldsTest, FullWidthSelectionSetsEveryPositionBackToZero) {
    TypeIntoField(ids::WidthField, "1920");
    TypeIntoField(ids::XField, "5");
    EXPECT_EQ(FieldText(ids::XField), "0");
    fake.controls[ids::XField].text = "1";  // the up arrow's own rewrite
    Turn(ControlEvent(ids::XField, kFieldStepUp));
    EXPECT_EQ(FieldText(ids::XField), "0");
    EXPECT_EQ(program.selection.selection.x, 0);
}

struct TextCase {
    const char* typed;
    const char* shown;
};

class FieldTextRewrite : public FieldsTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(FieldTextRewrite, KeepsOnlyWholeNumbersInRange) {
    TypeIntoField(ids::XField, "1919");
    TypeIntoField(ids::XField, GetParam().typed);
    EXPECT_EQ(FieldText(ids::XField), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, FieldTextRewrite,
                         ::testing::Values(TextCase{"007", "7"}, TextCase{"19190", "1919"}, TextCase{"19a", "1919"},
                                           TextCase{"", "1919"}, TextCase{"-1", "1919"}, TextCase{"1900", "1900"}));

TEST_F(FieldsTest, TinyWidthsTruncateToThePreview) {
    TypeIntoField(ids::WidthField, "1");
    EXPECT_EQ(program.selection.selection.width, 0);
    EXPECT_TRUE(program.selection.active);
    TypeIntoField(ids::WidthField, "2");
    EXPECT_EQ(program.selection.selection.width, 1);
}

TEST_F(FieldsTest, FocusChangesOnlyNormaliseTheText) {
    const Rect before = program.selection.selection;
    fake.controls[ids::HeightField].text = "0042";
    fake.controls[ids::HeightField].value = 42;
    Turn(ControlEvent(ids::HeightField, kFieldFocusLost));
    EXPECT_EQ(FieldText(ids::HeightField), "42");
    EXPECT_EQ(program.selection.selection, before);
    EXPECT_FALSE(program.selection.active);
}

TEST_F(FieldsTest, EditWithoutACaptureLeavesTheSelectionAlone) {
    Turn(MenuEvent(ids::CmdSelectAll));
    program.capture.captureImage.reset();
    TypeIntoField(ids::WidthField, "10");
    EXPECT_EQ(program.selection.selection, (Rect{0, 0, 1440, 810}));
}

}  // namespace
}  // namespace corvane::test
