#pragma once
// The bytes a Stream value refers to; the element that made it owns it and lends it along points.
#include <string>

namespace lr {

struct MemoryStream {
    std::string bytes;
    std::size_t position = 0;
};

}  // namespace lr
