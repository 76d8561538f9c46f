// The fake platform's bookkeeping and its virtual clock.
#include "platform/fake/FakePlatform.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "platform/CaptionReckoning.h"
#include "platform/FullScreen.h"
#include "platform/Monitors.h"

namespace platform::fake {

int FakeTextWidth(std::string_view utf8, const Font& font, int dpi) {
    int characters = 0;
    for (const char c : utf8)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    const double pixels = std::round(font.points * dpi / 72.0);
    return static_cast<int>(std::lround(characters * pixels * 0.6));
}

namespace {

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int dpi) : dpi_(dpi) {}
    std::vector<DrawOp> ops;
    int TextWidth(std::string_view s, const Font& f) override { return FakeTextWidth(s, f, dpi_); }
    void FillRect(const PixelRect& r, Color c) override { ops.push_back({DrawOp::Fill, r, c, {}, {}, {}}); }
    void FrameRect(const PixelRect& r, Color c) override { ops.push_back({DrawOp::Frame, r, c, {}, {}, {}}); }
    void DrawText(const PixelRect& r, std::string_view s, const Font& f, Color c, TextAlign a) override {
        ops.push_back({DrawOp::Text, r, c, std::string(s), f, a});
    }
    void DrawProgramIcon(const PixelRect& r) override { ops.push_back({DrawOp::Icon, r, {}, {}, {}, {}}); }

private:
    int dpi_;
};

}  // namespace

FakePlatform::FakePlatform() {
    systemColors[SystemColor::Window] = {255, 255, 255};
    systemColors[SystemColor::WindowText] = {0, 0, 0};
    systemColors[SystemColor::InfoBackground] = {255, 255, 225};
    systemColors[SystemColor::ButtonFace] = {236, 233, 216};
    systemColors[SystemColor::ButtonText] = {0, 0, 0};
    systemColors[SystemColor::ButtonHighlight] = {255, 255, 255};
    drives["C"] = {true, 30ull << 30, 40ull << 30, {}};  // a 40 GiB disk, three quarters free
    metrics = {{Metric::ScreenWidth, 1024}, {Metric::ScreenHeight, 768}, {Metric::CaptionHeight, 19},
               {Metric::BorderHeight, 1},   {Metric::FixedFrameX, 3},    {Metric::FixedFrameY, 3},
               {Metric::SizingFrameX, 4},   {Metric::SizingFrameY, 4},   {Metric::SmallCaptionHeight, 15}};
}

FakeWindow& FakePlatform::Window(WindowHandle w) {
    auto it = windows.find(w);
    if (it == windows.end())
        throw std::out_of_range("no such fake window");
    return it->second;
}

namespace {
PixelRect OuterAt(int left, int top, const WindowSpec& layout) {
    const int border = layout.frame == WindowFrame::None ? 0 : 1;
    const int caption = layout.frame == WindowFrame::Dialog ? 19 : 0;
    return {left, top, left + layout.clientWidth + 2 * border, top + layout.clientHeight + 2 * border + caption};
}
}  // namespace

WindowHandle FakePlatform::CreateFormWindow(const WindowSpec& layout, WindowListener& listener) {
    const WindowHandle h = nextWindow_++;
    FakeWindow& w = windows[h];
    w.layout = layout;
    w.listener = &listener;
    w.rect = OuterAt(0, 0, layout);
    return h;
}

int FakePlatform::ScreenDpi() {
    return dpi;
}

void FakePlatform::ResizeClient(WindowHandle w, int clientWidth, int clientHeight) {
    FakeWindow& fw = Window(w);
    fw.layout.clientWidth = clientWidth;
    fw.layout.clientHeight = clientHeight;
    fw.rect = OuterAt(fw.rect.left, fw.rect.top, fw.layout);
}

void FakePlatform::ChangeDpi(int newDpi) {
    dpi = newDpi;
    std::vector<WindowListener*> listeners;
    for (const auto& [handle, w] : windows)
        listeners.push_back(w.listener);
    for (WindowListener* l : listeners)
        l->OnDpiChanged();
}

void FakePlatform::DestroyWindow(WindowHandle w) {
    if (windows.erase(w))
        destroyed.push_back(w);
}

void FakePlatform::SetVisible(WindowHandle w, bool visible) {
    Window(w).visible = visible;
    CrossPointer(w);
}

bool FakePlatform::IsVisible(WindowHandle w) {
    auto it = windows.find(w);
    return it != windows.end() && it->second.visible;
}

