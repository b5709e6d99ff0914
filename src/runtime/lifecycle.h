#pragma once
// Program start: the start list of top-level windows, and `started`.
#include <functional>

namespace lr {

using StartCallback = std::function<void()>;

void registerStart(StartCallback callback);
// Installs the dispatchers, runs every registered callback in order, empties the list, sets `started`.
void start();
bool started();
// Builds a container at run time: the window elements it creates get their start callbacks at once
// when the program has already started.
void buildAtRunTime(const std::function<void()>& build);
// Back to the state before start (tests and the end of the program).
void resetLifecycle();

}  // namespace lr
