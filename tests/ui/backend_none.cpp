#include "backend.h"

namespace backend {

// This build has no Qt backend.
Backend* qtBackend() {
    return nullptr;
}

std::unique_ptr<ui::Platform> makeQtPlatform() {
    return nullptr;
}

void releaseQtBackend() {}

}  // namespace backend
