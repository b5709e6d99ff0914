#include "ui/win32/loop.h"

namespace ui::win32 {

namespace {
constexpr UINT RunTasks = WM_APP + 1;
constexpr UINT Quit = WM_APP + 2;
constexpr wchar_t ClassName[] = L"LumenrigLoop";
}  // namespace

Win32Loop::Win32Loop() : thread_(GetCurrentThreadId()) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Win32Loop::proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = ClassName;
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Loop::~Win32Loop() {
    for (const auto& [id, tick] : timers_)
        KillTimer(hwnd_, id);
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK Win32Loop::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Win32Loop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_TIMER:
            self->tick(wp);
            return 0;
        case RunTasks:
            self->tasks_.runPending();
            return 0;
        case Quit:
            PostQuitMessage(static_cast<int>(wp));
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

void Win32Loop::tick(UINT_PTR id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) return;
    // The tick may stop its own timer; keep the callable alive while it runs.
    const auto callback = it->second;
    (*callback)();
}

TimerId Win32Loop::startTimer(std::uint32_t intervalMs, std::function<void()> tick) {
    const UINT_PTR id = nextTimer_++;
    timers_[id] = std::make_shared<std::function<void()>>(std::move(tick));
    SetTimer(hwnd_, id, intervalMs ? intervalMs : 1, nullptr);
    return id;
}

void Win32Loop::stopTimer(TimerId id) {
    if (timers_.erase(static_cast<UINT_PTR>(id))) KillTimer(hwnd_, static_cast<UINT_PTR>(id));
}

void Win32Loop::post(std::function<void()> task) {
    tasks_.push(std::move(task));
    PostMessageW(hwnd_, RunTasks, 0, 0);
}

void Win32Loop::dispatch(const MSG& msg) {
    ++dispatched_;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Win32Loop::pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for run()
            return;
        }
        dispatch(msg);
    }
}

int Win32Loop::run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        dispatch(msg);
    return static_cast<int>(msg.wParam);
}

void Win32Loop::quit(int exitCode) {
    if (GetCurrentThreadId() == thread_) {
        PostQuitMessage(exitCode);
    } else {
        PostMessageW(hwnd_, Quit, static_cast<WPARAM>(exitCode), 0);
    }
}

std::uint64_t Win32Loop::nowMs() const {
    return GetTickCount64();
}

}  // namespace ui::win32
