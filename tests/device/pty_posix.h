#pragma once
// A pseudo-terminal pair for real-file tests: the port opens the slave, the test plays the device at
// the master. Closing the master is a device that vanished; a symlink can stand for the device's name.
#include <cstddef>
#include <string>
#include <string_view>

namespace ptytest {

class PtyPair {
  public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master_ >= 0; }
    const std::string& slavePath() const { return slavePath_; }
    void write(std::string_view bytes);
    // What arrives within the wait, up to `count` bytes.
    std::string read(std::size_t count, int waitMs = 2000);
    void closeMaster();
    // A moment for the terminal to hand bytes over (it does so in the background).
    static void pause();

  private:
    int master_ = -1;
    std::string slavePath_;
};

// The line settings of a tty as the driver holds them.
struct TtySettings {
    unsigned baud = 0;
    int dataBits = 0;
    bool parity = false;
    bool twoStopBits = false;
    bool hardwareFlow = false;
    bool softwareFlow = false;
    bool raw = false;  // no line editing, echo, signals or output processing
    int vmin = -1;
    int vtime = -1;
};
TtySettings ttySettings(const std::string& path);

// A name in a private folder that points at whichever device is plugged in now.
class DeviceLink {
  public:
    DeviceLink();
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;
    const std::string& path() const { return path_; }
    void pointAt(const std::string& target);

  private:
    std::string dir_;
    std::string path_;
};

}  // namespace ptytest
