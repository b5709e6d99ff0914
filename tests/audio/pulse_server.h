#pragma once
// A private PulseAudio server for the driver's tests (a null sink "Tone" whose monitor is recorded),
// a tone played into it, an engine reaching the server, and a socket that never answers.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pulse/simple.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

#include "audio/engine.h"
#include "audio/pulse_session_pulse.h"
#include "audio/registry.h"
#include "wait_for.h"

extern char** environ;

namespace pulse_test {

using namespace std::chrono_literals;
using namespace lr::audio;

// Centred on bin 100 of the 2048-point spectrum.
constexpr double kToneHz = 100.0 * 44100 / 2048;

class PulseServer {
  public:
    PulseServer() {
        char pattern[] = "/tmp/lumenrig-pulse-XXXXXX";
        dir_ = mkdtemp(pattern);
        std::ofstream(dir_ / "server.pa")
            << "load-module module-null-sink sink_name=tone rate=44100 channels=1 "
               "sink_properties=device.description=Tone\n"
            << "load-module module-native-protocol-unix auth-anonymous=1 socket="
            << (dir_ / "native").string() << "\n";
        setenv("PULSE_SERVER", ("unix:" + (dir_ / "native").string()).c_str(), 1);
        setenv("PULSE_RUNTIME_PATH", dir_.c_str(), 1);
        setenv("PULSE_STATE_PATH", dir_.c_str(), 1);
        setenv("PULSE_COOKIE", (dir_ / "cookie").c_str(), 1);
    }
    ~PulseServer() {
        stop(SIGTERM);
        std::filesystem::remove_all(dir_);
        unsetenv("PULSE_SERVER");
        unsetenv("PULSE_RUNTIME_PATH");
        unsetenv("PULSE_STATE_PATH");
        unsetenv("PULSE_COOKIE");
    }

    // Empty when the server is up; else why not.
    std::string start() {
        const std::string script = (dir_ / "server.pa").string(), log = (dir_ / "server.log").string();
        const char* argv[] = {
            "pulseaudio",   "--daemonize=no",    "--exit-idle-time=-1", "-n",          "-F",
            script.c_str(), "--disable-shm=yes", "--use-pid-file=no",   "--system=no", "--log-target=stderr",
            nullptr};
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        posix_spawn_file_actions_adddup2(&files, 1, 2);
        const int failed =
            posix_spawnp(&pid_, "pulseaudio", &files, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&files);
        if (failed) {
            pid_ = 0;
            return "pulseaudio cannot be run (is the pulseaudio package installed?)";
        }
        std::string error;
        const bool up = within(10s, [&] {
            pulse::Session session;
            return session.connect(error) || !running();
        });
        if (up && running()) return {};
        std::ifstream in(log);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        stop(SIGKILL);
        return "the private PulseAudio server did not start: " + error + "\n" + text;
    }

    std::filesystem::path socket() const { return dir_ / "native"; }
    // A stopped server still takes connections, and answers none of them until it is continued.
    void pause() { kill(pid_, SIGSTOP); }
    void resume() { kill(pid_, SIGCONT); }

    void stop(int signal) {
        if (pid_ == 0) return;
        kill(pid_, signal);
        kill(pid_, SIGCONT);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

  private:
    bool running() { return pid_ != 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }

    std::filesystem::path dir_;
    pid_t pid_ = 0;
};

// Plays a sine into the null sink from a thread of its own until destroyed.
class TonePlayer {
  public:
    TonePlayer(double hz, float amplitude)
        : thread_([=, this](std::stop_token stop) { play(stop, hz, amplitude); }) {}
    bool failed() const { return failed_.load(); }

  private:
    void play(const std::stop_token& stop, double hz, float amplitude) {
        const pa_sample_spec params{PA_SAMPLE_FLOAT32NE, 44100, 1};
        const std::uint32_t any = static_cast<std::uint32_t>(-1);
        const pa_buffer_attr small{any, 4410 * sizeof(float), any, any,
                                   any};  // 100 ms: playing starts at once
        pa_simple* out = pa_simple_new(nullptr, "lumenrig test", PA_STREAM_PLAYBACK, "tone", "tone", &params,
                                       nullptr, &small, nullptr);
        if (!out) return failed_.store(true);
        std::vector<float> block(441);
        for (std::uint64_t n = 0; !stop.stop_requested();) {
            for (float& v : block)
                v = amplitude * static_cast<float>(
                                    std::sin(2 * std::numbers::pi * hz * static_cast<double>(n++) / 44100));
            if (pa_simple_write(out, block.data(), block.size() * sizeof(float), nullptr) < 0) break;
        }
        pa_simple_free(out);
    }
    std::atomic<bool> failed_{false};
    std::jthread thread_;
};

struct Counter {
    std::atomic<int> calls{0};
    static bool take(Handle, const void*, std::uint32_t, void* self) {
        ++static_cast<Counter*>(self)->calls;
        return true;
    }
};

// An engine over the platform driver, reaching the private server.
class PulseDriverTest : public testing::Test {
  protected:
    void SetUp() override {
        const std::string why = server.start();
        if (!why.empty()) GTEST_SKIP() << why;
        engine = std::make_unique<Engine>(makePlatformDriver({}));
        ASSERT_TRUE(engine->init(-1, 44100, 0, 0)) << engine->message();
        ASSERT_TRUE(engine->recordInit(-1)) << engine->message();
    }
    std::vector<std::string> names() {
        std::vector<std::string> out;
        for (std::int32_t i = 0; const auto name = engine->recordInputName(i); ++i)
            out.push_back(*name);
        return out;
    }
    std::vector<float> spectrum(Handle h) {
        std::vector<float> s(kFftBins);
        engine->channelGetData(h, s.data(), kDataFft2048 | kFftNoWindow);
        return s;
    }
    bool hearsTheTone(Handle h) { return spectrum(h)[100] > 0.45f; }
    PulseServer server;
    std::unique_ptr<Engine> engine;
    Counter counter;
};

// Listens where the server would and lets the kernel take the connections: nothing ever answers.
class SilentSocket {
  public:
    explicit SilentSocket(const std::filesystem::path& path)
        : path_(path), fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.string().copy(address.sun_path, sizeof address.sun_path - 1);
        listening_ = bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                     listen(fd_, 64) == 0;
    }
    ~SilentSocket() { close(); }
    SilentSocket(const SilentSocket&) = delete;
    SilentSocket& operator=(const SilentSocket&) = delete;
    bool listening() const { return listening_; }
    // Those waiting for an answer are cut off, and the path is free for a real server.
    void close() {
        if (fd_ < 0) return;
        ::close(fd_);
        std::filesystem::remove(path_);
        fd_ = -1;
    }

  private:
    std::filesystem::path path_;
    int fd_;
    bool listening_ = false;
};

}  // namespace pulse_test
