#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "audio/engine.h"
#include "audio/wav_file.h"

using namespace lr::audio;
using Bytes = std::vector<std::uint8_t>;

namespace {

void put(Bytes& b, const char* tag) {
    b.insert(b.end(), tag, tag + 4);
}
void put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

struct Params {
    std::uint16_t tag = 1, channels = 1, bits = 16;
    std::uint32_t rate = 44100;
    std::vector<std::int16_t> samples;
    std::uint32_t dataSize = 0xFFFFFFFF;  // the real size
    bool extraChunk = false;
};

template <class Change>
Params with(Change change) {
    Params s;
    change(s);
    return s;
}

Bytes build(const Params& s) {
    Bytes b;
    put(b, "RIFF");
    put32(b, 0);
    put(b, "WAVE");
    if (s.extraChunk) {
        put(b, "LIST");
        put32(b, 3);
        b.insert(b.end(), {'a', 'b', 'c', 0});  // odd size, padded
    }
    put(b, "fmt ");
    put32(b, 16);
    put16(b, s.tag);
    put16(b, s.channels);
    put32(b, s.rate);
    put32(b, s.rate * s.channels * 2);
    put16(b, static_cast<std::uint16_t>(s.channels * 2));
    put16(b, s.bits);
    put(b, "data");
    put32(b, s.dataSize == 0xFFFFFFFF ? static_cast<std::uint32_t>(s.samples.size() * 2) : s.dataSize);
    for (const std::int16_t v : s.samples)
        put16(b, static_cast<std::uint16_t>(v));
    return b;
}

}  // namespace

TEST(WavFile, ReadsSixteenBitPcm) {
    struct Case {
        const char* name;
        Params params;
        std::size_t samples;
    };
    const Case cases[] = {
        {"mono", with([](Params& s) {
             s.samples = {0, 16384, -32768};
         }),
         3},
        {"stereo", with([](Params& s) {
             s.channels = 2, s.rate = 22050, s.samples = {1, 2, 3, 4};
         }),
         4},
        {"odd chunk before fmt", with([](Params& s) { s.samples = {5}, s.extraChunk = true; }), 1},
        {"size 0 while recording", with([](Params& s) {
             s.samples = {7, 8}, s.dataSize = 0;
         }),
         2},
        {"size past the end", with([](Params& s) {
             s.samples = {7, 8}, s.dataSize = 1000;
         }),
         2},
        {"half a frame", with([](Params& s) {
             s.channels = 2, s.samples = {1, 2, 3};
         }),
         2},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto wav = parseWav(build(c.params), error);
        ASSERT_TRUE(wav) << c.name << ": " << error;
        EXPECT_EQ(wav->samples.size(), c.samples) << c.name;
        EXPECT_EQ(wav->format.channels, c.params.channels) << c.name;
        EXPECT_EQ(wav->format.rate, c.params.rate) << c.name;
    }
    std::string error;
    const Params three = with([](Params& s) { s.samples = {0, 16384, -32768}; });
    EXPECT_EQ(parseWav(build(three), error)->samples, (std::vector<float>{0, 0.5f, -1}));
}

TEST(WavFile, RejectsWhatItCannotPlayWithAReason) {
    struct Case {
        Bytes bytes;
        const char* reason;
    };
    Bytes noData = build(Params{});
    noData.resize(noData.size() - 8);
    const Case cases[] = {
        {{}, "not a WAV file"},
        {Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' '}, "not a WAV file"},
        {build(with([](Params& s) { s.bits = 8; })), "only 16-bit samples are supported"},
        {build(with([](Params& s) { s.tag = 3; })), "only PCM samples are supported"},
        {build(with([](Params& s) { s.channels = 6; })), "only mono and stereo are supported"},
        {build(with([](Params& s) { s.rate = 0; })), "its sample rate is not supported"},
        {noData, "the WAV file has no data chunk"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(parseWav(c.bytes, error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
    std::string error;
    EXPECT_FALSE(readWav("/nonexistent/a.wav", error));
    EXPECT_EQ(error, "cannot open \"/nonexistent/a.wav\"");
}

TEST(WavFile, HeaderMatchesTheRecordersLayout) {
    const auto h = wavHeader(1, 44100);
    const Bytes expected = {'R', 'I', 'F', 'F', 36, 0, 0,   0,   'W', 'A',  'V',  'E', 'f', 'm',  't',
                            ' ', 16,  0,   0,   0,  1, 0,   1,   0,   0x44, 0xAC, 0,   0,   0x88, 0x58,
                            1,   0,   2,   0,   16, 0, 'd', 'a', 't', 'a',  0,    0,   0,   0};
    EXPECT_EQ(Bytes(h.begin(), h.end()), expected);
}

// Played through the engine, the file's samples reach the callback unchanged, then the channel ends.
TEST(WavFile, DriverPlaysTheFileOnce) {
    const auto path = std::filesystem::temp_directory_path() / "lumenrig_wav_driver_test.wav";
    std::vector<std::int16_t> samples(1000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(i * 7);
    const Bytes bytes = build(with([&](Params& s) { s.samples = samples; }));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::string error;
    auto driver = makeWavDriver(path.string(), error, Pacing::Manual);
    ASSERT_TRUE(driver) << error;
    GeneratedDriver* wav = driver.get();
    Engine engine(std::move(driver));
    std::vector<std::int16_t> got;
    auto take = [](Handle, const void* b, std::uint32_t n, void* out) {
        auto* v = static_cast<std::vector<std::int16_t>*>(out);
        v->insert(v->end(), static_cast<const std::int16_t*>(b), static_cast<const std::int16_t*>(b) + n / 2);
        return true;
    };
    ASSERT_TRUE(engine.init(-1, 44100, 0, 0));
    ASSERT_TRUE(engine.recordInit(-1));
    const Handle h = engine.recordStart(44100, 1, 0, take, &got);
    wav->pump(600);
    EXPECT_EQ(engine.channelIsActive(h), kActive);
    wav->pump(600);
    EXPECT_EQ(engine.channelIsActive(h), kStopped);
    EXPECT_EQ(got, samples);
    std::filesystem::remove(path);
}
