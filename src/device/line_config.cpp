#include "device/line_config.h"

#include <cctype>

namespace lr::device {

namespace {

constexpr std::size_t kMaxComNameLength = 6;
constexpr int kMaxComNumber = 255;

bool hasComPrefix(std::string_view name) {
    if (name.size() < 3) return false;
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return false;
    }
    return true;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Decimal digits from the start up to the first other character; stops growing past the limit.
int leadingNumber(std::string_view digits) {
    int n = 0;
    for (char c : digits) {
        if (!isDigit(c)) break;
        n = n * 10 + (c - '0');
        if (n > kMaxComNumber) break;
    }
    return n;
}

std::optional<int> inRange(int n) {
    if (n < 1 || n > kMaxComNumber) return std::nullopt;
    return n;
}

}  // namespace

std::optional<int> comNumber(std::string_view name) {
    if (name.size() > kMaxComNameLength || !hasComPrefix(name)) return std::nullopt;
    return inRange(leadingNumber(name.substr(3)));
}

std::optional<int> strictComNumber(std::string_view name) {
    if (!hasComPrefix(name) || name.size() == 3 || name.size() > kMaxComNameLength) return std::nullopt;
    for (char c : name.substr(3)) {
        if (!isDigit(c)) return std::nullopt;
    }
    return inRange(leadingNumber(name.substr(3)));
}

namespace {

// DTR and RTS control by index; other values disable the line.
std::uint32_t dtrFlags(int dtrControl) {
    switch (dtrControl) {
        case 1:
            return dcb::DtrEnable;
        case 2:
            return dcb::DtrHandshake;
        default:
            return 0;
    }
}

std::uint32_t rtsFlags(int rtsControl) {
    switch (rtsControl) {
        case 1:
            return dcb::RtsEnable;
        case 2:
            return dcb::RtsHandshake;
        case 3:
            return dcb::RtsToggle;
        default:
            return 0;
    }
}

std::uint32_t switchFlags(const LineSettings& s) {
    std::uint32_t flags = 0;
    if (s.discardNull) flags |= dcb::Null;
    if (s.abortOnError) flags |= dcb::AbortOnError;
    if (s.parityCheck) flags |= dcb::Parity;
    if (s.parityCheck && s.errorCharReplace) flags |= dcb::ErrorChar;
    if (s.dsrSensitivity) flags |= dcb::DsrSensitivity;
    if (s.outxCtsFlow) flags |= dcb::OutxCtsFlow;
    if (s.outxDsrFlow) flags |= dcb::OutxDsrFlow;
    if (s.txContinueOnXoff) flags |= dcb::TxContinueOnXoff;
    if (s.inX) flags |= dcb::InX;
    if (s.outX) flags |= dcb::OutX;
    return flags;
}

}  // namespace

ControlBlock controlBlock(const LineSettings& s) {
    ControlBlock block;
    block.baud = s.baud;
    block.xonLim = block.xoffLim = static_cast<std::uint16_t>(s.inBufSize / 4);
    block.parity = static_cast<std::uint8_t>(s.parity);
    block.byteSize = static_cast<std::uint8_t>(s.byteSize + 5);
    block.stopBits = static_cast<std::uint8_t>(s.stopBits);
    block.evtChar = s.evtChar;
    block.xonChar = s.xonChar;
    block.xoffChar = s.xoffChar;
    block.flags = dcb::Binary | dtrFlags(s.dtrControl) | rtsFlags(s.rtsControl) | switchFlags(s);
    if (block.flags & dcb::ErrorChar) block.errorChar = s.errorChar;
    return block;
}

std::uint32_t eventMask(const std::array<bool, 10>& switches) {
    static constexpr std::uint32_t kBits[] = {event::RxChar, event::RxFlag,  event::TxEmpty, event::Cts,
                                              event::Dsr,    event::Rlsd,    event::Break,   event::Err,
                                              event::Ring,   event::Rx80Full};
    std::uint32_t mask = 0;
    for (std::size_t i = 0; i < switches.size(); ++i) {
        if (switches[i]) mask |= kBits[i];
    }
    return mask;
}

std::vector<std::string> errorReport(std::uint32_t errors, bool parityCheck) {
    struct Line {
        std::uint32_t flag;
        const char* text;
    };
    static constexpr Line kLines[] = {
        {lineError::Frame, "Receive Framing Error"},   {lineError::RxParity, "Receive Parity Error"},
        {lineError::Overrun, "Receive Overrun Error"}, {lineError::RxOver, "Receive Queue overflow"},
        {lineError::TxFull, "TX Queue is full"},       {lineError::Break, "Break Detected"},
        {lineError::IoError, "Port I/O Error"},        {lineError::Mode, "Requested mode unsupported"},
    };
    std::vector<std::string> report;
    for (const Line& line : kLines) {
        if (line.flag == lineError::RxParity && !parityCheck) continue;
        if (errors & line.flag) report.emplace_back(line.text);
    }
    return report;
}

char parityLetter(int parity) {
    static constexpr std::string_view kLetters = "NOEMS";
    return parity >= 0 && parity < static_cast<int>(kLetters.size())
               ? kLetters[static_cast<std::size_t>(parity)]
               : 'N';
}

std::string probeControlText(std::uint32_t baud, char parity) {
    return "baud=" + std::to_string(baud) + " parity=" + parity + " data=8 stop=1 octs=off";
}

LineSettings probeLineSettings(const ProbeSettings& probe) {
    LineSettings line;
    line.baud = probe.baud;
    const std::string_view letters = "NOEMS";
    const auto index = letters.find(probe.parity);
    line.parity = index == std::string_view::npos ? 0 : static_cast<int>(index);
    line.timeouts = Timeouts{probe.timeout, probe.timeout, probe.timeout, probe.timeout, probe.timeout};
    return line;
}

}  // namespace lr::device
