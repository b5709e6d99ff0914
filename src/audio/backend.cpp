#include "audio/backend.h"

#include "audio/engine.h"
#include "audio/registry.h"

namespace lr::audio {

namespace {
Backend* g_backend = nullptr;
}

Backend& backend() {
    if (!g_backend) {
        static Engine platformDefault(makeDefaultDriver());
        g_backend = &platformDefault;
    }
    return *g_backend;
}

void setBackend(Backend* b) {
    g_backend = b;
}

ScopedBackend::ScopedBackend(Backend& b) : previous_(g_backend) {
    g_backend = &b;
}
ScopedBackend::~ScopedBackend() {
    g_backend = previous_;
}

}  // namespace lr::audio
