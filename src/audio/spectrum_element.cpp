#include "audio/spectrum_element.h"

#include <array>

namespace lr {

void THIBASS_FFT_2048_Vis::doInit(TData& data) {
    bounds_ = audio::parseBounds(toString(data));
}

void THIBASS_FFT_2048_Vis::doFFT(TData&) {
    const audio::Handle channel = Handle ? *Handle : 0;
    audio::Backend& backend = audio::backend();
    if (backend.channelIsActive(channel) != audio::kActive) return;
    std::array<float, audio::kFftBins> spectrum;
    if (backend.channelGetData(channel, spectrum.data(), audio::kDataFft2048 | audio::kFftNoWindow) < 0)
        return;
    for (std::int32_t i = 0; i < bounds_.rangeCount(); ++i) {
        double sum = 0.0;
        for (std::int32_t k = bounds_.table[static_cast<std::size_t>(i)];
             k < bounds_.table[static_cast<std::size_t>(i) + 1]; ++k)
            sum += spectrum[static_cast<std::size_t>(k)];
        fireInteger(onIndex, i);
        fireReal(onValue, sum);
    }
}

}  // namespace lr
