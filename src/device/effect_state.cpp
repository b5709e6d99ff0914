#include "device/effect_state.h"

#include "runtime/strings.h"
#include "runtime/tdata.h"

namespace lr::effect {

std::int32_t stateDigit(std::string_view state, std::size_t position) {
    if (position == 0 || position > state.size()) return 0;
    return parseInteger(state.substr(position - 1, 1));
}

// FLP4's line ends with a blank, as the resource was made; the blank is past the 31 positions read.
std::string_view presetResource() {
    return "0202123252728080705030100001004\r\n"
           "1010101010106060606060600110102\r\n"
           "0202123252728282725232121000103\r\n"
           "4252725282624282625282420000112\r\n"
           "0000121222223242526272820100104\r\n"
           "0202020280800202020280800011003\r\n"
           "0202123252728080705030100001004\r\n"
           "0000121222223242526272820100104\r\n"
           "2222606012226060122260601000002\r\n"
           "8202028202028202028202020001001 \r\n";
}

std::vector<std::string> presetLines() {
    return splitLines(presetResource());
}

}  // namespace lr::effect