PixelRect FakePlatform::GetWindowRect(WindowHandle w) {
    if (auto it = windows.find(w); it != windows.end())
        return it->second.rect;
    if (auto it = foreign.find(w); it != foreign.end())
        return it->second.rect;
    return {};
}

void FakePlatform::MoveWindow(WindowHandle w, int left, int top) {
    PixelRect& r = Window(w).rect;
    r = {left, top, left + r.Width(), top + r.Height()};
    CrossPointer(w);
}

void FakePlatform::Invalidate(WindowHandle w, const PixelRect&) {
    ++Window(w).invalidations;
}

void FakePlatform::SetTopMost(WindowHandle w) {
    ++Window(w).topMostCalls;
}

void FakePlatform::SetTranslucency(WindowHandle w, std::uint8_t alpha) {
    Window(w).alpha = alpha;
}

void FakePlatform::SetToolTip(WindowHandle w, int id, const PixelRect& r, std::string_view text) {
    FakeWindow& fw = Window(w);
    if (text.empty()) {
        fw.toolTips.erase(id);
    } else {
        fw.toolTips[id] = {r, std::string(text)};
    }
}

Color FakePlatform::SystemColorValue(SystemColor c) {
    return systemColors[c];
}

TimerId FakePlatform::StartTimer(std::uint32_t intervalMs, std::function<void()> tick) {
    const TimerId id = nextTimer_++;
    timers_[id] = {intervalMs, now_ + intervalMs, std::move(tick)};
    return id;
}

void FakePlatform::StopTimer(TimerId id) {
    timers_.erase(id);
}

std::vector<std::uint32_t> FakePlatform::TimerIntervals() const {
    std::vector<std::uint32_t> out;
    for (const auto& [id, t] : timers_)
        out.push_back(t.interval);
    return out;
}

void FakePlatform::Post(std::function<void()> task) {
    posted_.push_back(std::move(task));
}

void FakePlatform::RunPosted() {
    while (!posted_.empty()) {
        std::vector<std::function<void()>> batch;
        batch.swap(posted_);
        for (auto& task : batch)
            task();
    }
}

void FakePlatform::Advance(std::uint64_t ms) {
    const std::uint64_t end = now_ + ms;
    for (;;) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.due <= end && (next == timers_.end() || it->second.due < next->second.due))
                next = it;
        }
        if (next == timers_.end())
            break;
        now_ = next->second.due;
        next->second.due += next->second.interval;
        std::function<void()> tick = next->second.tick;  // the tick may stop its own timer
        tick();
        RunPosted();
    }
    now_ = end;
}

std::vector<DrawOp> FakePlatform::Paint(WindowHandle w, std::optional<PixelRect> area) {
    RecordingCanvas canvas(dpi);
    if (area)
        canvas.SetPaintArea(*area);
    Window(w).listener->OnPaint(canvas);
    return canvas.ops;
}

void FakePlatform::RunLoop() {
    RunPosted();
}

void FakePlatform::QuitLoop() {
    ++quitRequests;
}

void FakePlatform::ExitProcess(int code) {
    throw ProcessExited{code};
}

void FakePlatform::ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) {
    const RecordedMessageBox box{std::string(text), std::string(caption), icon};
    messageBoxes.push_back(box);
    if (duringMessageBox)
        duringMessageBox(box);
}

namespace {
// Single-instance locks by name and the platform holding each. Every FakePlatform stands for one
// process: a second one is refused a lock the first holds, and its locks go when it does.
std::map<std::string, const FakePlatform*, std::less<>>& Locks() {
    static std::map<std::string, const FakePlatform*, std::less<>> locks;
    return locks;
}
}  // namespace

FakePlatform::~FakePlatform() {
    std::erase_if(Locks(), [this](const auto& entry) { return entry.second == this; });
}

bool FakePlatform::AcquireSingleInstance(std::string_view name) {
    auto& locks = Locks();
    const auto it = locks.find(name);
    if (it != locks.end())
        return it->second == this;
    locks.emplace(std::string(name), this);
    return true;
}

std::string FakePlatform::SettingsFilePath(std::string_view fileName) {
    return settingsDir + "/" + std::string(fileName);
}

OsVersion FakePlatform::GetOsVersion() {
    return version;
}

std::optional<CpuTimes> FakePlatform::QueryCpuTimes() {
    calls.push_back("cpu");
    return cpuTimes;
}

