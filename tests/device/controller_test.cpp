#include <gtest/gtest.h>

#include "device/line_config.h"
#include "device/simulated_controller.h"

using namespace lr::device;

namespace {

std::string feed(ControllerModel& model, std::string_view stream) {
    CommandDecoder decoder;
    std::string reply;
    for (const Command& c : decoder.feed(stream))
        reply += model.apply(c);
    return reply;
}

}  // namespace

TEST(SimulatedController, StartsInTheDefaultStateAndFollowsCommands) {
    ControllerModel model;
    // The default's change digit 3 for channel E is beyond the range; the controller holds it as 2.
    EXPECT_EQ(formatState(model.state().settings), "8082808072605041302010000001003");
    EXPECT_TRUE(feed(model, "A0B5CUS7O1_2").empty());
    const ControllerState& s = model.state();
    EXPECT_EQ(s.settings.levels[0], 0);
    EXPECT_EQ(s.settings.levels[1], 5);
    EXPECT_EQ(s.settings.changes[2], Change::Up);
    EXPECT_EQ(s.settings.speed, 7);
    EXPECT_TRUE(s.settings.effects[2]);
    EXPECT_TRUE(s.strip[2]);
}

TEST(SimulatedController, ProgramsLoadTheirSlotsWhichZ0SavesAndZ1Restores) {
    ControllerModel model;
    feed(model, "P3");
    EXPECT_EQ(formatState(model.state().settings), kProgramPresets[3]);
    feed(model, "A8Z0P1P3");
    EXPECT_EQ(model.state().settings.levels[0], 8);
    feed(model, "Z1P3");
    EXPECT_EQ(formatState(model.state().settings), kProgramPresets[3]);
}

TEST(SimulatedController, AllOffLeavesEveryChannelAndSwitchOff) {
    ControllerModel model;
    feed(model, "R1V1");
    feed(model, kAllOff);
    EXPECT_EQ(model.state().program, 4);
    for (auto level : model.state().settings.levels)
        EXPECT_EQ(level, 0);
    for (bool on : model.state().settings.effects)
        EXPECT_FALSE(on);
}

TEST(SimulatedController, AnswersZ2OnTheLineWithItsState) {
    auto controller = std::make_shared<SimulatedController>();
    auto line = MemoryLine::create(controller);
    auto port = line->open(LineSettings{}).port;
    ASSERT_TRUE(port);
    port->write("A3");
    port->write("Z");
    port->write("2");  // split across writes, as a slow producer may send it
    const ReadResult reply = port->read(100);
    EXPECT_EQ(reply.bytes.size(), kStateLength);
    EXPECT_EQ(decodeStateReply(reply.bytes), formatState(controller->state().settings));
    EXPECT_EQ(decodeStateReply(reply.bytes).substr(0, 2), "30");
}
