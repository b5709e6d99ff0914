#pragma once
// Saves an image as an uncompressed PNG: for tests that keep what a control drew.
#include <string>

#include "ui/image.h"

namespace ui {

bool savePng(const Image& image, const std::string& path);

}  // namespace ui
