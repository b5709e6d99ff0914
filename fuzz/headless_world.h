#pragma once
// One fuzz input's world: the headless platform on a virtual clock, the program's folder C:\Prog in
// memory, dispatch installed. Everything a run leaves behind (shared values, the start list) goes with it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/globals.h"
#include "runtime/lifecycle.h"
#include "runtime/point.h"
#include "settings/memory_system.h"
#include "settings/system.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/virtual_loop.h"

struct HeadlessWorld {
    HeadlessWorld() { lr::installDispatch(); }
    ~HeadlessWorld() {
        lr::resetLifecycle();
        lr::resetGlobalVars();
    }
    HeadlessWorld(const HeadlessWorld&) = delete;
    HeadlessWorld& operator=(const HeadlessWorld&) = delete;

    ui::headless::HeadlessToolkit& toolkit() { return platform.headlessToolkit(); }

    ui::headless::VirtualLoop loop;
    ui::headless::RecordedMessageBoxes boxes;
    ui::headless::HeadlessPlatform platform{loop, boxes};
    ui::ScopedPlatform platformScope{platform};
    settings::MemorySystem sys;
    settings::ScopedSystem sysScope{sys};
};

// A broken promise is a finding: the fuzzer keeps the input.
inline void check(bool ok) {
    if (!ok) std::abort();
}

// The bytes of a fuzz input as text.
inline std::string bytesOf(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}
