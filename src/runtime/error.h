#pragma once
// The runtime's one error: a small integer code and no text.
#include <exception>

namespace lr {

namespace error {
inline constexpr int Syntax = 34;
inline constexpr int NoData = 10;
}  // namespace error

class ElementError : public std::exception {
  public:
    explicit ElementError(int code) : code_(code) {}
    int code() const { return code_; }
    const char* what() const noexcept override { return "element error"; }

  private:
    int code_;
};

// Runs an event started by the loop (timer tick, control event, worker thread): no element error
// may end the program or the thread.
template <class F>
void runGuarded(F&& f) {
    try {
        f();
    } catch (const ElementError&) {
    }
}

}  // namespace lr
