#include "backend.h"

namespace backend {

// This build has no Win32 backend.
Backend* win32Backend() {
    return nullptr;
}

void releaseWin32Backend() {}

}  // namespace backend
