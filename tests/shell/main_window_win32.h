#pragma once
// The whole main window on the Win32 backend under Wine, on a system in memory: built and started as
// the program starts, its message loop pumped, closed through the window at the end.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "device/serial_port.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "settings/window_positions.h"
#include "shell/main_form.h"
#include "ui/win32/win32_platform.h"
#include "win32_children.h"

class MainWindowWin32 : public testing::Test {
  protected:
    MainWindowWin32() {
        sys.addFolder("C:\\Prog");
        lr::device::useSystemPorts(false);
        lr::resetLifecycle();
    }
    ~MainWindowWin32() override {
        end();
        lr::device::useSystemPorts(true);
    }

    // Closes the window as the program ends and destroys the tree; a fixture whose members the pages
    // use ends the program before they go.
    void end() {
        if (root) {
            lr::TData none;
            root->mainForm().doClose(none);
            platform->loop().pump();
        }
        root.reset();
        // The next test's program starts on a thread without this one's quit.
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        lr::resetLifecycle();
    }

    void build(const lr::PageFactories& pages = lr::programPages()) {
        root = std::make_unique<lr::TClassMainForm_1E8A0D0>(pages);
        lr::start();
        pump();
    }
    // Lets the window paint and the posted work run, as a moment of the message loop does.
    void pump() {
        for (int i = 0; i < 30; ++i) {
            platform->loop().pump();
            Sleep(10);
        }
    }
    HWND window() { return reinterpret_cast<HWND>(root->mainForm().window().handle()); }
    int height() { return root->mainForm().window().bounds().height; }
    HWND child(const char* caption) {
        const std::vector<Win32Child> children = childrenOf(window());
        const Win32Child* found = withText(children, caption);
        return found ? found->hwnd : nullptr;
    }
    // A click on the child button of the main window with this caption, as the mouse gives it.
    bool click(const char* caption) {
        HWND button = child(caption);
        if (button) SendMessageW(button, BM_CLICK, 0, 0);
        return button != nullptr;
    }

    settings::MemorySystem sys;
    const settings::ScopedSystem sysScope{sys};
    const settings::ScopedWindowPositions positions;
    const std::unique_ptr<ui::Platform> platform = ui::win32::Win32Platform::create();
    const ui::ScopedPlatform scope{*platform};
    std::unique_ptr<lr::TClassMainForm_1E8A0D0> root;
};
