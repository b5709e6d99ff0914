#pragma once
// A growable block of bytes with a position: what the recorder lends along its onData point.
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace lr::audio {

class MemoryStream {
  public:
    void clear() {
        bytes_.clear();
        position_ = 0;
    }
    void write(std::span<const std::uint8_t> data) {
        bytes_.resize(std::max(bytes_.size(), position_ + data.size()));
        std::memcpy(bytes_.data() + position_, data.data(), data.size());
        position_ += data.size();
    }
    void seek(std::size_t position) { position_ = position; }
    std::size_t position() const { return position_; }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace lr::audio
