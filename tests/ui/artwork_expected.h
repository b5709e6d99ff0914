#pragma once
// Every picture the program asks for, with the size its control gives it: image buttons and pictures
// fill their control; a push button's bitmap sits beside its caption inside the button's frame.
#include <string>
#include <vector>

#include "ui/geometry.h"

struct ExpectedPicture {
    std::string name;
    ui::Size size;
};

inline std::vector<ExpectedPicture> expectedPictures() {
    std::vector<ExpectedPicture> all;
    const auto add = [&](std::initializer_list<const char*> names, ui::Size size) {
        for (const char* n : names)
            all.push_back({n, size});
    };
    const auto numbered = [&](int first, int last, ui::Size size) {
        for (int k = first; k <= last; ++k)
            all.push_back({"BITMAP" + std::to_string(k), size});
    };
    add({"BITMAP0", "BITMAP3", "BITMAP4", "BITMAP5"}, {14, 14});  // top strip, 20 x 20 buttons
    add({"BITMAP1", "BITMAP2", "BITMAP13"}, {15, 15});            // minimise, close, close languages
    numbered(6, 12, {16, 16});                                    // mode bar, 70 x 30 with caption
    numbered(14, 17, {40, 40});                                   // Run, four states
    numbered(18, 20, {30, 40});                                   // Stop, three states
    numbered(21, 24, {16, 16});                                   // Save and Refresh, 25 x 22
    numbered(65, 71, {16, 16});                                   // Auto page, 23 high
    numbered(72, 78, {16, 16});                                   // tray menu rows, 20 high
    numbered(79, 81, {30, 40});                                   // Visual page Stop
    numbered(82, 83, {16, 16});                                   // Visual page Save, Refresh
    numbered(84, 87, {40, 40});                                   // Visual page Run
    numbered(88, 91, {24, 24});                                   // shape buttons, 160 x 30 with caption
    numbered(92, 93, {15, 42});                                   // strip window close, reset
    add({"AMBILIGHT_VIEW"}, {55, 45});
    add({"AMBILIGHT_FAST"}, {55, 50});
    add({"AMBILIGHT_LAYOUT0", "AMBILIGHT_LAYOUT1", "AMBILIGHT_LAYOUT2"}, {225, 175});
    for (const char* k : {"0", "1", "2"})
        for (const char* state : {"", "_HOT", "_PRESSED"})
            all.push_back({std::string("AMBILIGHT_SCREEN") + k + state, {115, 90}});
    add({"EEPROM_SAVE", "EEPROM_RESTORE", "EEPROM_READ"}, {16, 16});  // Effect page, beside captions
    return all;
}

inline const std::vector<std::string>& expectedIcons() {
    static const std::vector<std::string> icons{"ICON0", "ASMA"};
    return icons;
}
