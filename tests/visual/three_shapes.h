#pragma once
// The scene the real-window tests light on each backend: a circle, a rectangle and a locked ladder over a
// coloured desktop.
#include <gtest/gtest.h>

#include <memory>

#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "ui/image.h"
#include "ui/platform.h"
#include "visual/visual_host.h"

namespace three_shapes {

inline constexpr ui::Color kDesktop = ui::rgb(40, 90, 160);
inline constexpr ui::Rect kArea{60, 60, 400, 240};  // the part of the screen the shapes stand in

using visual_page::Host;

inline void putScheme(settings::MemorySystem& sys) {
    sys.addFolder("C:\\Prog\\visualization");
    sys.putFile(
        "C:\\Prog\\visualization\\Three.vsc",
        "[circle_color]\r\n0=80:80:A:B:C:D:255:0:0\r\n[rectangle]\r\n0=200:80:120:100:A:B:C:255:0:0\r\n"
        "[led_ledder]\r\n0=340:80:E:255:1:0\r\n");
    sys.putFile("C:\\Prog\\lumenrig.ini", "[scheme]\r\nvisualization=Three\r\n");
}

// The desktop, and the page in its host window, shown; the program started, the shapes run and lit.
struct Scene {
    explicit Scene(ui::Platform& platform)
        : desktop(platform.toolkit().createWindow(
              {"desktop", {0, 0, 800, 600}, ui::WindowBorder::None, kDesktop})),
          window(platform.toolkit().createWindow({"Lumenrig", {0, 620, 541, 240}})) {
        desktop->setVisible(true);
        window->setVisible(true);
        page = std::make_unique<Host>(window.get());
        lr::start();
        page->input(0, lr::makeInteger(1));
        page->input(2);
        page->input(3, lr::makeInteger(1));
        for (const char* c : {"A8", "B4", "C0", "D6", "E5"})
            page->input(1, lr::makeString(c));
    }
    std::unique_ptr<ui::Window> desktop;
    std::unique_ptr<ui::Window> window;
    std::unique_ptr<Host> page;
};

// What the screen must show of the lit shapes, taken over kArea.
inline void expectLit(const ui::Image& shot) {
    auto at = [&](int x, int y) { return shot.pixel(x - kArea.left, y - kArea.top); };
    EXPECT_EQ(at(120, 120), ui::rgb(248, 124, 0)) << "the lit circle";
    EXPECT_EQ(at(82, 82), kDesktop) << "the circle's white corner is see-through";
    EXPECT_EQ(at(120, 175), kDesktop) << "so is the white under its lamp";
    EXPECT_EQ(at(377, 80 + 5 + 145 - 8), ui::rgb(0, 255, 0)) << "the ladder's lowest segment";
    EXPECT_EQ(at(377, 92), kDesktop) << "its unlit top segment is see-through";
}

}  // namespace three_shapes
