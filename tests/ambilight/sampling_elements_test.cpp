// The sampling elements one by one: the mean and its rounding, copies that cannot be made, a missing
// bitmap, the screen size followed live, the worker thread's start rules, and the relay to the loop.
#include <gtest/gtest.h>

#include <atomic>

#include "ambilight/screen_elements.h"
#include "ambilight/synthetic_screen.h"
#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/loop_relay.h"
#include "runtime/elements/thread.h"

using namespace lr;
using lr::ambilight::SyntheticScreen;

namespace {

ui::Image picture(std::initializer_list<ui::Color> row) {
    ui::Image image(static_cast<int>(row.size()), 1);
    int x = 0;
    for (ui::Color c : row)
        image.setPixel(x++, 0, c);
    return image;
}

// A point to a bitmap, as a copy hands it on.
TData bitmap(ui::Image& image) {
    return makeBitmap(&image);
}

}  // namespace

TEST(Halftone, TheOnePixelResultIsTheMeanRoundedHalvesToEvenPerChannel) {
    struct Case {
        std::initializer_list<ui::Color> row;
        ui::Color mean;
    };
    const Case cases[] = {
        {{ui::rgb(255, 0, 10), ui::rgb(0, 0, 10)}, ui::rgb(128, 0, 10)},             // 127.5 -> 128
        {{ui::rgb(1, 2, 0), ui::rgb(2, 3, 0)}, ui::rgb(2, 2, 0)},                    // 1.5 -> 2, 2.5 -> 2
        {{ui::rgb(0, 0, 0), ui::rgb(0, 0, 0), ui::rgb(0, 0, 1)}, 0},                 // 0.33 -> 0
        {{ui::rgb(0, 0, 2), ui::rgb(0, 0, 0), ui::rgb(0, 0, 0)}, ui::rgb(0, 0, 1)},  // 0.67 -> 1
    };
    for (const Case& c : cases) {
        const ui::Image mean = halftone(picture(c.row), 1, 1);
        EXPECT_EQ(mean.pixel(0, 0), c.mean) << std::hex << c.mean;
    }
    const ui::Image halves = halftone(picture({1, 3, 100, 200}), 2, 1);
    EXPECT_EQ(halves.pixel(0, 0), 2u);
    EXPECT_EQ(halves.pixel(1, 0), 150u);
    EXPECT_EQ(nearest(picture({1, 3, 100, 200}), 2, 1).pixel(1, 0), 100u);
}

class SamplingElements : public HeadlessTest {
  protected:
    SyntheticScreen screen{{64, 48}, ui::rgb(9, 9, 9)};
    lr::ambilight::ScopedScreenSource scope_{screen};
    Recorder out;
};

TEST_F(SamplingElements, ACopyThatCannotBeMadeFiresNothingAndReadsNothing) {
    THIImg_Copy copy;
    copy.onCopy = out.point();
    for (const auto& [w, h] : {std::pair{0, 5}, {5, 0}, {-3, 5}, {100000, 100000}}) {
        copy.Width_ = w;
        copy.Height_ = h;
        fireNull(bind<&THIImg_Copy::doCopy>(copy));
        EXPECT_TRUE(out.values.empty()) << w << " x " << h;
    }
    EXPECT_TRUE(screen.copied().empty()) << "refused before the screen is touched";
    copy.Width_ = copy.Height_ = 4;
    copy.X_ = 62;  // half off the right edge: those pixels read black
    fireNull(bind<&THIImg_Copy::doCopy>(copy));
    ASSERT_EQ(out.values.size(), 1u);
    const auto* image = static_cast<const ui::Image*>(out.values[0].ref);
    EXPECT_EQ(image->pixel(1, 0), ui::rgb(9, 9, 9));
    EXPECT_EQ(image->pixel(2, 0), 0u);
}

