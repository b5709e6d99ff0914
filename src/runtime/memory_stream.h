#pragma once
// The bytes a Stream value refers to; the element that made it owns it and lends it along points.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace lr {

struct MemoryStream {
    std::string bytes;
    std::size_t position = 0;

    void assign(std::span<const std::uint8_t> data) {
        bytes.assign(reinterpret_cast<const char*>(data.data()), data.size());
        position = 0;
    }
};

}  // namespace lr
