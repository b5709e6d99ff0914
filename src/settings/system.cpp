#include "settings/system.h"

namespace settings {

namespace {
System* g_system = nullptr;
}

System& system() {
    return g_system ? *g_system : nativeSystem();
}

void setSystem(System* s) {
    g_system = s;
}

ScopedSystem::ScopedSystem(System& s) : previous_(g_system) {
    g_system = &s;
}
ScopedSystem::~ScopedSystem() {
    g_system = previous_;
}

}  // namespace settings