MemoryStatus FakePlatform::QueryMemoryStatus() {
    calls.push_back("memory");
    return memory;
}

DriveSpace FakePlatform::QueryDriveSpace(std::string_view element) {
    calls.push_back("drive");
    driveQueries.emplace_back(element);
    const auto it = drives.find(std::string(element));
    if (it != drives.end())
        return it->second;
    DriveSpace missing;
    missing.error = missingDriveError;
    return missing;
}

void FakePlatform::SetDriveMap(std::vector<std::pair<std::string, std::string>> folders) {
    driveMap = std::move(folders);
}

PowerStatus FakePlatform::QueryPowerStatus() {
    calls.push_back("power");
    return power;
}

PixelPoint FakePlatform::GetCursorPos() {
    calls.push_back("cursor");
    return cursor;
}

LocalTime FakePlatform::Now() {
    calls.push_back("time");
    return localTime;
}

std::string FakePlatform::FormatTime(const LocalTime& t) {
    char buf[32];
    if (twelveHourClock) {
        std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", (t.hour + 11) % 12 + 1, t.minute, t.second,
                      t.hour < 12 ? "AM" : "PM");
        return buf;
    }
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return buf;
}

std::string FakePlatform::FormatShortDate(const LocalTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", t.year, t.month, t.day);
    return buf;
}

std::string FakePlatform::QueryComputerName() {
    calls.push_back("computer name");
    return computerName;
}

std::string FakePlatform::QueryUserName() {
    calls.push_back("user name");
    return userName;
}

VersionRecord FakePlatform::QueryVersionRecord() {
    calls.push_back("version");
    return versionRecord;
}

std::string FakePlatform::QuerySystemDescription() {
    return systemDescription;
}

AdapterQuery FakePlatform::QueryAdapters() {
    calls.push_back("adapters");
    return adapterQuery;
}

std::string FakePlatform::Utf8FromSystemCodePage(std::string_view bytes) {
    return std::string(bytes);
}

std::optional<std::string> FakePlatform::ReadRegistryString(std::string_view key, std::string_view value) {
    calls.push_back("registry");
    const auto it = registryStrings.find(std::string(key) + "\\" + std::string(value));
    return it == registryStrings.end() ? std::nullopt : std::optional<std::string>(it->second);
}

std::optional<std::uint32_t> FakePlatform::ReadRegistryDword(std::string_view key, std::string_view value) {
    calls.push_back("registry");
    const auto it = registryDwords.find(std::string(key) + "\\" + std::string(value));
    return it == registryDwords.end() ? std::nullopt : std::optional<std::uint32_t>(it->second);
}

void FakePlatform::ResizeWindow(WindowHandle w, int width, int height) {
    PixelRect& r = Window(w).rect;
    r = {r.left, r.top, r.left + width, r.top + height};
    CrossPointer(w);
}

void FakePlatform::SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) {
    Window(w).region = FakeWindow::Region{r, ellipseWidth, ellipseHeight};
}

void FakePlatform::SetNoActivate(WindowHandle w) {
    Window(w).noActivate = true;
}

void FakePlatform::BeginWindowFacts() {
    ++windowFactRounds;
    ++openWindowFactRounds;
}
void FakePlatform::EndWindowFacts() {
    --openWindowFactRounds;
}

void FakePlatform::PointTo(PixelPoint at) {
    cursor = at;
    std::vector<WindowHandle> handles;
    for (const auto& [handle, window] : windows)
        handles.push_back(handle);
    for (const WindowHandle h : handles) {
        if (windows.count(h))  // an earlier one's handler may have closed it
            CrossPointer(h);
    }
}

// As X counts it: a window holds the pixels from its left and top edges up to, not including, its
// right and bottom ones.
void FakePlatform::CrossPointer(WindowHandle w) {
    FakeWindow& window = Window(w);
    const PixelRect& r = window.rect;
    const bool over =
        window.visible && cursor.x >= r.left && cursor.x < r.right && cursor.y >= r.top && cursor.y < r.bottom;
    if (over == window.pointerOver || !window.listener)
        return;
    window.pointerOver = over;
    over ? window.listener->OnMouseEnter() : window.listener->OnMouseLeave();
}

}  // namespace platform::fake

