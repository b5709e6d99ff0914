// The X11 screen source on a real X server (Xvfb): a window over the whole screen shows a known
// picture, and a pass of layout 2 reads the mean of each of its four regions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ambilight/sampling_blocks.h"
#include "ambilight/screen_source.h"
#include "known_picture.h"
#include "recorder.h"

// Last: X11's macros (None, Bool, Status) would clash with the names above.
#include <X11/Xlib.h>
#include "runtime/point.h"

using namespace lr;

namespace {

unsigned long pixelOf(ui::Color c) {
    return static_cast<unsigned long>(ui::redOf(c)) << 16 | static_cast<unsigned long>(ui::greenOf(c)) << 8 |
           static_cast<unsigned long>(ui::blueOf(c));
}

// An override-redirect window over the whole screen, showing the picture until it goes.
class PictureWindow {
  public:
    explicit PictureWindow(Display* display) : display_(display) {
        const int screen = DefaultScreen(display);
        width_ = DisplayWidth(display, screen);
        height_ = DisplayHeight(display, screen);
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.event_mask = StructureNotifyMask;
        window_ = XCreateWindow(display, DefaultRootWindow(display), 0, 0, static_cast<unsigned>(width_),
                                static_cast<unsigned>(height_), 0, CopyFromParent, InputOutput,
                                CopyFromParent, CWOverrideRedirect | CWEventMask, &attributes);
        XMapRaised(display, window_);
        XEvent event;
        do
            XNextEvent(display, &event);
        while (event.type != MapNotify);
        paint();
    }
    ~PictureWindow() {
        XDestroyWindow(display_, window_);
        XSync(display_, False);
    }
    PictureWindow(const PictureWindow&) = delete;
    PictureWindow& operator=(const PictureWindow&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

  private:
    void paint() {
        GC gc = XCreateGC(display_, window_, 0, nullptr);
        known_picture::forEachStripe(width_, height_, [&](const known_picture::Stripe& s) {
            XSetForeground(display_, gc, pixelOf(s.color));
            XFillRectangle(display_, window_, gc, s.place.left, s.place.top,
                           static_cast<unsigned>(s.place.width), static_cast<unsigned>(s.place.height));
        });
        XFreeGC(display_, gc);
        XSync(display_, False);
    }

    Display* display_;
    Window window_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace

TEST(X11Capture, EachRegionReadsTheMeanOfThePaintedPicture) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) GTEST_SKIP() << "no X display: run under tools/with-xvfb";
    ASSERT_EQ(DefaultDepth(display, DefaultScreen(display)), 24);
    {
        PictureWindow picture(display);
        ASSERT_EQ(picture.width(), 1280) << "layout 2 regions 160 wide";
        installDispatch();
        ambilight::ScreenSource& screen = ambilight::screenSource();
        ASSERT_EQ(screen.error(), "");
        EXPECT_EQ(screen.size(), (ui::Size{picture.width(), picture.height()}));
        THIScreen info;
        Recorder colours;
        LayoutBlock block(nullptr, kLayouts[2], bind<&THIScreen::ScreenWidth>(info),
                          bind<&THIScreen::ScreenHeight>(info));
        for (std::uint16_t k = 0; k < 4; ++k)
            block.setOnRegion(k, colours.point(k));
        fireNull(block.doSample());
        ASSERT_EQ(colours.values.size(), 4u);
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(static_cast<ui::Color>(toInteger(colours.values[k])), known_picture::kMeans[k])
                << "region " << k + 1;
        uninstallDispatch();
    }
    XCloseDisplay(display);
}

TEST(X11Capture, WithoutADisplayTheScreenSaysWhyAndReadsNothing) {
    const char* was = std::getenv("DISPLAY");
    const std::string previous = was ? was : "";
    setenv("DISPLAY", ":4711", 1);  // no such server
    const std::unique_ptr<ambilight::ScreenSource> screen = ambilight::openNativeScreen();
    if (was)
        setenv("DISPLAY", previous.c_str(), 1);
    else
        unsetenv("DISPLAY");
    EXPECT_EQ(screen->error(), "Cannot open the X display \":4711\": Ambilight has no screen to sample");
    EXPECT_EQ(screen->size(), ui::Size{});
    EXPECT_TRUE(screen->copy({0, 0, 10, 10}).empty());
}