TEST_F(SamplingElements, AMissingBitmapGivesNoResizeAndTheLastColourAgain) {
    THIResize resize;
    resize.Mode = true;
    resize.onResize = out.point();
    ui::Image empty;
    TData none = bitmap(empty);
    fire(bind<&THIResize::doResize>(resize), none);
    fireNull(bind<&THIResize::doResize>(resize));
    EXPECT_TRUE(out.values.empty());
    TData result;
    resize.Result(result);
    EXPECT_TRUE(isNull(result));

    THIImg_GetPoint point;
    point.onGetPixel = out.point();
    fireNull(bind<&THIImg_GetPoint::doGetPixel>(point));
    ui::Image red = picture({ui::rgb(255, 0, 0)});
    TData some = bitmap(red);
    fire(bind<&THIImg_GetPoint::doGetPixel>(point), some);
    fireNull(bind<&THIImg_GetPoint::doGetPixel>(point));
    EXPECT_EQ(out.texts(), (std::vector<std::string>{"0", "255", "255"}));
}

TEST_F(SamplingElements, TheScreenSizeIsReadAtEachPull) {
    THIScreen info;
    EXPECT_EQ(readInteger(bind<&THIScreen::ScreenWidth>(info)), 64);
    screen.resize({1920, 1080});
    EXPECT_EQ(readInteger(bind<&THIScreen::ScreenWidth>(info)), 1920);
    EXPECT_EQ(readInteger(bind<&THIScreen::ScreenHeight>(info)), 1080);
}

TEST_F(SamplingElements, AScreenThatCannotBeOpenedSaysWhyAndGivesNothing) {
    const auto none = lr::ambilight::unavailableScreen("no display");
    lr::ambilight::ScopedScreenSource scope(*none);
    EXPECT_EQ(none->error(), "no display");
    THIScreenShort shot;
    shot.onCapture = out.point();
    fireNull(bind<&THIScreenShort::doShot>(shot));
    EXPECT_TRUE(out.values.empty());
    THIScreen info;
    EXPECT_EQ(readInteger(bind<&THIScreen::ScreenWidth>(info)), 0);
}

TEST_F(SamplingElements, AStartWhileTheThreadRunsIsIgnored) {
    THIImg_Copy copy;
    THIThread thread;
    thread.SingleRun = true;
    thread.onExecute = bind<&THIImg_Copy::doCopy>(copy);
    screen.hold();
    fireNull(bind<&THIThread::doStart>(thread));
    screen.waitForHeldCopy();
    fireNull(bind<&THIThread::doStart>(thread));
    EXPECT_TRUE(thread.running());
    screen.release();
    thread.wait();
    EXPECT_FALSE(thread.running());
    EXPECT_EQ(screen.copied().size(), 1u) << "the second start found the first pass running";
    fireNull(bind<&THIThread::doStart>(thread));
    thread.wait();
    EXPECT_EQ(screen.copied().size(), 2u) << "a start after the pass ended runs again";
}

TEST_F(SamplingElements, AThreadWithoutSingleRunRepeatsUntilStopped) {
    THIImg_Copy copy;
    THIThread thread;
    thread.Delay = 1;
    thread.onExecute = bind<&THIImg_Copy::doCopy>(copy);
    screen.hold();
    fireNull(bind<&THIThread::doStart>(thread));
    screen.waitForHeldCopy();
    screen.release();
    while (screen.copied().size() < 3)
        std::this_thread::yield();
    fireNull(bind<&THIThread::doStop>(thread));
    EXPECT_FALSE(thread.running());
    EXPECT_GE(screen.copied().size(), 3u);
}

TEST_F(SamplingElements, TheRelayKeepsTheOrderOfAWorkersEventsAndDropsThemWhenItIsGone) {
    auto relay = std::make_unique<THILoopRelay>();
    relay->onEvent = out.point();
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i)
            fireInteger(bind<&THILoopRelay::doEvent>(*relay), i);
    });
    worker.join();
    EXPECT_TRUE(out.values.empty()) << "nothing runs on the worker";
    loop.pump();
    ASSERT_EQ(out.values.size(), 50u);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(toInteger(out.values[static_cast<std::size_t>(i)]), i);
    std::thread late([&] { fireString(bind<&THILoopRelay::doEvent>(*relay), "late"); });
    late.join();
    relay.reset();
    loop.pump();
    EXPECT_EQ(out.values.size(), 50u);
}
