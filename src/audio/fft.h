#pragma once
// Real FFT of a power-of-two length, no window: magnitudes 2|X[k]|/N for k = 0 .. N/2-1, so a
// full-scale sine centred on a bin reads 1.0 there.
#include <cstddef>
#include <span>
#include <vector>

namespace lr::audio {

class RealFft {
  public:
    // n: a power of two, at least 4.
    explicit RealFft(std::size_t n);
    std::size_t size() const { return n_; }
    // in: n samples; out: n/2 magnitudes. Allocates nothing.
    void magnitudes(std::span<const float> in, std::span<float> out);

  private:
    void loadPairs(std::span<const float> in);
    void transformPairs();
    void splitSpectrum(std::span<float> out) const;

    std::size_t n_;
    std::size_t half_;
    std::vector<std::size_t> bitReverse_;     // half_ entries
    std::vector<float> stageCos_, stageSin_;  // stage by stage, half-size h uses h entries
    std::vector<float> splitCos_, splitSin_;  // e^{-2 pi i k / n}, k < half_
    std::vector<float> re_, im_;
};

}  // namespace lr::audio
