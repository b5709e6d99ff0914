#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "audio/converter.h"
#include "audio/fft.h"

using namespace lr::audio;

namespace {

std::vector<float> sine(double hz, std::uint32_t rate, std::size_t frames, std::uint32_t channels = 1) {
    std::vector<float> out;
    for (std::size_t i = 0; i < frames; ++i)
        for (std::uint32_t c = 0; c < channels; ++c)
            out.push_back(static_cast<float>(
                0.5 * std::sin(2 * std::numbers::pi * hz * static_cast<double>(i) / rate)));
    return out;
}

std::vector<std::int16_t> convertInBlocks(SampleFormat target, const std::vector<float>& in,
                                          SampleFormat source, std::size_t blockFrames) {
    Converter converter(target);
    std::vector<std::int16_t> out;
    const std::size_t step = blockFrames * source.channels;
    for (std::size_t at = 0; at < in.size(); at += step) {
        const auto part =
            converter.convert(std::span(in).subspan(at, std::min(step, in.size() - at)), source);
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

std::size_t peakBin(const std::vector<std::int16_t>& mono) {
    std::vector<float> x(2048), m(1024);
    for (std::size_t i = 0; i < 2048; ++i)
        x[i] = mono[mono.size() - 2048 + i] / 32768.0f;
    RealFft(2048).magnitudes(x, m);
    return static_cast<std::size_t>(std::max_element(m.begin(), m.end()) - m.begin());
}

}  // namespace

TEST(Converter, SameFormatIsExact) {
    const std::vector<float> in = {0.0f, 0.5f, -0.5f, 1.0f, -1.0f, 1.5f};
    Converter c({44100, 1});
    const auto out = c.convert(in, {44100, 1});
    EXPECT_EQ(std::vector<std::int16_t>(out.begin(), out.end()),
              (std::vector<std::int16_t>{0, 16384, -16384, 32767, -32768, 32767}));
}

TEST(Converter, ChannelsAreMixedOrCopied) {
    struct Case {
        std::uint32_t from, to;
        std::vector<float> in;
        std::vector<std::int16_t> out;
    };
    const Case cases[] = {
        {2, 1, {0.5f, 0.0f, -0.25f, -0.25f}, {8192, -8192}},
        {1, 2, {0.5f, -0.25f}, {16384, 16384, -8192, -8192}},
        {3, 2, {0.5f, 0.25f, 1.0f}, {16384, 8192}},
    };
    for (const Case& c : cases) {
        Converter converter({44100, c.to});
        const auto out = converter.convert(c.in, {44100, c.from});
        EXPECT_EQ(std::vector<std::int16_t>(out.begin(), out.end()), c.out) << c.from << "->" << c.to;
    }
}

// Any rate comes out at the target rate with the tone where it belongs, however the blocks are cut.
TEST(Converter, ResamplesKeepingPitchAcrossBlocks) {
    const double hz = 100.0 * 44100 / 2048;  // bin 100 at 44100
    const std::uint32_t rates[] = {48000, 22050, 8000, 96000, 44100};
    for (const std::uint32_t rate : rates) {
        const auto in = sine(hz, rate, rate, 2);  // one second, stereo
        const auto whole = convertInBlocks({44100, 1}, in, {rate, 2}, rate);
        const auto pieces = convertInBlocks({44100, 1}, in, {rate, 2}, 97);
        EXPECT_NEAR(static_cast<double>(whole.size()), 44100.0, 44100.0 / rate + 1) << rate;
        EXPECT_EQ(whole, pieces) << rate;
        EXPECT_EQ(peakBin(whole), 100u) << rate;
    }
}

TEST(Converter, FormatChangeStartsAfresh) {
    Converter c({44100, 1});
    c.convert(sine(440, 48000, 100), {48000, 1});
    const std::vector<float> in = {0.25f, 0.25f};
    const auto out = c.convert(in, {44100, 1});
    EXPECT_EQ(std::vector<std::int16_t>(out.begin(), out.end()), (std::vector<std::int16_t>{8192, 8192}));
    EXPECT_TRUE(c.convert(in, {0, 1}).empty());
}
