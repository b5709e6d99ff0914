#include "pty_posix.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace ptytest {

PtyPair::PtyPair() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) return;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        closeMaster();
        return;
    }
    char name[128] = {};
    if (ptsname_r(master_, name, sizeof name) != 0) {
        closeMaster();
        return;
    }
    slavePath_ = name;
    fcntl(master_, F_SETFL, O_NONBLOCK);
}

PtyPair::~PtyPair() {
    closeMaster();
}

void PtyPair::closeMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}

void PtyPair::pause() {
    poll(nullptr, 0, 1);
}

void PtyPair::write(std::string_view bytes) {
    while (!bytes.empty() && master_ >= 0) {
        const ssize_t n = ::write(master_, bytes.data(), bytes.size());
        if (n <= 0) return;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string PtyPair::read(std::size_t count, int waitMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    std::string got;
    std::vector<char> buffer(count);
    while (got.size() < count && master_ >= 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd p{master_, POLLIN, 0};
        if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0) break;
        const ssize_t n = ::read(master_, buffer.data(), count - got.size());
        if (n <= 0) break;
        got.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return got;
}

TtySettings ttySettings(const std::string& path) {
    TtySettings s;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios t{};
    if (fd < 0) return s;
    const bool got = tcgetattr(fd, &t) == 0;
    ::close(fd);
    if (!got) return s;
    s.baud = cfgetospeed(&t) == B9600 ? 9600 : cfgetospeed(&t) == B19200 ? 19200 : 0;
    s.dataBits = (t.c_cflag & CSIZE) == CS8 ? 8 : (t.c_cflag & CSIZE) == CS7 ? 7 : 0;
    s.parity = (t.c_cflag & PARENB) != 0;
    s.twoStopBits = (t.c_cflag & CSTOPB) != 0;
    s.hardwareFlow = (t.c_cflag & CRTSCTS) != 0;
    s.softwareFlow = (t.c_iflag & (IXON | IXOFF)) != 0;
    s.raw = !(t.c_lflag & (ICANON | ECHO | ISIG)) && !(t.c_oflag & OPOST) && !(t.c_iflag & (ICRNL | INLCR));
    s.vmin = t.c_cc[VMIN];
    s.vtime = t.c_cc[VTIME];
    return s;
}

DeviceLink::DeviceLink() {
    char dir[] = "/tmp/lumenrig-device-XXXXXX";
    if (mkdtemp(dir)) dir_ = dir;
    path_ = dir_ + "/ttyLumenrig";
}

DeviceLink::~DeviceLink() {
    ::unlink(path_.c_str());
    ::rmdir(dir_.c_str());
}

void DeviceLink::pointAt(const std::string& target) {
    ::unlink(path_.c_str());
    if (symlink(target.c_str(), path_.c_str()) != 0) std::perror("symlink");
}

}  // namespace ptytest
