// A ".vsc" visual scheme on arbitrary bytes, loaded into the shape kinds as Run loads it, fed a few
// commands, saved under another name, loaded from there and saved again. No kind grows past its
// limit, the save says it was written, and a saved scheme loads back to the very same file.
#include <cstdint>
#include <memory>
#include <string>

#include "headless_world.h"
#include "visual/visual_page.h"

namespace {

constexpr const char* kShapeCaptions[] = {"Form0", "Form1", "Form2"};
constexpr const char* kCommands[] = {"A5", "B8", "C0", "L9", "~3", "J", "K12"};

std::size_t openShapes(HeadlessWorld& world, const char* caption) {
    std::size_t n = 0;
    for (auto* w : world.toolkit().windows())
        if (w->text() == caption && !w->closed()) ++n;
    return n;
}

void load(lr::TClassChildGroupBox_2DEB420& shapes, const std::string& name) {
    lr::globalVar(lr::kSchemePathVar) = lr::makeString(lr::visualSchemePath(name));
    lr::TData none;
    shapes.doLoad(none);
}

std::string save(HeadlessWorld& world, lr::TClassChildGroupBox_2DEB420& shapes, const std::string& name) {
    world.boxes.clear();
    lr::TData data = lr::makeString(name);
    shapes.doSave(data);
    check(world.boxes.shown().size() == 1 && world.boxes.shown()[0].text == "Saved!");
    const auto file = world.sys.file(lr::visualSchemePath(name));
    check(file.has_value());
    return *file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HeadlessWorld world;
    world.sys.putFile(lr::visualSchemePath("fuzz"), bytesOf(data, size));
    const std::unique_ptr<ui::Window> window = world.toolkit().createWindow({"Lumenrig", {0, 0, 541, 300}});
    window->setVisible(true);
    lr::TClassChildGroupBox_2DEB420 shapes(window.get(), nullptr);
    lr::start();

    load(shapes, "fuzz");
    for (const char* caption : kShapeCaptions)
        check(openShapes(world, caption) <= static_cast<std::size_t>(lr::kMaxShapesPerKind));
    for (const char* command : kCommands) {
        lr::TData text = lr::makeString(command);
        shapes.doCommand(text);
    }
    world.loop.advance(10);
    const std::string first = save(world, shapes, "first");
    load(shapes, "first");
    check(save(world, shapes, "second") == first);
    lr::TData none;
    shapes.doClear(none);
    world.loop.advance(10);
    return 0;
}
