#pragma once
// A page as the headless canvas draws it, kept beside the test program for a look. The canvas has no
// glyphs, so a second picture ("<name>_texts.png") frames the box of every text run in blue.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "settings/system.h"
#include "ui/headless/headless_control.h"
#include "ui/png.h"
#include "ui/software_painter.h"

inline ui::Image saveScreenshot(ui::headless::HeadlessControl& control, const std::string& name) {
    const ui::Image shot = control.render();
    ui::Image framed = shot;
    ui::SoftwarePainter painter(framed);
    for (const ui::TextRun& run : control.lastTexts())
        painter.frameRect(run.box, ui::rgb(0, 0, 255));
    const std::string program = settings::nativeSystem().programFile();
    const std::string folder = program.substr(0, program.find_last_of("\\/") + 1);
    if (!ui::savePng(shot, folder + name + ".png") || !ui::savePng(framed, folder + name + "_texts.png"))
        return {};
    return shot;
}

// Each text must have been drawn, in exactly its box, at the last render of `control`.
struct DrawnText {
    std::string text;
    ui::Rect box;
};
inline void expectTexts(ui::headless::HeadlessControl& control, const std::vector<DrawnText>& expected) {
    const auto& runs = control.lastTexts();
    for (const DrawnText& t : expected) {
        const auto run =
            std::find_if(runs.begin(), runs.end(), [&](const ui::TextRun& r) { return r.text == t.text; });
        if (run == runs.end()) {
            ADD_FAILURE() << "not drawn: " << t.text;
            continue;
        }
        EXPECT_EQ(run->box, t.box) << t.text;
    }
}
