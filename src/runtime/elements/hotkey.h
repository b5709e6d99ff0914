#pragma once
// ThiGHotKey: one global hotkey. Registering again first lets go of the key held before; destroying
// the element lets go of it too.
#include <memory>

#include "runtime/element.h"
#include "runtime/point.h"
#include "ui/tray.h"

namespace lr {

class ThiGHotKey : public Element {
  public:
    int Key = 0;             // virtual-key code (116 is F5)
    unsigned Modifiers = 0;  // ui::hotkeymod flags

    Point onHotKey;
    Point onError;  // 1 class not registered, 2 window not created, 3 the key is taken

    void doRegister(TData& data);
    void doUnregister(TData& data);

  private:
    void pressed();

    std::unique_ptr<ui::HotKey> key_;
};

}  // namespace lr
