// The command stream on arbitrary bytes, as the simulated controller and the strip windows read it:
// every decoded command is in range, and feeding byte by byte gives what feeding all at once gives.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "device/command_decoder.h"
#include "runtime/point.h"
#include "striptest/strip_decoder.h"

namespace {

void checkRange(const lr::device::Command& c) {
    if (c.target < 0 || c.target > 11 || c.value < 0 || c.value > 9) std::abort();
}

struct Levels : lr::Element {
    void level(lr::TData& d) {
        const std::int32_t v = lr::toInteger(d);
        if (v < 0 || v > 255) std::abort();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool dispatch = (lr::installDispatch(), true);
    (void)dispatch;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    lr::device::CommandDecoder whole;
    const auto all = whole.feed(bytes);
    lr::device::CommandDecoder single;
    std::size_t k = 0;
    for (const char c : bytes) {
        if (const auto command = single.feed(c)) {
            checkRange(*command);
            if (k >= all.size() || !(all[k] == *command)) std::abort();
            ++k;
        }
    }
    if (k != all.size()) std::abort();

    Levels levels;
    lr::StripDecoder strip;
    for (auto& out : strip.onLevel)
        out = lr::bind<&Levels::level>(levels);
    lr::TData text = lr::makeString(std::string(bytes));
    strip.doText(text);
    return 0;
}
