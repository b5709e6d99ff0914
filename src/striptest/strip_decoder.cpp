#include "striptest/strip_decoder.h"

namespace lr {

void StripDecoder::doText(TData& data) {
    const std::string text = toString(data);
    for (const char c : text) {
        if (c >= 'A' && c <= 'L') {
            channel_ = static_cast<std::size_t>(c - 'A');
        } else if (c >= '0' && c <= '8') {
            fireInteger(onLevel[channel_], 255 - (c - '0') * 31);
        }
    }
}

}  // namespace lr
