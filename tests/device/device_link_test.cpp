#include <gtest/gtest.h>

#include <thread>

#include "device/device_link.h"
#include "device/protocol.h"
#include "device/simulated_controller.h"
#include "device_fixture.h"
#include "recorder.h"

using namespace lr;

namespace {
constexpr std::size_t kDevicePanels = 0;
constexpr std::size_t kColourOrgan = 1;
constexpr std::size_t kSendBox = 2;
}  // namespace

class Link : public DeviceTest {
  protected:
    Link() {
        link.setOnCommand(passed.point());
        link.setOnLights(lightsValue.point());
        link.setOnState(states.point());
        fire(link.open(), makeString("COM5"));
    }
    void fire(const Point& p, TData d) { lr::fire(p, d); }
    void send(std::size_t producer, const std::string& command) {
        fire(link.command(producer), makeString(command));
    }

    std::shared_ptr<device::SimulatedController> controller = std::make_shared<device::SimulatedController>();
    BoundLine com5{5};
    DeviceLink link;
    Recorder passed;
    Recorder lightsValue;
    Recorder states;
};

TEST_F(Link, CommandsFromEveryProducerReachTheLineExactlyAsProduced) {
    ASSERT_TRUE(link.port().isOpen());
    send(kColourOrgan, "A5");
    send(kColourOrgan, "B3");
    EXPECT_EQ(com5.line->takeWritten(), "A5B3");
    send(kSendBox, "P2 S5");
    send(5, "_3");
    send(kDevicePanels, "");  // a muted panel: nothing on the line, but it still passes
    EXPECT_EQ(com5.line->takeWritten(), "P2 S5_3");
    EXPECT_EQ(passed.texts(), (std::vector<std::string>{"A5", "B3", "P2 S5", "_3", ""}));
}

TEST_F(Link, TheLightsGateDropsCommandsWhileOffAndEachChangeWritesAllOff) {
    const std::string allOff(device::kAllOff);
    fire(link.lights(), TData{});
    send(kColourOrgan, "A5");
    EXPECT_EQ(com5.line->takeWritten(), allOff);
    fire(link.lights(), TData{});
    EXPECT_EQ(com5.line->takeWritten(), allOff);
    send(kColourOrgan, "A6");
    EXPECT_EQ(com5.line->takeWritten(), "A6");
    fire(link.lightsOn(), TData{});  // no change: nothing written
    EXPECT_EQ(com5.line->takeWritten(), "");
    fire(link.lightsOff(), TData{});
    EXPECT_EQ(com5.line->takeWritten(), allOff);
    EXPECT_EQ(lightsValue.texts(), (std::vector<std::string>{"0", "1", "0"}));
    EXPECT_EQ(passed.texts(), (std::vector<std::string>{allOff, allOff, "A6", allOff}));
}

TEST_F(Link, TheClosingStepWritesAllOffPastTheGate) {
    fire(link.lightsOff(), TData{});
    com5.line->takeWritten();
    fire(link.allOff(), TData{});
    EXPECT_EQ(com5.line->takeWritten(), std::string(device::kAllOff));
}

TEST_F(Link, CommandsWhileThePortIsClosedAreLost) {
    fire(link.close(), TData{});
    send(kColourOrgan, "A5");
    fire(link.open(), makeString("COM5"));
    send(kColourOrgan, "B3");
    EXPECT_EQ(com5.line->takeWritten(), "B3");
}

TEST_F(Link, EveryMinuteAnOpenPortIsClosedAndOpenedAgain) {
    const int attempts = com5.openAttempts;
    loop.advance(59999);
    EXPECT_EQ(com5.openAttempts, attempts);
    loop.advance(1);
    EXPECT_EQ(com5.openAttempts, attempts + 1);
    EXPECT_TRUE(link.port().isOpen());
    fire(link.close(), TData{});
    loop.advance(120000);
    EXPECT_EQ(com5.openAttempts, attempts + 1);
}

TEST_F(Link, ADeviceAwayAtTheMinutesReopenIsRetriedUntilItIsBack) {
    loop.advance(59000);
    com5.line->unplug();
    loop.advance(1000);
    EXPECT_FALSE(link.port().isOpen());
    com5.line->plugIn();
    loop.advance(2000);
    EXPECT_TRUE(link.port().isOpen());
}

TEST_F(Link, AnUnpluggedDeviceIsNoticedWithoutAWrite) {
    com5.line->unplug();
    loop.advance(THIComAsync::kWatchMs - 1);
    EXPECT_TRUE(link.port().isOpen());
    loop.advance(1);
    EXPECT_FALSE(link.port().isOpen());
    com5.line->plugIn();
    loop.advance(2000);
    ASSERT_TRUE(link.port().isOpen());
    send(kColourOrgan, "A5");
    EXPECT_EQ(com5.line->takeWritten(), "A5");
}

