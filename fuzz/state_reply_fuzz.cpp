// The 31-byte state reply on arbitrary bytes: every position decodes to digits only, and the Effect
// page's reading of any state text gives digits in range.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "device/effect_state.h"
#include "device/protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string state;
    for (std::size_t position = 1; position <= 31; ++position) {
        const std::uint8_t byte = position <= size ? data[position - 1] : 0;
        state += lr::device::decodeStateByte(position, byte);
    }
    for (const char c : state)
        if (!std::isdigit(static_cast<unsigned char>(c))) std::abort();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::size_t position = 1; position <= 32; ++position) {
        const std::int32_t digit = lr::effect::stateDigit(text, position);
        if (digit < 0 || digit > 9) std::abort();
    }
    return 0;
}
