#include "audio/pulse_capture_pulse.h"

#include "audio/pulse_link_pulse.h"

namespace lr::audio::pulse {

namespace {

constexpr SampleFormat kFormat{44100, 1};
constexpr std::uint32_t kFragmentBytes = 441 * sizeof(float);  // 10 ms
// A recording source delivers every 10 ms, even silence; this long without anything, the server hangs.
constexpr pa_usec_t kQuietLimit = PA_USEC_PER_SEC;

// Everything but the destructor runs on the link's thread.
class PulseCapture : public Capture, LinkUser {
  public:
    PulseCapture(std::string source, CaptureSink& sink)
        : source_(std::move(source)),
          sink_(sink),
          link_("Lumenrig capture", *this),
          watch_(link_.api(), onWatch, this) {}
    ~PulseCapture() override;
    bool open() { return link_.start(); }

  private:
    void ready(pa_context* context) override;
    void lost(const std::string& why) override;
    void dropStream();
    static void onStreamState(pa_stream* stream, void* self);
    static void onRead(pa_stream* stream, std::size_t bytes, void* self);
    static void onWatch(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self);

    const std::string source_;
    CaptureSink& sink_;
    pa_stream* stream_ = nullptr;
    bool heard_ = false;  // since the watch last looked
    Link link_;
    Timer watch_;  // after the link: freed before the link's loop is
};

PulseCapture::~PulseCapture() {
    link_.stop();
    dropStream();
}

void PulseCapture::dropStream() {
    if (!stream_) return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_read_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void PulseCapture::ready(pa_context* context) {
    const pa_sample_spec params{PA_SAMPLE_FLOAT32NE, kFormat.rate,
                                static_cast<std::uint8_t>(kFormat.channels)};
    stream_ = pa_stream_new(context, "Lumenrig recording", &params, nullptr);
    pa_stream_set_state_callback(stream_, onStreamState, this);
    pa_stream_set_read_callback(stream_, onRead, this);
    const pa_buffer_attr attr{static_cast<std::uint32_t>(-1), 0, 0, 0, kFragmentBytes};
    if (pa_stream_connect_record(stream_, source_.c_str(), &attr, PA_STREAM_ADJUST_LATENCY) < 0)
        link_.reconnect("cannot record \"" + source_ + "\": " + pa_strerror(pa_context_errno(context)));
    heard_ = true;
    watch_.arm(kQuietLimit);
}

// A server that stops answering keeps the connection open: its silence is the sign.
void PulseCapture::onWatch(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self) {
    auto* capture = static_cast<PulseCapture*>(self);
    if (!capture->stream_) return;
    if (!capture->heard_) capture->sink_.interrupted();
    capture->heard_ = false;
    capture->watch_.arm(kQuietLimit);
}

void PulseCapture::lost(const std::string&) {
    dropStream();
    sink_.interrupted();
}

// A source that is gone (unloaded, or the server restarting) is waited for like the server.
void PulseCapture::onStreamState(pa_stream* stream, void* self) {
    auto* capture = static_cast<PulseCapture*>(self);
    if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) return;
    capture->link_.reconnect("cannot record \"" + capture->source_ +
                             "\": " + pa_strerror(pa_context_errno(pa_stream_get_context(stream))));
}

void PulseCapture::onRead(pa_stream* stream, std::size_t, void* self) {
    auto* capture = static_cast<PulseCapture*>(self);
    const void* data = nullptr;
    std::size_t bytes = 0;
    capture->heard_ = true;
    while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0) {
        if (data) capture->sink_.frames({static_cast<const float*>(data), bytes / sizeof(float)}, kFormat);
        pa_stream_drop(stream);
    }
}

}  // namespace

std::unique_ptr<Capture> openCapture(const std::string& source, CaptureSink& sink, std::string& error) {
    auto capture = std::make_unique<PulseCapture>(source, sink);
    if (capture->open()) return capture;
    error = "cannot start the PulseAudio thread";
    return nullptr;
}

}  // namespace lr::audio::pulse