namespace platform::fake {

void FakePlatform::Activate(WindowHandle w) {
    Window(w).visible = true;
    activations.push_back(w);
    foreground = w;
}

WindowHandle FakePlatform::GetForegroundWindow() {
    return foreground;
}

std::uint32_t FakePlatform::GetWindowStyle(WindowHandle w) {
    auto it = foreign.find(w);
    return it == foreign.end() ? 0 : it->second.style;
}

std::uint32_t FakePlatform::GetWindowExStyle(WindowHandle w) {
    auto it = foreign.find(w);
    return it == foreign.end() ? 0 : it->second.exStyle;
}

WindowPlacement FakePlatform::GetWindowPlacement(WindowHandle w) {
    if (auto it = foreign.find(w); it != foreign.end())
        return it->second.placement;
    if (auto it = windows.find(w); it != windows.end())
        return {it->second.visible ? kShowNormal : 0, it->second.rect};
    return {};
}

int FakePlatform::GetSystemMetric(Metric m, WindowHandle) {
    auto it = metrics.find(m);
    return it == metrics.end() ? 0 : it->second;
}

std::optional<PixelRect> FakePlatform::FullScreenMonitor(WindowHandle w) {
    const auto it = foreign.find(w);
    if (it == foreign.end())
        return std::nullopt;
    const ForeignWindow& f = it->second;
    return FullScreenMonitorOf({f.rect, GetMonitorRect(w), f.fullScreen, f.framed, f.desktop});
}

void FakePlatform::SetTitleButtonLayouts(std::vector<std::pair<std::string, std::string>> layouts) {
    titleButtonLayouts = std::move(layouts);
}

void FakePlatform::ReleaseCapture() {
    ++captureReleases;
}

void FakePlatform::DragMove(WindowHandle w) {
    drags.push_back(w);
    if (duringDrag)
        duringDrag();
}

int FakePlatform::TrackPopupMenu(WindowHandle owner, const std::vector<std::string>& captions, PixelPoint at) {
    menus.push_back({owner, captions, at});
    if (duringMenu)
        duringMenu();
    return menuChoice;
}

PixelRect FakePlatform::GetMonitorRect(WindowHandle w) {
    const PixelRect screen{0, 0, GetSystemMetric(Metric::ScreenWidth, 0), GetSystemMetric(Metric::ScreenHeight, 0)};
    return w == 0 ? (monitors.empty() ? screen : monitors.front()) : MonitorHolding(monitors, GetWindowRect(w), screen);
}

// Scripted, or reckoned from the metrics as Windows does; the known buttons are added either way.
CaptionGeometry FakePlatform::GetCaptionGeometry(WindowHandle w) {
    const PixelRect monitor = GetMonitorRect(w);
    PixelRect workArea = monitor;
    for (std::size_t i = 0; i < monitors.size() && i < workAreas.size(); ++i) {
        if (monitors[i] == monitor)
            workArea = workAreas[i];
    }
    CaptionGeometry g;
    const auto scripted = titleBars.find(w);
    const auto other = foreign.find(w);
    if (scripted != titleBars.end()) {
        g = scripted->second;
    } else if (other != foreign.end()) {
        const ForeignWindow& f = other->second;
        const auto answers = compositor.find(w);
        const bool riding = f.placement.showCmd == kShowNormal || f.placement.showCmd == kShowMaximized;
        if (std::optional<CaptionGeometry> composed =
                answers != compositor.end() && riding ? ComposedCaption(answers->second) : std::nullopt)
            g = *composed;
        else
            g = ReckonCaption({f.style, f.exStyle, f.placement, f.rect, monitor, workArea},
                              [this, w](Metric m) { return GetSystemMetric(m, w); });
    } else {
        g.window = GetWindowRect(w);
    }
    g.monitor = monitor;
    g.workArea = workArea;
    if (const auto known = captionButtons.find(w); known != captionButtons.end())
        g.buttons = known->second;
    return g;
}

std::optional<std::string> FakePlatform::FindSystemInfoTool() {
    return systemInfoTool;
}

bool FakePlatform::StartProgram(std::string_view path) {
    startedPrograms.emplace_back(path);
    return programsStart;
}

std::string FakePlatform::ReadmePath() {
    return readmePath;
}

void FakePlatform::OpenAddress(std::string_view address) {
    openedAddresses.emplace_back(address);
}

void FakePlatform::SetCursorArea(WindowHandle w, int id, const PixelRect& r, PointerShape shape) {
    auto& areas = Window(w).cursorAreas;
    if (shape == PointerShape::Arrow) {
        areas.erase(id);
    } else {
        areas[id] = {r, shape};
    }
}

}  // namespace platform::fake
