#pragma once
// A page as the headless canvas draws it, kept beside the test program for a look. The canvas has no
// glyphs, so a second picture ("<name>_texts.png") frames the box of every text run in blue.
#include <string>

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
