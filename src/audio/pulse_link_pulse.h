#pragma once
// A connection to the PulseAudio server on a thread of its own that never makes anyone wait for the
// server: it connects in the background, gives up on a server that does not answer, and whenever the
// connection fails or breaks it tries again after a pause that grows to 2 s.
#include <pulse/pulseaudio.h>

#include <memory>
#include <string>

namespace lr::audio::pulse {

// Told, on the link's thread with its lock held, when the connection is up and when it is gone.
class LinkUser {
  public:
    virtual void ready(pa_context* context) = 0;
    // Also after every failed attempt; the user drops whatever it made on the context.
    virtual void lost(const std::string& why) = 0;

  protected:
    ~LinkUser() = default;
};

// A one-shot timer on a link's thread; it must go before the link does, after the link's stop().
class Timer {
  public:
    Timer(pa_mainloop_api* api, pa_time_event_cb_t fired, void* user)
        : api_(api), fired_(fired), user_(user) {}
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    // On the link's thread, or before it starts.
    void arm(pa_usec_t delay);

  private:
    pa_mainloop_api* api_;
    pa_time_event_cb_t fired_;
    void* user_;
    pa_time_event* event_ = nullptr;
};

class Link {
  public:
    Link(const char* client, LinkUser& user);
    ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // Starts the thread and the first attempt; false when the thread cannot start.
    bool start();
    // Ends the thread; no call reaches the user afterwards.
    void stop();
    // On the link's thread: gives up the connection and tries again after a pause.
    void reconnect(const std::string& why);
    // For the user's own timers.
    pa_mainloop_api* api() { return pa_threaded_mainloop_get_api(loop_.get()); }

    // Holds the link's thread off while another thread uses the connection.
    class Lock {
      public:
        explicit Lock(Link& link) : loop_(link.loop_.get()) { pa_threaded_mainloop_lock(loop_); }
        ~Lock() { pa_threaded_mainloop_unlock(loop_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

      private:
        pa_threaded_mainloop* loop_;
    };

  private:
    enum class Phase { Connecting, Ready, Dropping, Pausing };

    void attempt();
    void drop();
    void timerFired();
    static void onState(pa_context* context, void* self);
    static void onTimer(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self);

    const char* client_;
    LinkUser& user_;
    struct FreeLoop {
        void operator()(pa_threaded_mainloop* loop) const { pa_threaded_mainloop_free(loop); }
    };
    std::unique_ptr<pa_threaded_mainloop, FreeLoop> loop_;
    Timer timer_;  // the answer deadline, or the pause before the next attempt
    pa_context* context_ = nullptr;
    Phase phase_ = Phase::Pausing;
    std::string why_;
    unsigned failures_ = 0;  // since the last connection that came up
    bool running_ = false;
};

}  // namespace lr::audio::pulse
