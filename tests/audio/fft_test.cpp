#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <vector>

#include "audio/fft.h"

namespace {

// 2|X[k]|/N by the definition, in long double.
std::vector<double> naiveMagnitudes(const std::vector<float>& x) {
    const std::size_t n = x.size();
    std::vector<double> out(n / 2);
    for (std::size_t k = 0; k < n / 2; ++k) {
        std::complex<long double> sum = 0;
        for (std::size_t t = 0; t < n; ++t) {
            const long double angle = -2.0L * std::numbers::pi_v<long double> *
                                      static_cast<long double>((k * t) % n) / static_cast<long double>(n);
            sum +=
                static_cast<long double>(x[t]) * std::complex<long double>(std::cos(angle), std::sin(angle));
        }
        out[k] = static_cast<double>(2.0L * std::abs(sum) / static_cast<long double>(n));
    }
    return out;
}

std::vector<float> randomSignal(std::size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    std::vector<float> x(n);
    for (float& v : x)
        v = dist(gen);
    return x;
}

std::vector<float> sineOnBin(std::size_t n, double bin, double phase) {
    std::vector<float> x(n);
    for (std::size_t t = 0; t < n; ++t)
        x[t] = static_cast<float>(
            std::sin(2.0 * std::numbers::pi * bin * static_cast<double>(t) / static_cast<double>(n) + phase));
    return x;
}

std::vector<float> transform(const std::vector<float>& x) {
    lr::audio::RealFft fft(x.size());
    std::vector<float> out(x.size() / 2);
    fft.magnitudes(x, out);
    return out;
}

}  // namespace

// Relative to the largest magnitude: small bins carry the rounding of the whole transform.
TEST(Fft, MatchesTheDefinition) {
    const std::pair<std::size_t, unsigned> cases[] = {{4, 1}, {8, 2}, {64, 3}, {2048, 4}, {2048, 5}};
    for (const auto& [n, seed] : cases) {
        const auto x = randomSignal(n, seed);
        const auto expected = naiveMagnitudes(x);
        const auto got = transform(x);
        const double peak = *std::max_element(expected.begin(), expected.end());
        for (std::size_t k = 0; k < n / 2; ++k)
            ASSERT_NEAR(got[k], expected[k], 1e-5 * peak) << "n=" << n << " k=" << k;
    }
}

TEST(Fft, FullScaleSineOnABinReadsOne) {
    const std::pair<double, double> cases[] = {{100, 0.0}, {100, 1.0}, {1, 0.3}, {1000, 2.0}, {513, 0.0}};
    for (const auto& [bin, phase] : cases) {
        const auto got = transform(sineOnBin(2048, bin, phase));
        const auto k = static_cast<std::size_t>(bin);
        EXPECT_NEAR(got[k], 1.0, 1e-3) << bin;
        EXPECT_LT(got[k - 1] + got[(k + 1) % 1024], 1e-3) << bin;
    }
}

TEST(Fft, ConstantSignalLandsInBinZero) {
    const auto got = transform(std::vector<float>(2048, 0.25f));
    EXPECT_NEAR(got[0], 0.5, 1e-6);
    EXPECT_NEAR(got[1], 0.0, 1e-6);
}

TEST(Fft, RejectsSizesThatAreNotPowersOfTwo) {
    EXPECT_THROW(lr::audio::RealFft(1000), std::invalid_argument);
    EXPECT_THROW(lr::audio::RealFft(2), std::invalid_argument);
}
