#include "audio/pulse_session_pulse.h"

#include <iconv.h>

#include <algorithm>
#include <chrono>

namespace lr::audio::pulse {

namespace {

constexpr std::chrono::seconds kDeadline{3};
constexpr int kPollMicroseconds = 50000;

bool contextSettled(pa_context* context) {
    const pa_context_state_t s = pa_context_get_state(context);
    return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
}

void addSource(pa_context*, const pa_source_info* info, int eol, void* out) {
    if (eol != 0 || !info) return;
    const float volume =
        static_cast<float>(pa_cvolume_avg(&info->volume)) / static_cast<float>(PA_VOLUME_NORM);
    static_cast<std::vector<Source>*>(out)->push_back(
        Source{info->index, info->name, info->description ? info->description : info->name,
               std::min(volume, 1.0f), info->mute != 0, info->channel_map.channels});
}

void takeDefaultSource(pa_context*, const pa_server_info* info, void* out) {
    if (info && info->default_source_name) *static_cast<std::string*>(out) = info->default_source_name;
}

void noteSuccess(pa_context*, int success, void* out) {
    *static_cast<bool*>(out) = *static_cast<bool*>(out) && success != 0;
}

}  // namespace

Session::Session() : loop_(pa_mainloop_new()) {}

Session::~Session() {
    drop();
    pa_mainloop_free(loop_);
}

void Session::drop() {
    if (!context_) return;
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

bool Session::runUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        if (pa_mainloop_prepare(loop_, kPollMicroseconds) < 0 || pa_mainloop_poll(loop_) < 0 ||
            pa_mainloop_dispatch(loop_) < 0)
            return false;
    }
    return true;
}

// A connection that broke (the server restarted) is replaced by a new one.
bool Session::connect(std::string& error) {
    pa_mainloop_iterate(loop_, 0, nullptr);
    if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY) return true;
    drop();
    context_ = pa_context_new(pa_mainloop_get_api(loop_), "Lumenrig");
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    if (runUntil([this] { return contextSettled(context_); }) &&
        pa_context_get_state(context_) == PA_CONTEXT_READY)
        return true;
    error = std::string("cannot reach the PulseAudio server: ") + pa_strerror(pa_context_errno(context_));
    return false;
}

bool Session::complete(pa_operation* op) {
    if (!op) return false;
    const bool done = runUntil([op] { return pa_operation_get_state(op) != PA_OPERATION_RUNNING; });
    if (!done) pa_operation_cancel(op);
    pa_operation_unref(op);
    return done;
}

std::vector<Source> Session::sources() {
    std::vector<Source> list;
    if (!complete(pa_context_get_source_info_list(context_, addSource, &list))) list.clear();
    return list;
}

std::string Session::defaultSourceName() {
    std::string name;
    complete(pa_context_get_server_info(context_, takeDefaultSource, &name));
    return name;
}

bool Session::setSource(const Source& source, bool enabled, float volume) {
    pa_cvolume levels;
    pa_cvolume_set(&levels, source.channels,
                   static_cast<pa_volume_t>(volume * static_cast<float>(PA_VOLUME_NORM)));
    bool ok = true;
    const bool done =
        complete(
            pa_context_set_source_mute_by_index(context_, source.index, enabled ? 0 : 1, noteSuccess, &ok)) &&
        complete(pa_context_set_source_volume_by_index(context_, source.index, &levels, noteSuccess, &ok));
    return done && ok;
}

std::string toCodePage1251(const std::string& utf8) {
    iconv_t cd = iconv_open("CP1251//TRANSLIT", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return utf8;
    std::string in = utf8;
    std::string out(utf8.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    while (inLeft > 0 && iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        if (outLeft == 0) break;
        *outPtr++ = '?';  // a letter the code page lacks, or a broken sequence
        --outLeft;
        ++inPtr;
        --inLeft;
    }
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace lr::audio::pulse
