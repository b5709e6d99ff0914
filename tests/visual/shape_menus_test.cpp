// The Visualization menu block: at start the shapes made from then on take the menus the program's
// resources carry, and the built-in ones where it carries none.
#include <gtest/gtest.h>

#include "visual/shape_form.h"
#include "visual/shape_menus.h"
#include "visual_fixture.h"

using namespace lr;
using namespace visual_page;

namespace {

class MenuBlock : public VisualPageTest {
  protected:
    void startBlock() {
        THIMultiElement& outer = block.make(window.get());
        TData none;
        outer.doWork(none, 0);
    }
    struct Holder : TClassMultiBase {
        Holder() : TClassMultiBase(nullptr, nullptr) {}
        THIMultiElement& make(ui::Control* parent) {
            THIMultiElement& outer = TClassMultiBase::make<THIMultiElement>(parent, this, 0, 0);
            outer.setCreate([&outer](ui::Control* p, TClassMultiBase* o) {
                return std::make_unique<TClassMultiElement_2DEA5B0>(p, o, outer);
            });
            return outer;
        }
    } block;
    std::vector<std::string> topItems(const char* kind) {
        std::vector<std::string> out;
        EXPECT_TRUE(ui::headless::click(lamp(shape(kind)), ui::MouseButton::Right));
        for (const ui::MenuItem& item : toolkit().openMenu()->items())
            out.push_back(item.text);
        toolkit().openMenu()->dismiss();
        return out;
    }
};

TEST_F(MenuBlock, ShapesTakeTheResourceMenusAfterTheStart) {
    sys.resources["Str5"] = shapeMenuText({"Red", "Green", "Blue", "Size"});
    build();
    run();
    ASSERT_TRUE(press("Add Circle Color"));
    EXPECT_EQ(topItems(kCircle).front(), "R=") << "before the start: the built-in menu";
    startBlock();
    ASSERT_TRUE(press("Add Circle Color"));
    ASSERT_TRUE(press("Add Rectangle Resizable"));
    EXPECT_EQ(topItems(kCircle).front(), "R=") << "a shape keeps the menu it was made with";
    ASSERT_TRUE(ui::headless::click(lamp(shape(kCircle, 1)), ui::MouseButton::Right));
    EXPECT_EQ(toolkit().openMenu()->items().front().text, "Red");
    EXPECT_EQ(toolkit().openMenu()->find("Size")->id, 45) << "the numbers stay";
    toolkit().openMenu()->dismiss();
    EXPECT_EQ(topItems(kRectangle).front(), "R=") << "no \"Str4\": the built-in one";
}

}  // namespace
