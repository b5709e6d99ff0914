#include "resources/artwork.h"

#include <algorithm>
#include <cstdint>

namespace art {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr std::int64_t kLargestSide = 16384;  // nothing the program draws comes near; bounds an allocation

std::uint32_t read(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t k = size; k-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + k]);
    return value;
}

std::int32_t readSigned(std::string_view bytes, std::size_t at) {
    return static_cast<std::int32_t>(read(bytes, at, 4));
}

struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    std::size_t pixelBytes = 0;  // 3 or 4
    std::size_t offset = 0;
    std::size_t stride = 0;
};

bool readLayout(std::string_view file, Layout& out) {
    if (file.size() < kFileHeader + kInfoHeader || file.substr(0, 2) != "BM") return false;
    const std::int64_t width = readSigned(file, 18), height = readSigned(file, 22);
    const std::uint32_t bits = read(file, 28, 2), compression = read(file, 30, 4);
    if (read(file, 14, 4) < kInfoHeader || read(file, 26, 2) != 1 || compression != 0) return false;
    if ((bits != 24 && bits != 32) || width <= 0 || width > kLargestSide || height == 0 ||
        height < -kLargestSide || height > kLargestSide)
        return false;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height < 0 ? -height : height);
    out.topDown = height < 0;
    out.pixelBytes = bits / 8;
    out.offset = read(file, 10, 4);
    out.stride = (static_cast<std::size_t>(out.width) * out.pixelBytes + 3) / 4 * 4;
    return out.offset <= file.size() &&
           (file.size() - out.offset) / out.stride >= static_cast<std::size_t>(out.height);
}

}  // namespace

ui::Image decodeBmp(std::string_view file) {
    Layout l;
    if (!readLayout(file, l)) return {};
    ui::Image image(l.width, l.height);
    for (int y = 0; y < l.height; ++y) {
        const int row = l.topDown ? y : l.height - 1 - y;
        const std::size_t start = l.offset + static_cast<std::size_t>(row) * l.stride;
        for (int x = 0; x < l.width; ++x) {
            const std::size_t at = start + static_cast<std::size_t>(x) * l.pixelBytes;
            image.setPixel(
                x, y,
                ui::rgb(static_cast<unsigned char>(file[at + 2]), static_cast<unsigned char>(file[at + 1]),
                        static_cast<unsigned char>(file[at])));
        }
    }
    return image;
}

ui::Image bitmap(std::string_view name) {
    const auto all = storedBitmaps();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const StoredBitmap& b) { return b.name == name; });
    return found == all.end() ? ui::Image{} : decodeBmp(found->file);
}

void addTo(ui::headless::HeadlessResources& resources) {
    for (const StoredBitmap& b : storedBitmaps())
        resources.addBitmap(std::string(b.name), decodeBmp(b.file));
}

}  // namespace art
