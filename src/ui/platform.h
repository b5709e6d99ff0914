#pragma once
// The services of the windowing layer, one implementation per backend.
#include "ui/dialogs.h"
#include "ui/keyboard.h"
#include "ui/loop.h"
#include "ui/message_box.h"
#include "ui/screen.h"
#include "ui/toolkit.h"

namespace ui {

class Platform {
  public:
    virtual ~Platform() = default;
    virtual Loop& loop() = 0;
    virtual MessageBoxes& messageBoxes() = 0;
    virtual Keyboard& keyboard() = 0;
    virtual Toolkit& toolkit() = 0;
    virtual Dialogs& dialogs() = 0;
    virtual Screen& screen() = 0;
    virtual Resources& resources() = 0;
};

// The process-wide platform; set once by the program (or a test fixture) before elements run.
Platform& platform();
void setPlatform(Platform* platform);

// Installs a platform for a scope and restores the previous one.
class ScopedPlatform {
  public:
    explicit ScopedPlatform(Platform& p);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

  private:
    Platform* previous_;
};

}  // namespace ui
