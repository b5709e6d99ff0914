#include "audio/fft.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace lr::audio {

namespace {

std::size_t log2Exact(std::size_t n) {
    std::size_t bits = 0;
    while ((std::size_t{1} << bits) < n)
        ++bits;
    if ((std::size_t{1} << bits) != n || n < 4)
        throw std::invalid_argument("FFT size must be a power of two >= 4");
    return bits;
}

std::size_t reverseBits(std::size_t v, std::size_t bits) {
    std::size_t r = 0;
    for (std::size_t b = 0; b < bits; ++b, v >>= 1)
        r = (r << 1) | (v & 1);
    return r;
}

}  // namespace

// The n real samples are packed into n/2 complex pairs (even + i*odd), transformed, and split
// back into the spectrum of the real signal.
RealFft::RealFft(std::size_t n) : n_(n), half_(n / 2), re_(n / 2), im_(n / 2) {
    const std::size_t bits = log2Exact(n) - 1;
    bitReverse_.resize(half_);
    for (std::size_t i = 0; i < half_; ++i)
        bitReverse_[i] = reverseBits(i, bits);
    for (std::size_t h = 1; h < half_; h *= 2) {
        for (std::size_t j = 0; j < h; ++j) {
            const double angle = -std::numbers::pi * static_cast<double>(j) / static_cast<double>(h);
            stageCos_.push_back(static_cast<float>(std::cos(angle)));
            stageSin_.push_back(static_cast<float>(std::sin(angle)));
        }
    }
    for (std::size_t k = 0; k < half_; ++k) {
        const double angle = -2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(n);
        splitCos_.push_back(static_cast<float>(std::cos(angle)));
        splitSin_.push_back(static_cast<float>(std::sin(angle)));
    }
}

void RealFft::magnitudes(std::span<const float> in, std::span<float> out) {
    loadPairs(in);
    transformPairs();
    splitSpectrum(out);
}

void RealFft::loadPairs(std::span<const float> in) {
    for (std::size_t i = 0; i < half_; ++i) {
        const std::size_t j = bitReverse_[i];
        re_[j] = in[2 * i];
        im_[j] = in[2 * i + 1];
    }
}

// Iterative radix-2 decimation in time; the inner loop runs over contiguous twiddles.
void RealFft::transformPairs() {
    float* re = re_.data();
    float* im = im_.data();
    const float* wc = stageCos_.data();
    const float* ws = stageSin_.data();
    for (std::size_t h = 1; h < half_; wc += h, ws += h, h *= 2) {
        for (std::size_t s = 0; s < half_; s += 2 * h) {
            float* ar = re + s;
            float* ai = im + s;
            float* br = ar + h;
            float* bi = ai + h;
            for (std::size_t j = 0; j < h; ++j) {
                const float tr = br[j] * wc[j] - bi[j] * ws[j];
                const float ti = br[j] * ws[j] + bi[j] * wc[j];
                br[j] = ar[j] - tr;
                bi[j] = ai[j] - ti;
                ar[j] += tr;
                ai[j] += ti;
            }
        }
    }
}

// X[k] = (Z[k] + conj Z[M-k]) / 2 - i e^{-2 pi i k/n} (Z[k] - conj Z[M-k]) / 2, M = n/2, Z[M] = Z[0].
void RealFft::splitSpectrum(std::span<float> out) const {
    const float scale = 2.0f / static_cast<float>(n_);
    for (std::size_t k = 0; k < half_; ++k) {
        const std::size_t m = k == 0 ? 0 : half_ - k;
        const float evenRe = 0.5f * (re_[k] + re_[m]);
        const float evenIm = 0.5f * (im_[k] - im_[m]);
        const float oddRe = 0.5f * (im_[k] + im_[m]);
        const float oddIm = -0.5f * (re_[k] - re_[m]);
        const float xr = evenRe + oddRe * splitCos_[k] - oddIm * splitSin_[k];
        const float xi = evenIm + oddRe * splitSin_[k] + oddIm * splitCos_[k];
        out[k] = scale * std::sqrt(xr * xr + xi * xi);
    }
}

}  // namespace lr::audio
