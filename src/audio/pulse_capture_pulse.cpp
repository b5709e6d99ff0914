#include "audio/pulse_capture_pulse.h"

#include <pulse/pulseaudio.h>

#include <atomic>

namespace lr::audio::pulse {

namespace {

constexpr SampleFormat kFormat{44100, 1};
constexpr std::uint32_t kFragmentBytes = 441 * sizeof(float);  // 10 ms

// The main loop's thread runs the callbacks; everything else takes the loop's lock.
class PulseCapture : public Capture {
  public:
    explicit PulseCapture(CaptureSink& sink) : sink_(sink), loop_(pa_threaded_mainloop_new()) {}
    ~PulseCapture() override;
    bool open(const std::string& source, std::string& error);

  private:
    class Lock {
      public:
        explicit Lock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
        ~Lock() { pa_threaded_mainloop_unlock(loop_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

      private:
        pa_threaded_mainloop* loop_;
    };

    bool connectContext(std::string& error);
    bool connectStream(const std::string& source, std::string& error);
    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onRead(pa_stream* stream, std::size_t bytes, void* self);
    void end();

    CaptureSink& sink_;
    pa_threaded_mainloop* loop_;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    bool running_ = false;  // under the lock
    std::atomic<bool> ended_{false};
};

PulseCapture::~PulseCapture() {
    {
        const Lock lock(loop_);
        running_ = false;
        if (stream_) {
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pa_stream_set_read_callback(stream_, nullptr, nullptr);
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
        }
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

bool PulseCapture::open(const std::string& source, std::string& error) {
    if (pa_threaded_mainloop_start(loop_) < 0) {
        error = "cannot start the PulseAudio thread";
        return false;
    }
    const Lock lock(loop_);
    if (!connectContext(error) || !connectStream(source, error)) return false;
    running_ = true;
    return true;
}

bool PulseCapture::connectContext(std::string& error) {
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Lumenrig capture");
    pa_context_set_state_callback(context_, onContextState, this);
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    pa_context_state_t state;
    while ((state = pa_context_get_state(context_)) != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(state))
        pa_threaded_mainloop_wait(loop_);
    if (state == PA_CONTEXT_READY) return true;
    error = std::string("cannot reach the PulseAudio server: ") + pa_strerror(pa_context_errno(context_));
    return false;
}

bool PulseCapture::connectStream(const std::string& source, std::string& error) {
    const pa_sample_spec params{PA_SAMPLE_FLOAT32NE, kFormat.rate,
                                static_cast<std::uint8_t>(kFormat.channels)};
    stream_ = pa_stream_new(context_, "Lumenrig recording", &params, nullptr);
    pa_stream_set_state_callback(stream_, onStreamState, this);
    pa_stream_set_read_callback(stream_, onRead, this);
    const pa_buffer_attr attr{static_cast<std::uint32_t>(-1), 0, 0, 0, kFragmentBytes};
    pa_stream_connect_record(stream_, source.c_str(), &attr, PA_STREAM_ADJUST_LATENCY);
    pa_stream_state_t state;
    while ((state = pa_stream_get_state(stream_)) != PA_STREAM_READY && PA_STREAM_IS_GOOD(state))
        pa_threaded_mainloop_wait(loop_);
    if (state == PA_STREAM_READY) return true;
    error = "cannot record \"" + source + "\": " + pa_strerror(pa_context_errno(context_));
    return false;
}

void PulseCapture::end() {
    if (running_ && !ended_.exchange(true)) sink_.ended();
}

void PulseCapture::onContextState(pa_context* context, void* self) {
    auto* capture = static_cast<PulseCapture*>(self);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) capture->end();
    pa_threaded_mainloop_signal(capture->loop_, 0);
}

void PulseCapture::onStreamState(pa_stream* stream, void* self) {
    auto* capture = static_cast<PulseCapture*>(self);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) capture->end();
    pa_threaded_mainloop_signal(capture->loop_, 0);
}

void PulseCapture::onRead(pa_stream* stream, std::size_t, void* self) {
    auto* capture = static_cast<PulseCapture*>(self);
    const void* data = nullptr;
    std::size_t bytes = 0;
    while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0) {
        if (data && capture->running_ && !capture->ended_.load())
            capture->sink_.frames({static_cast<const float*>(data), bytes / sizeof(float)}, kFormat);
        pa_stream_drop(stream);
    }
}

}  // namespace

std::unique_ptr<Capture> openCapture(const std::string& source, CaptureSink& sink, std::string& error) {
    auto capture = std::make_unique<PulseCapture>(sink);
    if (!capture->open(source, error)) return nullptr;
    return capture;
}

}  // namespace lr::audio::pulse
