// The X11 screen: the root window read through MIT shared memory into one segment, grown when a
// larger rectangle is asked for; plain XGetImage where the server has no shared memory.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <mutex>

#include "ambilight/screen_source.h"

namespace lr::ambilight {

namespace {

bool attachFailed = false;
int noteAttachFailure(Display*, XErrorEvent*) {
    attachFailed = true;
    return 0;
}

// One channel of a TrueColor pixel, scaled to 0..255.
int channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const unsigned long max = mask >> shift;
    return static_cast<int>(((pixel & mask) >> shift) * 255 / max);
}

class X11Screen : public ScreenSource {
  public:
    explicit X11Screen(Display* display)
        : display_(display),
          root_(DefaultRootWindow(display)),
          visual_(DefaultVisual(display, DefaultScreen(display))),
          depth_(DefaultDepth(display, DefaultScreen(display))),
          shared_(XShmQueryExtension(display)) {}

    ~X11Screen() override {
        dropSegment();
        XCloseDisplay(display_);
    }
    X11Screen(const X11Screen&) = delete;
    X11Screen& operator=(const X11Screen&) = delete;

    ui::Size size() override {
        std::lock_guard lock(mutex_);
        return rootSize();
    }

    ui::Image copy(ui::Rect area) override {
        std::lock_guard lock(mutex_);
        const ui::Rect visible = onScreen(area, rootSize());
        return framed(area, visible, visible.width > 0 ? read(visible) : ui::Image{});
    }

  private:
    ui::Size rootSize() {
        Window root = 0;
        int x = 0, y = 0;
        unsigned width = 0, height = 0, border = 0, depth = 0;
        if (!XGetGeometry(display_, root_, &root, &x, &y, &width, &height, &border, &depth)) return {};
        return {static_cast<int>(width), static_cast<int>(height)};
    }

    ui::Image read(ui::Rect r) {
        const auto width = static_cast<unsigned>(r.width);
        const auto height = static_cast<unsigned>(r.height);
        if (shared_ && segmentFor(static_cast<std::size_t>(width) * height * 4)) {
            XImage* image = XShmCreateImage(display_, visual_, static_cast<unsigned>(depth_), ZPixmap,
                                            segment_.shmaddr, &segment_, width, height);
            if (image) {
                const bool ok = XShmGetImage(display_, root_, image, r.left, r.top, AllPlanes);
                ui::Image out = ok ? converted(*image) : ui::Image{};
                image->data = nullptr;  // the segment's memory is ours
                XDestroyImage(image);
                return out;
            }
        }
        XImage* image = XGetImage(display_, root_, r.left, r.top, width, height, AllPlanes, ZPixmap);
        if (!image) return {};
        ui::Image out = converted(*image);
        XDestroyImage(image);
        return out;
    }

    static ui::Image converted(XImage& image) {
        ui::Image out(image.width, image.height);
        const bool common = image.bits_per_pixel == 32 && image.red_mask == 0xFF0000 &&
                            image.green_mask == 0xFF00 && image.blue_mask == 0xFF &&
                            image.byte_order == LSBFirst;
        ui::Color* to = out.pixels().data();
        for (int y = 0; y < image.height; ++y) {
            const auto* row = reinterpret_cast<const unsigned char*>(image.data) +
                              static_cast<std::ptrdiff_t>(y) * image.bytes_per_line;
            for (int x = 0; x < image.width; ++x, ++to)
                *to = common ? ui::rgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]) : masked(image, x, y);
        }
        return out;
    }

    static ui::Color masked(XImage& image, int x, int y) {
        const unsigned long pixel = XGetPixel(&image, x, y);
        return ui::rgb(channel(pixel, image.red_mask), channel(pixel, image.green_mask),
                       channel(pixel, image.blue_mask));
    }

    // A segment of at least `bytes`; a server that refuses to attach one is read without.
    bool segmentFor(std::size_t bytes) {
        if (bytes <= segmentBytes_) return true;
        dropSegment();
        segment_ = {};
        segment_.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (segment_.shmid < 0) return shared_ = false;
        segment_.shmaddr = static_cast<char*>(shmat(segment_.shmid, nullptr, 0));
        shmctl(segment_.shmid, IPC_RMID, nullptr);  // freed with the last detach, also after a crash
        if (segment_.shmaddr == reinterpret_cast<char*>(-1)) return shared_ = false;
        segment_.readOnly = False;
        attachFailed = false;
        XErrorHandler previous = XSetErrorHandler(noteAttachFailure);
        XShmAttach(display_, &segment_);
        XSync(display_, False);
        XSetErrorHandler(previous);
        if (attachFailed) {
            shmdt(segment_.shmaddr);
            return shared_ = false;
        }
        segmentBytes_ = bytes;
        return true;
    }

    void dropSegment() {
        if (segmentBytes_ == 0) return;
        XShmDetach(display_, &segment_);
        XSync(display_, False);
        shmdt(segment_.shmaddr);
        segmentBytes_ = 0;
    }

    std::mutex mutex_;
    Display* display_;
    Window root_;
    Visual* visual_;
    int depth_;
    bool shared_;
    XShmSegmentInfo segment_{};
    std::size_t segmentBytes_ = 0;
};

}  // namespace

std::unique_ptr<ScreenSource> openNativeScreen() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        return unavailableScreen(std::string("Cannot open the X display \"") + (name ? name : "") +
                                 "\": Ambilight has no screen to sample");
    }
    return std::make_unique<X11Screen>(display);
}

}  // namespace lr::ambilight
