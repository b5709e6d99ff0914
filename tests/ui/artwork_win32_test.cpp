// Under Wine: the program's resource section holds every picture under its name, pixel for pixel the
// picture the other backends have built in, and both icons at the system's icon size.
#include <gtest/gtest.h>

#include "artwork_expected.h"
#include "resources/artwork.h"
#include "ui/win32/services.h"

namespace {

TEST(Win32Artwork, TheResourcesHoldEveryPictureAsBuiltIn) {
    const ui::win32::Win32Resources resources;
    for (const ExpectedPicture& p : expectedPictures()) {
        const ui::Image loaded = resources.bitmap(p.name);
        EXPECT_EQ(loaded.size(), p.size) << p.name;
        EXPECT_TRUE(loaded == art::bitmap(p.name)) << p.name;
    }
    for (const std::string& name : expectedIcons())
        EXPECT_EQ(resources.icon(name).size(), (ui::Size{32, 32})) << name;
}

}  // namespace