TEST_F(Link, AStateIsReadBack100msAfterZ2) {
    send(kDevicePanels, "P3");
    send(kDevicePanels, "Z2");
    const std::string reply = com5.line->takeWritten();
    ASSERT_EQ(reply, "P3Z2");
    device::ControllerModel model;
    model.apply({device::Command::Kind::Program, 0, 3});
    com5.line->send(device::encodeStateReply(model.state().settings));
    fire(link.readBack(), TData{});
    loop.advance(99);
    EXPECT_TRUE(states.values.empty());
    loop.advance(1);
    EXPECT_EQ(states.texts(), (std::vector<std::string>{std::string(device::kProgramPresets[3])}));
    loop.advance(1000);
    EXPECT_EQ(states.values.size(), 1u);
}

TEST_F(Link, AMissingReplyReadsAsZerosAndExtraBytesStayQueued) {
    send(kDevicePanels, "Z2");
    fire(link.readBack(), TData{});
    loop.advance(100);
    com5.line->send(std::string("\x01\x80\x02", 3) + std::string(27, '\0') + "\x05" + "rest");
    send(kDevicePanels, "Z2");
    fire(link.readBack(), TData{});
    loop.advance(100);
    EXPECT_EQ(states.texts()[0], std::string(device::kStateLength, '0'));
    EXPECT_EQ(states.texts()[1].substr(0, 4), "1120");
    EXPECT_EQ(states.texts()[1].back(), '5');
    TData ten = makeInteger(10);
    Recorder rest;
    link.port().onRead = rest.point();
    link.port().doRead(ten);
    EXPECT_EQ(rest.texts(), (std::vector<std::string>{"rest"}));
}

// A "Z2" that never reached the controller gets no answer: reading would show a state of zeros.
TEST_F(Link, NoReadBackWhenTheRequestDidNotGoOut) {
    fire(link.readBack(), TData{});  // no request at all
    fire(link.lightsOff(), TData{});
    send(kDevicePanels, "Z2");
    fire(link.readBack(), TData{});
    fire(link.lightsOn(), TData{});
    fire(link.close(), TData{});
    send(kDevicePanels, "Z2");
    fire(link.readBack(), TData{});
    loop.advance(1000);
    EXPECT_TRUE(states.values.empty());
}

TEST_F(Link, AReadBackFollowsOnlyTheRequestJustWritten) {
    send(kDevicePanels, "Z2");
    send(kDevicePanels, "A5");
    fire(link.readBack(), TData{});
    loop.advance(1000);
    EXPECT_TRUE(states.values.empty());
}

class LinkToController : public DeviceTest {
  protected:
    std::shared_ptr<device::SimulatedController> controller = std::make_shared<device::SimulatedController>();
    BoundLine com2{2, controller};
    DeviceLink link;
    Recorder states;
};

TEST_F(LinkToController, TheSimulatedControllerFollowsAndAnswers) {
    link.setOnState(states.point());
    TData name = makeString("COM2");
    fire(link.open(), name);
    for (const char* command : {"P1", "A8", "BW", "S9", "R1"}) {
        TData d = makeString(command);
        fire(link.command(kDevicePanels), d);
    }
    TData z2 = makeString("Z2");
    fire(link.command(kDevicePanels), z2);
    TData none;
    fire(link.readBack(), none);
    loop.advance(100);
    const std::string expected = device::formatState(controller->state().settings);
    EXPECT_EQ(expected.substr(0, 4), "8010");
    EXPECT_EQ(states.texts(), (std::vector<std::string>{expected}));
}

TEST_F(LinkToController, AmbilightsWorkerThreadSendsWhileTheLightsAreSwitched) {
    TData name = makeString("COM2");
    fire(link.open(), name);
    std::thread ambilight([this] {
        for (int i = 0; i < 2000; ++i) {
            TData command = makeString("A5");
            fire(link.command(3), command);
        }
    });
    for (int i = 0; i < 50; ++i) {
        TData none;
        fire(link.lights(), none);
    }
    ambilight.join();
    TData a5 = makeString("A5");
    fire(link.command(3), a5);  // 50 flips leave the lights on
    EXPECT_EQ(controller->state().settings.levels[0], 5);
}

TEST_F(LinkToController, AnUnpluggedControllerIsBackWithinSecondsNotAMinute) {
    TData name = makeString("COM2");
    fire(link.open(), name);
    com2.line->unplug();
    TData a5 = makeString("A5");
    fire(link.command(kColourOrgan), a5);
    loop.advance(0);
    EXPECT_FALSE(link.port().isOpen());
    com2.line->plugIn();
    loop.advance(250);
    EXPECT_TRUE(link.port().isOpen());
    TData a7 = makeString("A7");
    fire(link.command(kColourOrgan), a7);
    EXPECT_EQ(controller->state().settings.levels[0], 7);
}
