#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/command_decoder.h"
#include "device/protocol.h"
#include "device/simulated_controller.h"

using namespace lr::device;

TEST(Protocol, CommandsAreTheLeadAndTheDecimalArgument) {
    const std::pair<std::string, std::string> cases[] = {
        {channelLevel(0, 5), "A5"},
        {channelLevel(11, 0), "L0"},
        {channelChange(2, Change::Up), "CU"},
        {channelChange(3, Change::Middle), "DY"},
        {channelChange(4, Change::Down), "EW"},
        {programSelect(7), "P7"},
        {runSpeed(9), "S9"},
        {effectSwitch(2, true), "O1"},
        {effectSwitch(5, false), "N0"},
        {stripFunction(3, true), "_3"},
        {stripFunction(8, false), "^8"},
    };
    for (const auto& [built, expected] : cases)
        EXPECT_EQ(built, expected);
}

TEST(Protocol, AllOffIsProgramFourEverySwitchAndEveryChannelOff) {
    std::vector<std::string> parts{programSelect(4)};
    for (int e = 0; e < 6; ++e)
        parts.push_back(effectSwitch(e, false));
    for (int c = 0; c < kChannelCount; ++c)
        parts.push_back(channelLevel(c, 0));
    std::string expected;
    for (const std::string& part : parts)
        expected.append(expected.empty() ? "" : " ").append(part);
    EXPECT_EQ(kAllOff, expected);
}

TEST(Protocol, StateBytesDecodeByPosition) {
    struct Case {
        std::size_t position;
        std::uint8_t byte;
        const char* text;
    };
    const Case cases[] = {
        {1, 1, "1"},    {1, 128, "8"}, {23, 16, "5"},  {1, 0, "0"},   {1, 3, "0"},      {3, 255, "0"},
        {2, 128, "1"},  {2, 129, "2"}, {24, 255, "2"}, {2, 127, "0"}, {2, 0, "0"},      {25, 1, "1"},
        {30, 200, "1"}, {27, 0, "0"},  {31, 7, "7"},   {31, 0, "0"},  {31, 123, "123"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeStateByte(c.position, c.byte), c.text)
            << "position " << c.position << " byte " << +c.byte;
}

TEST(Protocol, ReplyDecodesPositionByPositionAndMissingBytesReadAsZero) {
    EXPECT_EQ(decodeStateReply(std::string("\x01\x80\x02\x00", 4)).substr(0, 4), "1120");
    EXPECT_EQ(decodeStateReply(""), std::string(kStateLength, '0'));
    EXPECT_EQ(decodeStateReply("\x04").size(), kStateLength);
}

TEST(Protocol, EveryPresetSurvivesTheControllersReply) {
    for (std::string_view preset : kProgramPresets) {
        const DeviceState state = parseState(preset);
        EXPECT_EQ(formatState(state), preset);
        EXPECT_EQ(encodeStateReply(state).size(), kStateLength);
        EXPECT_EQ(decodeStateReply(encodeStateReply(state)), preset);
    }
}

TEST(Protocol, StateTextOutOfRangeIsClampedAndNonDigitsReadAsZero) {
    const DeviceState state = parseState("9x3?");
    EXPECT_EQ(state.levels[0], 8);
    EXPECT_EQ(state.changes[0], Change::Down);
    EXPECT_EQ(state.levels[1], 3);
    EXPECT_EQ(formatState(parseState("")), std::string(kStateLength, '0'));
    EXPECT_EQ(parseState(kDefaultState).speed, 3);
}

TEST(CommandDecoder, ReadsCommandsByTheirLeadingCharacter) {
    using K = Command::Kind;
    struct Case {
        const char* stream;
        std::vector<Command> commands;
    };
    const Case cases[] = {
        {"A5B3", {{K::Level, 0, 5}, {K::Level, 1, 3}}},
        {"LUAYBW", {{K::Change, 11, 2}, {K::Change, 0, 1}, {K::Change, 1, 0}}},
        {"P2 S5", {{K::Program, 0, 2}, {K::Speed, 0, 5}}},
        {"R1N0Z2", {{K::Effect, 0, 1}, {K::Effect, 5, 0}, {K::Eeprom, 0, 2}}},
        {"^3_8", {{K::Strip, 3, 0}, {K::Strip, 8, 1}}},
        {"A9B1", {{K::Level, 1, 1}}},    // no level 9: skipped
        {"AP3", {{K::Program, 0, 3}}},   // a lead replaces an unfinished one
        {"xA 1C2", {{K::Level, 2, 2}}},  // a blank separates
        {"R2S", {}},
    };
    for (const Case& c : cases) {
        CommandDecoder decoder;
        EXPECT_EQ(decoder.feed(c.stream), c.commands) << c.stream;
    }
}

TEST(CommandDecoder, CommandsMaySpanWrites) {
    CommandDecoder decoder;
    EXPECT_TRUE(decoder.feed("A").empty());
    EXPECT_EQ(decoder.feed("5B"), (std::vector<Command>{{Command::Kind::Level, 0, 5}}));
    EXPECT_EQ(decoder.feed(kAllOff).size(), 19u);  // "B" then "P" leaves nothing behind
}
