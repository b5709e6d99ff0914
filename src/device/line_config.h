#pragma once
// The pure part of configuring a line: names, device control block, event mask, error report texts.
// The bit values are the communications driver's, so every backend reports in the same terms.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/serial_port.h"

namespace lr::device {

namespace event {
inline constexpr std::uint32_t RxChar = 1;
inline constexpr std::uint32_t RxFlag = 2;
inline constexpr std::uint32_t TxEmpty = 4;
inline constexpr std::uint32_t Cts = 8;
inline constexpr std::uint32_t Dsr = 16;
inline constexpr std::uint32_t Rlsd = 32;
inline constexpr std::uint32_t Break = 64;
inline constexpr std::uint32_t Err = 128;
inline constexpr std::uint32_t Ring = 256;
inline constexpr std::uint32_t Rx80Full = 1024;
}  // namespace event

namespace modem {
inline constexpr std::uint32_t Cts = 0x10;
inline constexpr std::uint32_t Dsr = 0x20;
inline constexpr std::uint32_t Ring = 0x40;
inline constexpr std::uint32_t Rlsd = 0x80;
}  // namespace modem

namespace lineError {
inline constexpr std::uint32_t RxOver = 0x1;
inline constexpr std::uint32_t Overrun = 0x2;
inline constexpr std::uint32_t RxParity = 0x4;
inline constexpr std::uint32_t Frame = 0x8;
inline constexpr std::uint32_t Break = 0x10;
inline constexpr std::uint32_t TxFull = 0x100;
inline constexpr std::uint32_t IoError = 0x400;
inline constexpr std::uint32_t Mode = 0x8000;
}  // namespace lineError

// "COMn": at most 6 characters, "COM" in any case, then decimal digits up to the first other
// character; n in 1..255.
std::optional<int> comNumber(std::string_view name);
// The number of a name that is exactly "COM" and digits (any case), as the OS names its ports.
std::optional<int> strictComNumber(std::string_view name);

// The device control block as the driver takes it.
struct ControlBlock {
    std::uint32_t length = 28;
    std::uint32_t baud = 0;
    std::uint32_t flags = 0;
    std::uint16_t xonLim = 0;
    std::uint16_t xoffLim = 0;
    std::uint8_t byteSize = 8;
    std::uint8_t parity = 0;
    std::uint8_t stopBits = 0;
    char xonChar = 0;
    char xoffChar = 0;
    char errorChar = 0;
    char evtChar = 0;
};

namespace dcb {
inline constexpr std::uint32_t Binary = 0x1;
inline constexpr std::uint32_t Parity = 0x2;
inline constexpr std::uint32_t OutxCtsFlow = 0x4;
inline constexpr std::uint32_t OutxDsrFlow = 0x8;
inline constexpr std::uint32_t DtrEnable = 0x10;
inline constexpr std::uint32_t DtrHandshake = 0x20;
inline constexpr std::uint32_t DsrSensitivity = 0x40;
inline constexpr std::uint32_t TxContinueOnXoff = 0x80;
inline constexpr std::uint32_t OutX = 0x100;
inline constexpr std::uint32_t InX = 0x200;
inline constexpr std::uint32_t ErrorChar = 0x400;
inline constexpr std::uint32_t Null = 0x800;
inline constexpr std::uint32_t RtsEnable = 0x1000;
inline constexpr std::uint32_t RtsHandshake = 0x2000;
inline constexpr std::uint32_t RtsToggle = 0x3000;
inline constexpr std::uint32_t AbortOnError = 0x4000;
}  // namespace dcb

ControlBlock controlBlock(const LineSettings& settings);

// The switches EvRxChar, EvRxFlag, EvTxEmpty, EvCts, EvDsr, EvRlsd, EvBreak, EvErr, EvRing, EvRx80Full.
std::uint32_t eventMask(const std::array<bool, 10>& switches);

// The lines of the error report for the driver's error flags, in report order.
std::vector<std::string> errorReport(std::uint32_t errors, bool parityCheck);

// The probe port's control text: "baud=9600 parity=N data=8 stop=1 octs=off".
std::string probeControlText(std::uint32_t baud, char parity);
// The letter of a parity index into "NOEMS"; N outside it.
char parityLetter(int parity);
// The probe port's line, for the backends that build the line themselves.
LineSettings probeLineSettings(const ProbeSettings& probe);

}  // namespace lr::device
