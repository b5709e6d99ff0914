#pragma once
// The headless backend: in-memory windows and controls, a screen of fixed size, scripted dialogs.
// The loop and the message boxes are supplied by the program or the test.
#include "ui/headless/headless_keyboard.h"
#include "ui/headless/headless_services.h"
#include "ui/headless/headless_toolkit.h"
#include "ui/platform.h"

namespace ui::headless {

class HeadlessPlatform : public Platform {
  public:
    HeadlessPlatform(Loop& loop, MessageBoxes& boxes) : loop_(loop), boxes_(boxes) {}
    Loop& loop() override { return loop_; }
    MessageBoxes& messageBoxes() override { return boxes_; }
    Keyboard& keyboard() override { return keyboard_; }
    Toolkit& toolkit() override { return toolkit_; }
    Dialogs& dialogs() override { return dialogs_; }
    Screen& screen() override { return screen_; }
    Resources& resources() override { return resources_; }

    HeadlessKeyboard& headlessKeyboard() { return keyboard_; }
    HeadlessToolkit& headlessToolkit() { return toolkit_; }
    ScriptedDialogs& scriptedDialogs() { return dialogs_; }
    HeadlessScreen& headlessScreen() { return screen_; }
    HeadlessResources& headlessResources() { return resources_; }

  private:
    Loop& loop_;
    MessageBoxes& boxes_;
    HeadlessKeyboard keyboard_;
    HeadlessScreen screen_;
    HeadlessResources resources_;
    ScriptedDialogs dialogs_;
    HeadlessToolkit toolkit_{screen_};
};

}  // namespace ui::headless
