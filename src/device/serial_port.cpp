#include "device/serial_port.h"

#include <atomic>
#include <map>
#include <mutex>

#include "device/line_config.h"
#include "device/system_port.h"

namespace lr::device {

namespace {

constexpr std::uint32_t kNoInterval = 0xFFFFFFFF;

// Bound from the loop thread, looked up by whichever thread opens.
struct VirtualPorts {
    std::mutex mutex;
    std::map<int, PortFactory> factories;

    std::optional<PortFactory> find(int number) {
        std::lock_guard lock(mutex);
        const auto it = factories.find(number);
        if (it == factories.end()) return std::nullopt;
        return it->second;
    }
};

VirtualPorts& virtualPorts() {
    static VirtualPorts ports;
    return ports;
}

struct DeviceList {
    std::mutex mutex;
    std::vector<std::string> paths = defaultSerialDevices();
};

std::atomic<bool> g_systemPorts{true};

OpenResult noSystemPort(const std::string& name) {
    return {nullptr, name + ": only in-process ports are in use"};
}

DeviceList& deviceList() {
    static DeviceList list;
    return list;
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<std::uint64_t> Timeouts::writeLimit(std::size_t bytes) const {
    if (writeTotalConstant == 0 && writeTotalMultiplier == 0) return std::nullopt;
    return writeTotalConstant + std::uint64_t{writeTotalMultiplier} * bytes;
}

bool Timeouts::readReturnsAtOnce() const {
    return readInterval == kNoInterval && readTotalConstant == 0 && readTotalMultiplier == 0;
}

WriteResult SerialPort::writeWithin(std::string_view bytes, std::uint32_t) {
    return write(bytes);
}

OpenResult openSerialPort(const std::string& name, const LineSettings& settings) {
    if (const auto number = strictComNumber(name)) {
        if (auto factory = virtualPorts().find(*number)) return (*factory)(settings);
    }
    if (!g_systemPorts) return noSystemPort(name);
    return detail::openSystemPort(name, settings);
}

OpenResult openProbePort(int number, const ProbeSettings& settings) {
    if (auto factory = virtualPorts().find(number)) return (*factory)(probeLineSettings(settings));
    if (!g_systemPorts) return noSystemPort("COM" + std::to_string(number));
    return detail::openSystemProbePort(number, settings);
}

void useSystemPorts(bool use) {
    g_systemPorts = use;
}

void bindVirtualPort(int number, PortFactory factory) {
    std::lock_guard lock(virtualPorts().mutex);
    virtualPorts().factories[number] = std::move(factory);
}

void unbindVirtualPort(int number) {
    std::lock_guard lock(virtualPorts().mutex);
    virtualPorts().factories.erase(number);
}

VirtualPortBinding::VirtualPortBinding(int number, PortFactory factory) : number_(number) {
    bindVirtualPort(number, std::move(factory));
}

VirtualPortBinding::~VirtualPortBinding() {
    unbindVirtualPort(number_);
}

std::vector<std::string> defaultSerialDevices() {
    struct Family {
        const char* prefix;
        int count;
    };
    static constexpr Family kFamilies[] = {{"/dev/ttyUSB", 8}, {"/dev/ttyACM", 8}, {"/dev/ttyS", 32}};
    std::vector<std::string> paths;
    for (const Family& family : kFamilies) {
        for (int i = 0; i < family.count; ++i)
            paths.push_back(family.prefix + std::to_string(i));
    }
    return paths;
}

void setSerialDevices(std::vector<std::string> paths) {
    std::lock_guard lock(deviceList().mutex);
    deviceList().paths = std::move(paths);
}

std::vector<std::string> parseSerialDevices(std::string_view text) {
    std::vector<std::string> paths;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const auto path = trimmed(text.substr(0, comma));
        if (!path.empty()) paths.emplace_back(path);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    return paths;
}

std::optional<std::string> serialDevicePath(int number) {
    std::lock_guard lock(deviceList().mutex);
    const auto& paths = deviceList().paths;
    if (number < 1 || static_cast<std::size_t>(number) > paths.size()) return std::nullopt;
    return paths[static_cast<std::size_t>(number) - 1];
}

}  // namespace lr::device
