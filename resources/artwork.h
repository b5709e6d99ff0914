#pragma once
// The program's pictures built into the executable, for the backends that have no resource section
// (headless, Qt): the very 24-bit bitmap files the Windows resources hold, under the same names.
#include <span>
#include <string_view>

#include "ui/headless/headless_services.h"
#include "ui/image.h"

namespace art {

struct StoredBitmap {
    std::string_view name;  // as the program asks for it: "BITMAP7", "ICON0"
    std::string_view file;  // the bytes of the .bmp file
};

// Every built-in picture, ordered by name.
std::span<const StoredBitmap> storedBitmaps();

// The picture of that name; empty when there is none.
ui::Image bitmap(std::string_view name);

// A .bmp file of 24 or 32 bits per pixel, uncompressed, bottom-up or top-down; empty when the bytes
// are not such a file.
ui::Image decodeBmp(std::string_view file);

// Gives the headless backend every built-in picture.
void addTo(ui::headless::HeadlessResources& resources);

}  // namespace art
