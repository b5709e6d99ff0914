// The visual schemes shipped in data/visualization: each loads its shapes fully on a 1920 x 1080 desktop,
// none on top of another.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "visual_fixture.h"

using namespace visual_page;
using ui::headless::HeadlessControl;

namespace {

std::string shipped(const std::string& name) {
    std::ifstream in(std::string(LUMENRIG_VISUAL_DIR) + "/" + name + ".vsc", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

class Shipped : public VisualPageTest {};

TEST_F(Shipped, EverySchemeFitsTheDesktop) {
    struct Case {
        const char* name;
        const char* kind;
        std::size_t count;
    };
    for (const Case& c : {Case{"Twelve lamps", kCircle, 12}, Case{"Ambilight", kRectangle, 4},
                          Case{"Twelve ladders", kLadder, 12}}) {
        const std::string text = shipped(c.name);
        ASSERT_FALSE(text.empty()) << c.name;
        sys.putFile(std::string(kFolder) + c.name + ".vsc", text);
    }
    build();
    ASSERT_TRUE(run());
    for (const Case& c : {Case{"Twelve lamps", kCircle, 12}, Case{"Ambilight", kRectangle, 4},
                          Case{"Twelve ladders", kLadder, 12}}) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ui::headless::pick(schemeList(), c.name));
        const auto all = shapes(c.kind);
        ASSERT_EQ(all.size(), c.count);
        std::string used;
        for (std::size_t k = 0; k < all.size(); ++k) {
            const ui::Rect r = all[k]->bounds();
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right() <= 1920 && r.bottom() <= 1080) << k;
            for (std::size_t j = 0; j < k; ++j)
                EXPECT_FALSE(overlap(r, all[j]->bounds())) << k << " on " << j;
            used += letters(*all[k]);
        }
        for (char ch = 'A'; ch <= 'L'; ++ch)
            EXPECT_NE(used.find(ch), std::string::npos) << "channel " << ch << " shown";
    }
}

}  // namespace
