// The controller pulled out in the middle of the link's work, on a real pseudo-terminal: during the
// read-back of its state the link closes, comes back within 2 s of the device's return and reads again.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../device/pty_posix.h"
#include "device/device_link.h"
#include "device/protocol.h"
#include "device/simulated_controller.h"
#include "headless_fixture.h"
#include "recorder.h"

using namespace lr;
using ptytest::PtyPair;

namespace {

class PtyDeviceLink : public HeadlessTest {
  protected:
    PtyDeviceLink() {
        replug();
        link.setOnState(states.point());
        fireString(link.open(), "COM1");
    }
    ~PtyDeviceLink() override { device::setSerialDevices(device::defaultSerialDevices()); }

    void replug() {
        pty = std::make_unique<PtyPair>();
        name.pointAt(pty->slavePath());
        device::setSerialDevices({name.path()});
    }
    // Asks for the state as the Effect page does and lets the device answer with `reply`.
    void askForState(const std::string& reply) {
        fireString(link.command(0), std::string(device::kReadState));
        ASSERT_EQ(pty->read(2), device::kReadState);
        pty->write(reply);
        for (int i = 0; i < 50; ++i)
            PtyPair::pause();  // the terminal hands the reply over in the background
        fireNull(link.readBack());
    }
    bool open() { return link.port().isOpen(); }

    ptytest::DeviceLink name;
    std::unique_ptr<PtyPair> pty;
    DeviceLink link;
    Recorder states;
};

TEST_F(PtyDeviceLink, UnpluggedDuringTheReadBackTheLinkReturnsWithin2sAndReadsAgain) {
    ASSERT_TRUE(open());
    device::ControllerModel model;
    model.apply({device::Command::Kind::Program, 0, 3});
    const std::string reply = device::encodeStateReply(model.state().settings);

    ASSERT_NO_FATAL_FAILURE(askForState(reply.substr(0, 10)));
    pty->closeMaster();
    loop.advance(DeviceLink::kReadBackDelayMs);
    loop.advance(0);
    EXPECT_FALSE(open()) << "the read-back found the device gone";
    EXPECT_TRUE(states.values.empty()) << "a device that went during the read reports no state";

    loop.advance(5000);  // still away: the retries fail quietly, now every 1.5 s
    EXPECT_FALSE(open());
    replug();
    loop.advance(2000);
    ASSERT_TRUE(open()) << "not back within 2 s of the device's return";

    states.values.clear();
    ASSERT_NO_FATAL_FAILURE(askForState(reply));
    loop.advance(DeviceLink::kReadBackDelayMs);
    EXPECT_EQ(states.texts(), (std::vector<std::string>{std::string(device::kProgramPresets[3])}));
    EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
