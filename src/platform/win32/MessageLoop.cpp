// Timers and posted tasks on a message-only window; GetMessageW loop until WM_QUIT.
#include "platform/win32/MessageLoop.h"

namespace platform::win32 {

namespace {

constexpr UINT kRunTask = WM_APP + 1;
constexpr wchar_t kClassName[] = L"VigilonMessageLoop";

void RegisterLoopClass(WNDPROC proc) {
    static const bool registered = [proc] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        return ::RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

MessageLoop::MessageLoop() {
    RegisterLoopClass(&MessageLoop::WindowProc);
    window_ =
        ::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ::GetModuleHandleW(nullptr), this);
}

MessageLoop::~MessageLoop() {
    for (const auto& entry : timers_)
        ::KillTimer(window_, entry.first);
    timers_.clear();
    if (window_)
        ::DestroyWindow(window_);
}

TimerId MessageLoop::StartTimer(std::uint32_t intervalMs, std::function<void()> tick) {
    if (!window_)
        return 0;
    do {
        ++lastId_;
    } while (lastId_ == 0 || timers_.count(lastId_) != 0);
    const TimerId id = lastId_;
    if (::SetTimer(window_, id, intervalMs < 1 ? 1 : intervalMs, nullptr) == 0)
        return 0;
    auto timer = std::make_shared<Timer>();
    timer->tick = std::move(tick);
    timers_.emplace(id, std::move(timer));
    return id;
}

void MessageLoop::StopTimer(TimerId id) {
    if (timers_.erase(id) != 0)
        ::KillTimer(window_, id);
}

void MessageLoop::OnTimer(TimerId id) {
    const auto it = timers_.find(id);
    if (it == timers_.end())
        return;  // stopped while its message was on its way
    // The shared reference keeps the tick alive if the tick stops its own timer.
    const std::shared_ptr<Timer> timer = it->second;
    if (timer->running)
        return;
    timer->running = true;
    timer->tick();
    timer->running = false;
}

void MessageLoop::Post(std::function<void()> task) {
    tasks_.push_back(std::move(task));
    Wake();
}

void MessageLoop::Wake() {
    if (wakePending_ || !window_)
        return;
    wakePending_ = ::PostMessageW(window_, kRunTask, 0, 0) != FALSE;
}

void MessageLoop::RunNextTask() {
    wakePending_ = false;
    if (tasks_.empty())
        return;
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    // Ask for the next one first, so a task that opens a modal loop does not hold up the rest.
    if (!tasks_.empty())
        Wake();
    task();
}

void MessageLoop::RunLoop() {
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (preTranslate_ && preTranslate_(msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void MessageLoop::QuitLoop() {
    ::PostQuitMessage(0);
}

void MessageLoop::ExitProcess(int code) {
    ::ExitProcess(static_cast<UINT>(code));
}

LRESULT CALLBACK MessageLoop::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MessageLoop*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self) {
        switch (msg) {
            case WM_TIMER:
                self->OnTimer(static_cast<TimerId>(wp));
                return 0;
            case kRunTask:
                self->RunNextTask();
                return 0;
            case WM_NCDESTROY:
                ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
                self->window_ = nullptr;
                break;
            default:
                break;
        }
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace platform::win32
