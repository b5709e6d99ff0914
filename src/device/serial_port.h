#pragma once
// A serial port that moves bytes unchanged. Backends: overlapped Win32, termios, and in-process devices
// (the in-memory loopback, the simulated controller) bound to COM numbers ahead of the machine's ports.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lr::device {

// Milliseconds, as the communications driver takes them. The defaults make a read return at once with
// what is queued and give a write 100 ms plus 100 ms per byte.
struct Timeouts {
    std::uint32_t readInterval = 0xFFFFFFFF;
    std::uint32_t readTotalConstant = 0;
    std::uint32_t readTotalMultiplier = 0;
    std::uint32_t writeTotalConstant = 100;
    std::uint32_t writeTotalMultiplier = 100;

    // The longest a write of `bytes` may take; none when both write fields are 0 (no limit).
    std::optional<std::uint64_t> writeLimit(std::size_t bytes) const;
    // True when a read returns at once with what is queued.
    bool readReturnsAtOnce() const;
};

// The complete line configuration; the defaults are the controller's line: 9600 8N1, no flow control.
struct LineSettings {
    std::uint32_t baud = 9600;
    std::uint32_t inBufSize = 512;
    std::uint32_t outBufSize = 512;
    int parity = 0;    // none, odd, even, mark, space
    int byteSize = 3;  // data bits - 5
    int stopBits = 0;  // one, one and a half, two
    bool parityCheck = false;
    bool errorCharReplace = false;
    char errorChar = 0;
    bool discardNull = false;
    bool abortOnError = false;
    char evtChar = 0;
    int dtrControl = 0;  // disable, enable, handshake
    int rtsControl = 0;  // disable, enable, handshake, toggle
    bool dsrSensitivity = false;
    bool outxCtsFlow = false;
    bool outxDsrFlow = false;
    bool txContinueOnXoff = false;
    bool inX = false;
    bool outX = false;
    char xonChar = 17;
    char xoffChar = 19;
    std::uint32_t eventMask = 0;  // line events reported by waitEvent()
    Timeouts timeouts;
};

// How an operation ended. Failed: its completion failed; Refused: the system turned it down at once;
// Gone: the device vanished (unplugged, powered off) and the port is useless now.
enum class IoStatus { Done, Failed, Refused, Gone };

struct WriteResult {
    std::size_t written = 0;
    IoStatus status = IoStatus::Done;
};

struct ReadResult {
    std::string bytes;
    IoStatus status = IoStatus::Done;
};

// The error flags (cleared by asking) and the input queue, as ClearCommError reports them.
struct LineStatus {
    std::uint32_t errors = 0;
    std::uint32_t inQueue = 0;
    bool ok = true;  // false: the device no longer answers
};

struct PortProperties {
    std::uint32_t maxBaud = 0;
    std::uint32_t providerSubType = 0;
};

// All members may be called from any thread; write and read block at most their time-outs.
class SerialPort {
  public:
    virtual ~SerialPort() = default;
    virtual WriteResult write(std::string_view bytes) = 0;
    // Like write, but gives up after `limitMs` with what went out by then. By default a plain write,
    // for ports whose writes never wait.
    virtual WriteResult writeWithin(std::string_view bytes, std::uint32_t limitMs);
    // The port is closing: a write in progress ends soon with what went out, later ones at once.
    virtual void cancelWrites() {}
    // False once the device has gone (unplugged, powered off); cheap. The backends here clear no error
    // flags for it; by default it asks lineStatus().
    virtual bool present() { return lineStatus().ok; }
    virtual ReadResult read(std::size_t count) = 0;
    virtual std::uint32_t modemStatus() = 0;  // modem::Cts | modem::Dsr | ...
    virtual LineStatus lineStatus() = 0;
    virtual PortProperties properties() = 0;
    virtual void flush() = 0;
    // Drops both queues and ends pending operations.
    virtual void purge() = 0;
    // Blocks until one of the settings' line events happens and returns its event bits; 0 when the wait
    // ended (cancelWait, the port failed). One waiting thread at a time.
    virtual std::uint32_t waitEvent() = 0;
    virtual void cancelWait() = 0;
};

struct OpenResult {
    std::unique_ptr<SerialPort> port;
    std::string error;  // why not, for people
};

// "COMn" (any case), or on POSIX also a device path, configured completely from the settings.
OpenResult openSerialPort(const std::string& name, const LineSettings& settings);

// The synchronous probe port: 8 data bits, one stop bit, the parity letter, one time-out for all five.
struct ProbeSettings {
    std::uint32_t baud = 9600;
    char parity = 'N';
    std::uint32_t timeout = 10;
};
OpenResult openProbePort(int number, const ProbeSettings& settings);

// In-process devices offered under a COM number, ahead of the machine's own port of that number.
using PortFactory = std::function<OpenResult(const LineSettings& settings)>;
void bindVirtualPort(int number, PortFactory factory);
void unbindVirtualPort(int number);

// Off: only the in-process devices exist (tests, and demos on a machine whose ports must stay untouched).
void useSystemPorts(bool use);

class VirtualPortBinding {
  public:
    VirtualPortBinding(int number, PortFactory factory);
    ~VirtualPortBinding();
    VirtualPortBinding(const VirtualPortBinding&) = delete;
    VirtualPortBinding& operator=(const VirtualPortBinding&) = delete;

  private:
    int number_;
};

// The machine's serial devices behind COM1, COM2, ... on POSIX (unused on Windows). The default
// list is /dev/ttyUSB0..7, /dev/ttyACM0..7, /dev/ttyS0..31, so a number stays with its device
// when others come and go. A non-empty "serial_devices" in section "init" of the program's
// "lumenrig.ini" takes this list's place at each open.
std::vector<std::string> defaultSerialDevices();
void setSerialDevices(std::vector<std::string> paths);
// "a, b, c" as a settings file holds it; blanks around the paths are dropped.
std::vector<std::string> parseSerialDevices(std::string_view text);
std::optional<std::string> serialDevicePath(int number);

}  // namespace lr::device
