#pragma once
// A page under Wine as the main window holds it: in a borderless host window, built through its outer
// edge, shown by the inputs given, and with time to paint.
#include <windows.h>

#include <initializer_list>
#include <memory>

#include "runtime/multi_element.h"
#include "ui/platform.h"

template <class Page>
class Win32PageHost {
  public:
    Win32PageHost(ui::Platform& platform, const char* caption, ui::Rect place, std::uint16_t inputs,
                  std::initializer_list<std::uint16_t> shownBy = {0})
        : platform_(platform), window_(platform.toolkit().createWindow({caption, place})) {
        window_->setBorder(ui::WindowBorder::None);  // the page fills the picture
        window_->setVisible(true);
        outer_ = std::make_unique<lr::THIMultiElement>(window_.get(), nullptr, inputs, 0);
        outer_->setCreate(
            [this](ui::Control* p, lr::TClassMultiBase* o) { return std::make_unique<Page>(p, o, *outer_); });
        for (std::uint16_t input : shownBy) {
            lr::TData show = lr::makeInteger(1);
            outer_->doWork(show, input);
        }
        settle();
    }

    // Real windows paint when their messages come: the loop runs a while.
    void settle() {
        for (int i = 0; i < 30; ++i) {
            platform_.loop().pump();
            Sleep(10);
        }
    }
    HWND top() const { return reinterpret_cast<HWND>(window_->handle()); }

  private:
    ui::Platform& platform_;
    std::unique_ptr<ui::Window> window_;
    std::unique_ptr<lr::THIMultiElement> outer_;  // goes before its window
};
