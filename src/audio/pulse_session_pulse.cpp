#include "audio/pulse_session_pulse.h"

#include <iconv.h>

#include <algorithm>
#include <chrono>

namespace lr::audio::pulse {

namespace {

// A server that answers at all hands over its sources well within this of the session's start.
constexpr std::chrono::seconds kFirstAnswer{1};

void forget(pa_operation* op) {
    if (op) pa_operation_unref(op);
}

Source sourceOf(const pa_source_info& info) {
    const float volume =
        static_cast<float>(pa_cvolume_avg(&info.volume)) / static_cast<float>(PA_VOLUME_NORM);
    return Source{info.index,
                  info.name,
                  info.description ? info.description : info.name,
                  std::min(volume, 1.0f),
                  info.mute != 0,
                  info.channel_map.channels};
}

}  // namespace

Session::Session() : started_(std::chrono::steady_clock::now()), link_("Lumenrig", *this) {
    if (link_.start()) return;
    const std::lock_guard lock(mutex_);
    answer_ = true;
    why_ = "cannot start the PulseAudio thread";
}

Session::~Session() {
    link_.stop();
}

bool Session::connect(std::string& error) {
    std::unique_lock lock(mutex_);
    answered_.wait_until(lock, started_ + kFirstAnswer, [this] { return answer_; });
    if (up_) return true;
    error = answer_ ? why_ : "the PulseAudio server does not answer";
    return false;
}

std::vector<Source> Session::sources() {
    const std::lock_guard lock(mutex_);
    return sources_;
}

std::string Session::defaultSourceName() {
    const std::lock_guard lock(mutex_);
    return defaultSource_;
}

bool Session::setSource(const Source& source, bool enabled, float volume) {
    pa_cvolume levels;
    pa_cvolume_set(&levels, source.channels,
                   static_cast<pa_volume_t>(volume * static_cast<float>(PA_VOLUME_NORM)));
    const Link::Lock lock(link_);
    if (!context_) return false;
    forget(pa_context_set_source_mute_by_index(context_, source.index, enabled ? 0 : 1, nullptr, nullptr));
    forget(pa_context_set_source_volume_by_index(context_, source.index, &levels, nullptr, nullptr));
    return true;
}

void Session::ready(pa_context* context) {
    context_ = context;
    pa_context_set_subscribe_callback(context, onEvent, this);
    forget(pa_context_subscribe(
        context,
        static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SERVER),
        nullptr, nullptr));
    refresh();
}

void Session::lost(const std::string& why) {
    context_ = nullptr;
    incoming_.clear();
    const std::lock_guard lock(mutex_);
    up_ = false;
    sources_.clear();
    defaultSource_.clear();
    why_ = why;
    answer_ = true;
    answered_.notify_all();
}

// The server answers in order, so the default source arrives before the list that completes it.
void Session::refresh() {
    forget(pa_context_get_server_info(context_, takeDefaultSource, this));
    forget(pa_context_get_source_info_list(context_, addSource, this));
}

void Session::publish() {
    const std::lock_guard lock(mutex_);
    sources_ = std::move(incoming_);
    incoming_.clear();
    defaultSource_ = incomingDefault_;
    up_ = true;
    answer_ = true;
    answered_.notify_all();
}

void Session::onEvent(pa_context*, pa_subscription_event_type_t, std::uint32_t, void* self) {
    static_cast<Session*>(self)->refresh();
}

void Session::addSource(pa_context*, const pa_source_info* info, int eol, void* self) {
    auto* session = static_cast<Session*>(self);
    if (eol < 0) return session->incoming_.clear();
    if (eol > 0) return session->publish();
    if (info) session->incoming_.push_back(sourceOf(*info));
}

void Session::takeDefaultSource(pa_context*, const pa_server_info* info, void* self) {
    auto* session = static_cast<Session*>(self);
    session->incomingDefault_ = info && info->default_source_name ? info->default_source_name : "";
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
