// The program's state, one struct per subsystem, composed in one object that
// every operation receives. Nothing lives in globals, so a test can build a
// fresh program per case.
#pragma once

#include <cstdint>
#include <optional>

#include "export/jpeg_writer.h"
#include "toolkit/geometry.h"
#include "toolkit/image.h"
#include "toolkit/toolkit.h"

namespace corvane {

struct ShellState {
    Size desktopSize;
    IconImage trayIconImage;
    IconImage menuButtonImage;
    Event lastEvent;
};

struct CaptureState {
    std::optional<Image24> captureImage;
    std::optional<Image24> previewImage;
    std::optional<Image24> cropImage;
    Size previewSize;  // keeps its last value after a dismissal
};

// Tracks the clipboard between Print Screen polls, so a press that brought no
// new picture is noticed.
struct FreshnessState {
    uint32_t lastSequenceNumber = 0;
    bool snippingNoticeShown = false;
};

struct SelectionState {
    Rect selection;       // preview pixels
    bool active = false;  // committed, and so exportable
};

// Drag modes double as the canvas cursor shapes of the three modes that show one.
enum DragMode : int32_t {
    DragNone = 0,
    DragMove = 6,
    DragEdgeLeftRight = 7,
    DragEdgeTopBottom = 8,
    DragCornerNeSw = 9,
    DragCornerNwSe = 10,
};

struct DragState {
    DragMode mode = DragNone;
    uint8_t side = 0;  // which of the two handles of an edge or corner mode
    Point anchor;      // sizing: the fixed pixel; moving: the grab offset
};

struct Program {
    explicit Program(Toolkit& tk) : toolkit(tk) {}

    Toolkit& toolkit;
    ShellState shell;
    CaptureState capture;
    FreshnessState freshness;
    SelectionState selection;
    DragState drag;
    JpegEncoder jpegEncoder = nullptr;  // registered at start-up
};

}  // namespace corvane
