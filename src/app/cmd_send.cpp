#include "app/cmd_send.h"

#include <chrono>
#include <optional>
#include <thread>

#include "app/cli.h"
#include "device/protocol.h"
#include "device/serial_port.h"

namespace lumenrig::cli {

namespace {

constexpr const char* kUsage =
    "usage: lumenrig-cli send --port NAME [--] TEXT...\n"
    "       lumenrig-cli send --port NAME --read-state\n";
constexpr auto kReplyWait = std::chrono::milliseconds(100);

struct SendRequest {
    std::string port;
    bool readState = false;
    std::vector<std::string> texts;
};

std::optional<SendRequest> parse(const std::vector<std::string>& words) {
    const Args args = splitArgs(words, {"--port"});
    SendRequest request;
    for (const std::string& option : args.options) {
        if (option.rfind("--port=", 0) == 0) {
            request.port = option.substr(7);
        } else if (option == "--read-state") {
            request.readState = true;
        } else {
            return std::nullopt;
        }
    }
    request.texts = args.arguments;
    if (request.port.empty() || request.readState == !request.texts.empty()) return std::nullopt;
    return request;
}

bool writeAll(lr::device::SerialPort& port, const SendRequest& request, std::FILE* err) {
    for (const std::string& text : request.texts) {
        const auto result = port.write(text);
        if (result.status != lr::device::IoStatus::Done || result.written != text.size()) {
            std::fprintf(err, "lumenrig-cli: %s: wrote %zu of %zu bytes of \"%s\"\n", request.port.c_str(),
                         result.written, text.size(), text.c_str());
            return false;
        }
    }
    return true;
}

// As the read-back does it: one byte per position, nothing read counts as 0.
std::string readState(lr::device::SerialPort& port) {
    port.write(lr::device::kReadState);
    std::this_thread::sleep_for(kReplyWait);
    std::string state;
    for (std::size_t position = 1; position <= lr::device::kStateLength; ++position) {
        const std::string byte = port.read(1).bytes;
        state += lr::device::decodeStateByte(position, byte.empty() ? 0 : static_cast<std::uint8_t>(byte[0]));
    }
    return state;
}

}  // namespace

int runSend(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    const auto request = parse(words);
    if (!request) {
        std::fputs(kUsage, err);
        return 2;
    }
    auto opened = lr::device::openSerialPort(request->port, lr::device::LineSettings{});
    if (!opened.port) {
        std::fprintf(err, "lumenrig-cli: %s\n", opened.error.c_str());
        return 1;
    }
    if (request->readState) {
        std::fprintf(out, "%s\n", readState(*opened.port).c_str());
        return 0;
    }
    return writeAll(*opened.port, *request, err) ? 0 : 1;
}

}  // namespace lumenrig::cli
