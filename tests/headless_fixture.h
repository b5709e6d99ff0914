#pragma once
// A test's world: the headless platform on a virtual clock, dispatch installed, globals empty.
#include <gtest/gtest.h>

#include "runtime/globals.h"
#include "runtime/lifecycle.h"
#include "runtime/point.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/virtual_loop.h"

class HeadlessTest : public testing::Test {
  protected:
    HeadlessTest() { lr::installDispatch(); }
    ~HeadlessTest() override {
        lr::resetLifecycle();
        lr::resetGlobalVars();
    }

    ui::headless::HeadlessToolkit& toolkit() { return platform.headlessToolkit(); }

    ui::headless::VirtualLoop loop;
    ui::headless::RecordedMessageBoxes boxes;
    ui::headless::HeadlessPlatform platform{loop, boxes};
    ui::ScopedPlatform scope{platform};
};
