// lumenrig.exe: the container tree on the Win32 backend.
#include <iostream>
#include <memory>
#include <stdexcept>

#include "app/lumenrig_main.h"
#include "ui/win32/win32_platform.h"

int main(int argc, char** argv) {
    const auto options = app::parseLumenrigArgs({argv + 1, static_cast<std::size_t>(argc - 1)}, std::cerr);
    if (!options) return 2;
    if (options->help) {
        app::printUsage(std::cout);
        return 0;
    }
    const auto platform = ui::win32::Win32Platform::create();
    std::unique_ptr<app::LumenrigProgram> program;
    try {
        program = std::make_unique<app::LumenrigProgram>(*platform, *options);
    } catch (const std::runtime_error& e) {
        std::cerr << "lumenrig: " << e.what() << '\n';
        return 2;
    }
    if (options->smoke) {
        app::printProgramFolder(std::cout);
        return app::runSmoke(*program, {}, std::cerr);
    }
    return program->run();
}
