#include "runtime/lifecycle.h"

#include <vector>

#include "runtime/point.h"

namespace lr {

namespace {
std::vector<StartCallback> g_startList;
bool g_started = false;

void runStartList() {
    // A callback may build containers that register further callbacks; they run in this pass too.
    for (std::size_t i = 0; i < g_startList.size(); ++i) {
        StartCallback callback = g_startList[i];
        callback();
    }
    g_startList.clear();
    g_started = true;
}
}  // namespace

void registerStart(StartCallback callback) {
    g_startList.push_back(std::move(callback));
}

void start() {
    installDispatch();
    runStartList();
}

bool started() {
    return g_started;
}

void buildAtRunTime(const std::function<void()>& build) {
    const bool wasStarted = g_started;
    g_started = false;
    build();
    if (wasStarted) runStartList();
}

void resetLifecycle() {
    g_startList.clear();
    g_started = false;
    uninstallDispatch();
}

}  // namespace lr
