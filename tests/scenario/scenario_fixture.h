// A started program on the fake toolkit, driven one loop turn at a time.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "app/event_loop.h"
#include "app/numbers.h"
#include "app/program_state.h"
#include "app/startup.h"
#include "tests/fake/fake_toolkit.h"

namespace corvane::test {

inline Event ControlEvent(int32_t number, int32_t type = kButtonClicked) {
    return {EventKind::Control, number, type, {}, 0};
}
inline Event MenuEvent(int32_t command) { return {EventKind::Menu, command, 0, {}, 0}; }
inline Event CanvasEvent(int32_t type, int32_t x, int32_t y, int32_t key = 0) {
    return {EventKind::Control, ids::SelectionCanvas, type, {x, y}, key};
}
inline Event TrayEventOf(int32_t type) { return {EventKind::Tray, ids::TrayIcon, type, {}, 0}; }
inline Event CloseEvent() { return {EventKind::Close, ids::CaptureWindow, 0, {}, 0}; }

// A picture whose pixel (x, y) has blue x, green y and red x + y (low bytes).
inline Image24 PatternPicture(int32_t width, int32_t height) {
    auto picture = Image24::Create(width, height);
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = picture->RowFromTop(y);
        for (int32_t x = 0; x < width; ++x) {
            row[3 * x] = uint8_t(x);
            row[3 * x + 1] = uint8_t(y);
            row[3 * x + 2] = uint8_t(x + y);
        }
    }
    return std::move(*picture);
}

class ScenarioTest : public ::testing::Test {
protected:
    ScenarioTest() : program(fake) {}

    void Start() { ASSERT_TRUE(StartUp(program)); }

    // Plays one event (with what it brings along) and runs one loop turn.
    bool Turn(Event event, bool printScreen = false) {
        fake.Play(Step{event, printScreen, {}});
        return RunLoopTurn(program);
    }

    // Puts a picture on the clipboard and presses Print Screen.
    void Capture(int32_t width, int32_t height) {
        fake.SetClipboardPicture(PatternPicture(width, height));
        Turn({}, true);
    }

    int32_t Field(int32_t number) { return fake.FieldValue(number); }
    std::string FieldText(int32_t number) { return fake.FieldText(number); }
    // Types text over the whole field, as pasting would.
    void TypeIntoField(int32_t number, const std::string& text) {
        fake.controls[number].text = text;
        Turn(ControlEvent(number, kFieldTextChanged));
    }

    FakeToolkit fake;
    Program program;
};

}  // namespace corvane::test
