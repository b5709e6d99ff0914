#include "audio/wav_file.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace lr::audio {

namespace {

constexpr std::uint32_t kMaxRate = 384000;
constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kExtensible = 0xFFFE;

std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
void put32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void put16(std::uint8_t* at, std::uint16_t v) {
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}
bool tagIs(std::span<const std::uint8_t> b, std::size_t at, const char* tag) {
    return std::memcmp(&b[at], tag, 4) == 0;
}

struct Chunk {
    std::size_t start = 0;  // of the body
    std::size_t size = 0;
};

// The body of the first chunk named `tag`; a size running past the end is cut to what is there.
std::optional<Chunk> findChunk(std::span<const std::uint8_t> bytes, const char* tag) {
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::size_t start = at + 8;
        const std::size_t size = std::min<std::size_t>(le32(bytes, at + 4), bytes.size() - start);
        if (tagIs(bytes, at, tag)) return Chunk{start, size};
        at = start + size + (size & 1);
    }
    return std::nullopt;
}

const char* checkFormat(std::span<const std::uint8_t> fmt, SampleFormat& format) {
    if (fmt.size() < 16) return "its format chunk is too short";
    const std::uint16_t tag = le16(fmt, 0);
    const bool pcm = tag == kPcm || (tag == kExtensible && fmt.size() >= 26 && le16(fmt, 24) == kPcm);
    if (!pcm) return "only PCM samples are supported";
    if (le16(fmt, 14) != 16) return "only 16-bit samples are supported";
    format = {le32(fmt, 4), le16(fmt, 2)};
    if (format.channels != 1 && format.channels != 2) return "only mono and stereo are supported";
    if (format.rate == 0 || format.rate > kMaxRate) return "its sample rate is not supported";
    return nullptr;
}

std::vector<float> decode16(std::span<const std::uint8_t> data, std::uint32_t channels) {
    const std::size_t frameBytes = 2 * channels;
    std::vector<float> samples((data.size() / frameBytes) * channels);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<float>(static_cast<std::int16_t>(le16(data, 2 * i))) / 32768.0f;
    return samples;
}

class WavSignal : public Signal {
  public:
    explicit WavSignal(std::shared_ptr<const WavData> wav) : wav_(std::move(wav)) {}
    SampleFormat format() const override { return wav_->format; }
    std::size_t fill(std::span<float> out) override {
        const std::size_t count = std::min(out.size(), wav_->samples.size() - next_);
        std::copy_n(wav_->samples.begin() + static_cast<std::ptrdiff_t>(next_), count, out.begin());
        next_ += count;
        return count / wav_->format.channels;
    }

  private:
    std::shared_ptr<const WavData> wav_;
    std::size_t next_ = 0;
};

}  // namespace

std::optional<WavData> parseWav(std::span<const std::uint8_t> bytes, std::string& error) {
    if (bytes.size() < 12 || !tagIs(bytes, 0, "RIFF") || !tagIs(bytes, 8, "WAVE")) {
        error = "not a WAV file";
        return std::nullopt;
    }
    const auto fmt = findChunk(bytes, "fmt ");
    auto data = findChunk(bytes, "data");
    if (!fmt || !data) {
        error = fmt ? "the WAV file has no data chunk" : "the WAV file has no format chunk";
        return std::nullopt;
    }
    WavData wav;
    if (const char* why = checkFormat(bytes.subspan(fmt->start, fmt->size), wav.format)) {
        error = std::string("unsupported WAV file: ") + why;
        return std::nullopt;
    }
    if (data->size == 0) data->size = bytes.size() - data->start;
    wav.samples = decode16(bytes.subspan(data->start, data->size), wav.format.channels);
    return wav;
}

std::optional<WavData> readWav(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open \"" + path + "\"";
        return std::nullopt;
    }
    const std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
    auto wav = parseWav(bytes, error);
    if (!wav) error = "\"" + path + "\": " + error;
    return wav;
}

std::array<std::uint8_t, kWavHeaderSize> wavHeader(std::uint32_t channels, std::uint32_t rate) {
    std::array<std::uint8_t, kWavHeaderSize> h{};
    std::memcpy(&h[0], "RIFF", 4);
    put32(&h[4], 36);
    std::memcpy(&h[8], "WAVEfmt ", 8);
    put32(&h[16], 16);
    put16(&h[20], kPcm);
    put16(&h[22], static_cast<std::uint16_t>(channels));
    put32(&h[24], rate);
    put32(&h[28], channels * 16 * rate / 8);
    put16(&h[32], static_cast<std::uint16_t>(channels * 2));
    put16(&h[34], 16);
    std::memcpy(&h[36], "data", 4);
    put32(&h[40], 0);
    return h;
}

std::array<std::uint8_t, 4> riffSizeField(std::uint32_t dataBytes) {
    std::array<std::uint8_t, 4> f{};
    put32(f.data(), 36 + dataBytes);
    return f;
}

std::array<std::uint8_t, 4> dataSizeField(std::uint32_t dataBytes) {
    std::array<std::uint8_t, 4> f{};
    put32(f.data(), dataBytes);
    return f;
}

std::unique_ptr<GeneratedDriver> makeWavDriver(const std::string& path, std::string& error, Pacing pacing) {
    auto wav = readWav(path, error);
    if (!wav) return nullptr;
    auto shared = std::make_shared<const WavData>(std::move(*wav));
    return std::make_unique<GeneratedDriver>(
        path, [shared] { return std::make_unique<WavSignal>(shared); }, pacing);
}

}  // namespace lr::audio
