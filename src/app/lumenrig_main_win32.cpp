// lumenrig.exe: the container tree on the Win32 backend.
#include <iostream>

#include "app/lumenrig_main.h"
#include "ui/win32/win32_platform.h"

int main(int argc, char** argv) {
    const auto options = app::parseLumenrigArgs({argv + 1, static_cast<std::size_t>(argc - 1)}, std::cerr);
    if (!options) return 2;
    const auto platform = ui::win32::Win32Platform::create();
    app::LumenrigProgram program(*platform);
    if (options->smoke) return app::runSmoke(program, {}, std::cerr);
    return program.run();
}
