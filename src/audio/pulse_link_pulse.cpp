#include "audio/pulse_link_pulse.h"

#include "audio/retry.h"

namespace lr::audio::pulse {

namespace {

constexpr pa_usec_t kAnswerTimeout = 2 * PA_USEC_PER_SEC;

pa_usec_t pauseAfter(unsigned failures) {
    return static_cast<pa_usec_t>(std::chrono::microseconds(retryPause(failures)).count());
}

}  // namespace

Timer::~Timer() {
    if (event_) api_->time_free(event_);
}

void Timer::arm(pa_usec_t delay) {
    timeval when;
    pa_timeval_add(pa_gettimeofday(&when), delay);
    if (event_)
        api_->time_restart(event_, &when);
    else
        event_ = api_->time_new(api_, &when, fired_, user_);
}

Link::Link(const char* client, LinkUser& user)
    : client_(client), user_(user), loop_(pa_threaded_mainloop_new()), timer_(api(), onTimer, this) {}

Link::~Link() {
    stop();
    drop();
}

bool Link::start() {
    if (pa_threaded_mainloop_start(loop_.get()) < 0) return false;
    running_ = true;
    const Lock lock(*this);
    attempt();
    return true;
}

void Link::stop() {
    if (running_) pa_threaded_mainloop_stop(loop_.get());
    running_ = false;
}

void Link::attempt() {
    phase_ = Phase::Connecting;
    why_ = "the PulseAudio server does not answer";
    context_ = pa_context_new(api(), client_);
    pa_context_set_state_callback(context_, onState, this);
    timer_.arm(kAnswerTimeout);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        reconnect(std::string("cannot reach the PulseAudio server: ") +
                  pa_strerror(pa_context_errno(context_)));
}

// The user hears of the loss before the context goes, so its streams go first.
void Link::drop() {
    if (!context_) return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

// Drops and retries from the timer rather than at once: a context must not be freed inside its own
// callbacks.
void Link::reconnect(const std::string& why) {
    if (phase_ == Phase::Dropping || phase_ == Phase::Pausing) return;
    phase_ = Phase::Dropping;
    why_ = why;
    timer_.arm(0);
}

void Link::timerFired() {
    if (phase_ == Phase::Ready) return;  // the answer came before the deadline
    if (phase_ == Phase::Pausing) return attempt();
    user_.lost(why_);
    drop();
    phase_ = Phase::Pausing;
    timer_.arm(pauseAfter(failures_++));
}

void Link::onTimer(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self) {
    static_cast<Link*>(self)->timerFired();
}

void Link::onState(pa_context* context, void* self) {
    auto* link = static_cast<Link*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY && link->phase_ == Phase::Connecting) {
        link->phase_ = Phase::Ready;
        link->failures_ = 0;
        link->user_.ready(context);
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        const char* what = link->phase_ == Phase::Ready ? "the PulseAudio server went away: "
                                                        : "cannot reach the PulseAudio server: ";
        link->reconnect(what + std::string(pa_strerror(pa_context_errno(context))));
    }
}

}  // namespace lr::audio::pulse
