#include "ambilight/screen_elements.h"

#include <array>
#include <vector>

#include "ambilight/screen_source.h"

namespace lr {

namespace {

// Larger copies are refused rather than trying to allocate them.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 27;

bool validSize(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width * height <= kMaxPixels;
}

// Nearest integer, halves to even, of sum / count.
int roundedMean(std::uint64_t sum, std::uint64_t count) {
    const std::uint64_t quotient = sum / count;
    const std::uint64_t twice = (sum % count) * 2;
    const bool up = twice > count || (twice == count && (quotient & 1) != 0);
    return static_cast<int>(quotient + (up ? 1 : 0));
}

// Source pixels [first, last) that fall on result pixel `k` of `parts`.
std::array<int, 2> span(int k, int parts, int length) {
    const auto first = static_cast<int>(static_cast<std::int64_t>(k) * length / parts);
    const auto last = static_cast<int>(static_cast<std::int64_t>(k + 1) * length / parts);
    return {first, std::max(last, first + 1)};
}

ui::Color meanOf(const ui::Image& source, std::array<int, 2> xs, std::array<int, 2> ys) {
    std::array<std::uint64_t, 3> sums{};
    const std::vector<ui::Color>& pixels = source.pixels();
    for (int y = ys[0]; y < ys[1]; ++y) {
        const auto row = static_cast<std::size_t>(y) * static_cast<std::size_t>(source.width());
        for (auto i = row + static_cast<std::size_t>(xs[0]); i < row + static_cast<std::size_t>(xs[1]); ++i) {
            const ui::Color c = pixels[i];
            sums[0] += c & 0xFF;
            sums[1] += (c >> 8) & 0xFF;
            sums[2] += (c >> 16) & 0xFF;
        }
    }
    const auto count = static_cast<std::uint64_t>(xs[1] - xs[0]) * static_cast<std::uint64_t>(ys[1] - ys[0]);
    return ui::rgb(roundedMean(sums[0], count), roundedMean(sums[1], count), roundedMean(sums[2], count));
}

const ui::Image* bitmapOf(void* ref) {
    return static_cast<const ui::Image*>(ref);
}

}  // namespace

ui::Image halftone(const ui::Image& source, int width, int height) {
    ui::Image out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.setPixel(x, y,
                         meanOf(source, span(x, width, source.width()), span(y, height, source.height())));
    return out;
}

ui::Image nearest(const ui::Image& source, int width, int height) {
    ui::Image out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.setPixel(
                x, y, source.pixel(span(x, width, source.width())[0], span(y, height, source.height())[0]));
    return out;
}

void THIScreen::ScreenWidth(TData& data) {
    data = makeInteger(ambilight::screenSource().size().width);
}

void THIScreen::ScreenHeight(TData& data) {
    data = makeInteger(ambilight::screenSource().size().height);
}

void THIImg_Copy::doCopy(TData& data) {
    const std::int32_t x = readInteger(data, X, X_);
    const std::int32_t y = readInteger(data, Y, Y_);
    const std::int32_t width = readInteger(data, Width, Width_);
    const std::int32_t height = readInteger(data, Height, Height_);
    bitmap_ = {};
    if (!validSize(width, height)) return;
    bitmap_ = ambilight::screenSource().copy({x, y, width, height});
    if (bitmap_.empty()) return;
    fireBitmap(onCopy, &bitmap_);
}

void THIResize::doResize(TData& data) {
    const ui::Image* source = isBitmap(data) ? bitmapOf(data.ref) : nullptr;
    if (!source || source->empty() || !validSize(Width, Height)) return;
    result_ = Mode ? halftone(*source, Width, Height) : nearest(*source, Width, Height);
    fireBitmap(onResize, &result_);
}

void THIResize::Result(TData& data) {
    data = result_.empty() ? makeNull() : makeBitmap(&result_);
}

void THIImg_GetPoint::doGetPixel(TData& data) {
    if (Source == 0) {
        const ui::Image* bitmap = bitmapOf(readBitmap(data, Bitmap));
        if (bitmap && X >= 0 && Y >= 0 && X < bitmap->width() && Y < bitmap->height())
            last_ = static_cast<std::int32_t>(bitmap->pixel(X, Y));
    }
    fireInteger(onGetPixel, last_);
}

void THIScreenShort::doShot(TData&) {
    ambilight::ScreenSource& screen = ambilight::screenSource();
    const ui::Size size = screen.size();
    if (!validSize(size.width, size.height)) return;
    ui::Image shot = screen.copy({0, 0, size.width, size.height});
    if (shot.empty()) return;
    fireBitmap(onCapture, &shot);
}

}  // namespace lr
