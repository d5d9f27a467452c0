#include "tests/fake/fake_toolkit.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <utility>

#include "toolkit/dib_codec.h"
#include "toolkit/spin_text.h"

namespace corvane::test {
namespace {

std::string Str(Rect r) {
    std::ostringstream out;
    out << "(" << r.x << "," << r.y << "," << r.width << "," << r.height << ")";
    return out.str();
}

std::string Opt(const std::optional<int32_t>& v) { return v ? std::to_string(*v) : "keep"; }

// The program writes Windows paths; the tests keep their files in a POSIX folder.
class BackslashMappingFiles : public FileService {
public:
    static std::string Map(std::string path) {
        std::replace(path.begin(), path.end(), '\\', '/');
        return path;
    }
    bool Exists(const std::string& path) override { return inner_.Exists(Map(path)); }
    std::FILE* CreateNew(const std::string& path) override { return inner_.CreateNew(Map(path)); }
    bool MoveNoReplace(const std::string& from, const std::string& to) override {
        return inner_.MoveNoReplace(Map(from), Map(to));
    }
    bool Remove(const std::string& path) override { return inner_.Remove(Map(path)); }
    std::string LastError() override { return inner_.LastError(); }

private:
    PosixFileService inner_;
};

FakeControl MakeControl(FakeControl::Kind kind, Rect place, std::string text) {
    FakeControl control;
    control.kind = kind;
    control.place = place;
    control.text = std::move(text);
    return control;
}

// After the script ends the fake chooses "Exit", so every run terminates.
constexpr int kWaitsBeforeExit = 1;

}  // namespace

FakeToolkit::FakeToolkit() : files(std::make_unique<BackslashMappingFiles>()) {}

std::vector<std::string> FakeToolkit::LogMatching(const std::string& prefix) const {
    std::vector<std::string> lines;
    for (const auto& line : log)
        if (line.rfind(prefix, 0) == 0) lines.push_back(line);
    return lines;
}

void FakeToolkit::SetClipboardPicture(const Image24& picture) {
    clipboard = EncodeDib(picture);
    ++clipboardSequence;
}

FakeControl* FakeToolkit::Find(int32_t number) {
    auto it = controls.find(number);
    return it == controls.end() ? nullptr : &it->second;
}

const FakeControl* FakeToolkit::control(int32_t number) const {
    auto it = controls.find(number);
    return it == controls.end() ? nullptr : &it->second;
}

const Image24* FakeToolkit::canvasPicture() const {
    const FakeControl* canvas = control(0);
    return canvas && canvas->picture ? &*canvas->picture : nullptr;
}

void FakeToolkit::StartServices() { servicesRunning = true; Record("StartServices"); }
void FakeToolkit::StopServices() { servicesRunning = false; Record("StopServices"); }
void FakeToolkit::SetCurrentDirectoryToProgramFolder() { Record("SetCurrentDirectoryToProgramFolder"); }

MutexResult FakeToolkit::CreateInstanceMutex(const std::string& name) {
    Record("CreateInstanceMutex " + name);
    mutexOpen = mutexResult.gotHandle;
    return mutexResult;
}
void FakeToolkit::CloseInstanceMutex() { mutexOpen = false; Record("CloseInstanceMutex"); }
Size FakeToolkit::PrimaryDisplaySize() { return displaySize; }

bool FakeToolkit::PrintScreenPressed() { return std::exchange(pendingPrintScreen_, false); }
LocalTime FakeToolkit::LocalClock() { return clock; }
std::optional<std::string> FakeToolkit::DesktopFolder() { return desktopFolder; }

bool FakeToolkit::CreateMainWindow(int32_t number, const std::string& title, Size client) {
    Record("CreateMainWindow " + std::to_string(number) + " " + title + " " + std::to_string(client.width) + "x" +
           std::to_string(client.height));
    windowExists = true;
    windowVisible = false;
    windowTitle = title;
    windowClient = client;
    windowCorner = {(displaySize.width - client.width) / 2, (displaySize.height - client.height) / 2};
    return true;
}
void FakeToolkit::DestroyMainWindow(int32_t number) {
    Record("DestroyMainWindow " + std::to_string(number));
    windowExists = windowVisible = false;
    controls.clear();
}
void FakeToolkit::PlaceWindow(int32_t, Point corner, Size client) {
    Record("PlaceWindow " + Str({corner.x, corner.y, client.width, client.height}));
    windowCorner = corner;
    windowClient = client;
}
void FakeToolkit::ShowWindow(int32_t, bool show) {
    Record(std::string("ShowWindow ") + (show ? "show" : "hide"));
    windowVisible = show;
}
Point FakeToolkit::WindowOuterCorner(int32_t) { return windowCorner; }

bool FakeToolkit::CreateStatic(int32_t number, Rect place, const std::string& text, StaticStyle style) {
    Record("CreateStatic " + std::to_string(number) + " " + Str(place) + " '" + text + "'" +
           (style == StaticStyle::EtchedLine ? " etched" : " left"));
    controls[number] = MakeControl(FakeControl::Kind::Static, place, text);
    return true;
}
bool FakeToolkit::CreateSpinField(int32_t number, Rect place, int32_t minimum, int32_t maximum) {
    Record("CreateSpinField " + std::to_string(number) + " " + Str(place) + " " + std::to_string(minimum) + ".." +
           std::to_string(maximum));
    FakeControl field = MakeControl(FakeControl::Kind::SpinField, place, "0");
    field.minimum = minimum;
    field.maximum = maximum;
    controls[number] = std::move(field);
    return true;
}
bool FakeToolkit::CreateButton(int32_t number, Rect place, const std::string& text, bool isDefault) {
    Record("CreateButton " + std::to_string(number) + " " + Str(place) + " '" + text + "'" +
           (isDefault ? " default" : ""));
    controls[number] = MakeControl(FakeControl::Kind::Button, place, text);
    return true;
}
bool FakeToolkit::CreateImageButton(int32_t number, Rect place, const IconImage& image) {
    Record("CreateImageButton " + std::to_string(number) + " " + Str(place) + " " + std::to_string(image.width) +
           "x" + std::to_string(image.height));
    controls[number] = MakeControl(FakeControl::Kind::ImageButton, place, "");
    return true;
}
bool FakeToolkit::CreateCanvas(int32_t number, Rect place) {
    Record("CreateCanvas " + std::to_string(number) + " " + Str(place));
    FakeControl canvas = MakeControl(FakeControl::Kind::Canvas, place, "");
    canvas.picture = Image24::Create(place.width, place.height);
    if (canvas.picture) std::memset(canvas.picture->bits(), 0xFF, canvas.picture->byteCount());
    controls[number] = std::move(canvas);
    return true;
}
void FakeToolkit::DestroyControl(int32_t number) {
    Record("DestroyControl " + std::to_string(number));
    controls.erase(number);
}
void FakeToolkit::MoveControl(int32_t number, const Placement& p) {
    Record("MoveControl " + std::to_string(number) + " (" + Opt(p.x) + "," + Opt(p.y) + "," + Opt(p.width) + "," +
           Opt(p.height) + ")");
    if (FakeControl* c = Find(number)) {
        c->place = {p.x.value_or(c->place.x), p.y.value_or(c->place.y), p.width.value_or(c->place.width),
                    p.height.value_or(c->place.height)};
    }
}
Point FakeToolkit::ControlPosition(int32_t number) {
    const FakeControl* c = Find(number);
    return c ? Point{c->place.x, c->place.y} : Point{};
}
void FakeToolkit::ShowControl(int32_t number, bool show) {
    Record("ShowControl " + std::to_string(number) + (show ? " show" : " hide"));
    if (FakeControl* c = Find(number)) c->visible = show;
}
void FakeToolkit::FocusControl(int32_t number) { Record("FocusControl " + std::to_string(number)); }

void FakeToolkit::SetFieldMaximum(int32_t number, int32_t maximum) {
    Record("SetFieldMaximum " + std::to_string(number) + " " + std::to_string(maximum));
    if (FakeControl* c = Find(number)) c->maximum = maximum;
}
void FakeToolkit::SetFieldValue(int32_t number, int32_t value) {
    Record("SetFieldValue " + std::to_string(number) + " " + std::to_string(value));
    if (FakeControl* c = Find(number)) {
        c->value = value;
        c->text = FormatDecimal(value);
    }
}
void FakeToolkit::SetFieldText(int32_t number, const std::string& text) {
    Record("SetFieldText " + std::to_string(number) + " " + text);
    if (FakeControl* c = Find(number)) c->text = text;
}
int32_t FakeToolkit::FieldValue(int32_t number) {
    FakeControl* c = Find(number);
    if (!c) return 0;
    if (auto parsed = ParseFieldValue(c->text, c->minimum, c->maximum)) c->value = *parsed;
    return c->value;
}
std::string FakeToolkit::FieldText(int32_t number) {
    const FakeControl* c = Find(number);
    return c ? c->text : std::string();
}

Image24* FakeToolkit::BeginCanvasDrawing(int32_t number) {
    FakeControl* c = Find(number);
    if (!c || c->kind != FakeControl::Kind::Canvas || !c->picture) return nullptr;
    Record("BeginCanvasDrawing");
    return &*c->picture;
}
void FakeToolkit::EndCanvasDrawing(int32_t) { Record("EndCanvasDrawing"); }
void FakeToolkit::SetCanvasCursor(int32_t number, int32_t shape) {
    if (FakeControl* c = Find(number)) c->cursor = shape;
}

bool FakeToolkit::AddShortcut(int32_t window, int32_t key, int32_t command) {
    Record("AddShortcut " + std::to_string(window) + " " + std::to_string(key) + " " + std::to_string(command));
    shortcuts.emplace_back(key, command);
    return true;
}
bool FakeToolkit::AddTrayIcon(int32_t number, int32_t owner, const IconImage& image) {
    Record("AddTrayIcon " + std::to_string(number) + " " + std::to_string(owner) + " " + std::to_string(image.width) +
           "x" + std::to_string(image.height));
    trayPresent = true;
    trayIcon.width = image.width;
    trayIcon.height = image.height;
    return true;
}
void FakeToolkit::SetTrayTooltip(int32_t, const std::string& text) {
    Record("SetTrayTooltip " + text);
    trayTooltip = text;
}
void FakeToolkit::ShowTrayBalloon(int32_t, const std::string& title, const std::string& text) {
    Record("ShowTrayBalloon " + title);
    balloons.push_back(title + ": " + text);
}
void FakeToolkit::RemoveTrayIcon(int32_t number) {
    Record("RemoveTrayIcon " + std::to_string(number));
    trayPresent = false;
}
bool FakeToolkit::CreatePopupMenu(int32_t number) {
    Record("CreatePopupMenu " + std::to_string(number));
    menus[number].clear();
    return true;
}
bool FakeToolkit::AppendMenuItem(int32_t menu, int32_t command, const std::string& text) {
    Record("AppendMenuItem " + std::to_string(menu) + " " + std::to_string(command) + " " + text);
    menus[menu].emplace_back(command, text);
    return true;
}
void FakeToolkit::ShowPopupMenu(int32_t menu, int32_t owner, Point at) {
    Record("ShowPopupMenu " + std::to_string(menu) + " " + std::to_string(owner) + " at " + std::to_string(at.x) +
           "," + std::to_string(at.y));
}
void FakeToolkit::ShowPopupMenuAtCursor(int32_t menu, int32_t owner) {
    Record("ShowPopupMenuAtCursor " + std::to_string(menu) + " " + std::to_string(owner));
}

Event FakeToolkit::WaitEvent(int32_t timeoutMs) {
    if (script_.empty()) {
        // A drag waits for its release; the script has ended, so end the run.
        if (++waitsAfterScript_ > kWaitsBeforeExit) {
            return timeoutMs == 100 ? Event{EventKind::Control, 0, kCanvasLeftReleased, {}, 0}
                                    : Event{EventKind::Menu, 19, 0, {}, 0};
        }
        return {};
    }
    Step step = std::move(script_.front());
    script_.pop_front();
    if (step.before) step.before();
    pendingPrintScreen_ = pendingPrintScreen_ || step.printScreen;
    return step.event;
}

void FakeToolkit::MessageBox(int32_t, const std::string& title, const std::string& text) {
    Record("MessageBox " + title);
    messageBoxes.emplace_back(title, text);
}
void FakeToolkit::Sleep(int32_t milliseconds) {
    sleptMs += milliseconds;
    if (onSleep) onSleep(sleptMs);
}

std::optional<std::vector<uint8_t>> FakeToolkit::ReadClipboardDib() { return clipboard; }
bool FakeToolkit::WriteClipboardDib(const std::vector<uint8_t>& block) {
    if (clipboardWritesToRefuse > 0) {
        --clipboardWritesToRefuse;
        Record("WriteClipboardDib refused");
        return false;
    }
    Record("WriteClipboardDib " + std::to_string(block.size()));
    clipboard = block;
    ++clipboardSequence;
    return true;
}
uint32_t FakeToolkit::ClipboardSequenceNumber() { return clipboardSequence; }
bool FakeToolkit::PrintScreenOpensSnipping() { return snippingSetting; }
std::optional<Image24> FakeToolkit::GrabScreen() {
    Record("GrabScreen");
    return screen ? screen->Clone() : std::nullopt;
}

FileService& FakeToolkit::Files() { return *files; }

}  // namespace corvane::test
