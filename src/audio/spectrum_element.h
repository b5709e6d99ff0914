#pragma once
// THIBASS_FFT_2048_Vis: the sums of consecutive bin ranges of the recording channel's spectrum.
#include "audio/backend.h"
#include "audio/bands.h"
#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIBASS_FFT_2048_Vis : public Element {
  public:
    const audio::Handle* Handle = nullptr;  // the recording element's, read at every doFFT
    Point onIndex;                          // Integer: the range number, from 0
    Point onValue;                          // Real: the range's sum, fired right after its onIndex
    // Event data: the boundary list, e.g. "1;3;5;10;"; empty means the default list.
    void doInit(TData& data);
    // Reads one spectrum; silent while the channel is not running or before doInit.
    void doFFT(TData& data);
    std::int32_t BoundCount() const { return bounds_.count; }

  private:
    audio::Bounds bounds_;
};

}  // namespace lr
