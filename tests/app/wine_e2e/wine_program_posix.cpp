#include "wine_program_posix.h"

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>

namespace winetest {

namespace fs = std::filesystem;

namespace {

// The prefix and the X server go with every run; wine-run adds the rest.
std::vector<std::string> wineEnvironment() {
    std::vector<std::string> env{"WINEPREFIX=" LUMENRIG_WINE_PREFIX};
    if (const char* display = std::getenv("DISPLAY")) env.push_back("DISPLAY=" + std::string(display));
    return env;
}

// A Windows program run to its end in `home`: its exit code, or -1 when it outlasts the wait.
int runToEnd(const std::vector<std::string>& args, const fs::path& home, int waitMs) {
    fs::create_directories(home);
    programtest::Child child(LUMENRIG_WINE_RUN, args, home, wineEnvironment());
    return child.wait(waitMs);
}

// wine-run's arguments: the program, copied into the folder, and its own.
std::vector<std::string> installedWith(const TempFolder& folder, const std::vector<std::string>& args) {
    std::vector<std::string> words{programtest::installProgram(folder, "lumenrig.exe")};
    words.insert(words.end(), args.begin(), args.end());
    return words;
}

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

bool ensurePrefix() {
    if (fs::exists(LUMENRIG_WINE_PREFIX "/system.reg")) return true;
    const TempFolder home("lumenrig-wine-prefix");
    return runToEnd({LUMENRIG_PROGRAM, "--help"}, home.path(), 600000) == 0;
}

ComPort::ComPort(int number, const std::string& ptyPath)
    : link_(LUMENRIG_WINE_PREFIX "/dosdevices/com" + std::to_string(number)) {
    ::unlink(link_.c_str());
    if (::symlink(ptyPath.c_str(), link_.c_str()) != 0) link_.clear();
}

ComPort::~ComPort() {
    if (!link_.empty()) ::unlink(link_.c_str());
}

WineProgram::WineProgram(const TempFolder& folder, const std::vector<std::string>& args)
    : folder_(folder),
      child_(LUMENRIG_WINE_RUN, installedWith(folder, args), folder.path(), wineEnvironment()) {}

// Without /f, taskkill posts a close request to each of the program's windows. The prefix is the
// test's own, so no other lumenrig.exe is there to be met.
int WineProgram::close() {
    if (runToEnd({"taskkill.exe", "/im", "lumenrig.exe"}, folder_.path() / "taskkill", 60000) != 0) return -1;
    return child_.wait(30000);
}

bool writeToneWav(const std::string& path, double hz, double amplitude, double seconds) {
    constexpr std::uint32_t kRate = 44100;
    const auto frames = static_cast<std::uint32_t>(seconds * kRate);
    const std::uint32_t bytes = frames * 2;
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    putLittleEndian(out, 36 + bytes, 4);
    out << "WAVEfmt ";
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, 1, 2);  // mono
    putLittleEndian(out, kRate, 4);
    putLittleEndian(out, kRate * 2, 4);
    putLittleEndian(out, 2, 2);
    putLittleEndian(out, 16, 2);
    out << "data";
    putLittleEndian(out, bytes, 4);
    for (std::uint32_t n = 0; n < frames; ++n) {
        const double x = amplitude * std::sin(2 * std::numbers::pi * hz * n / kRate);
        putLittleEndian(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(x * 32767))),
                        2);
    }
    return static_cast<bool>(out);
}

}  // namespace winetest
