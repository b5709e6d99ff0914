#include "ui/platform.h"

#include <cstdio>
#include <cstdlib>

namespace ui {

namespace {
Platform* g_platform = nullptr;
}

Platform& platform() {
    if (!g_platform) {
        std::fputs("lumenrig: no windowing platform installed\n", stderr);
        std::abort();
    }
    return *g_platform;
}

void setPlatform(Platform* p) {
    g_platform = p;
}

ScopedPlatform::ScopedPlatform(Platform& p) : previous_(g_platform) {
    g_platform = &p;
}
ScopedPlatform::~ScopedPlatform() {
    g_platform = previous_;
}

}  // namespace ui
