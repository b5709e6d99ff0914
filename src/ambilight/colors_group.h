#pragma once
// TClassChildGroupBox_2C2EF30, "Colors of Channels": the lamp swatches and their labels, the preview,
// the layout pictures, and behind them the sampling section and the four colour blocks. A 100 ms
// timer starts one sampling pass at a time on a worker thread; a second timer and thread keep the
// preview. The threads are made last, so they are stopped (a running pass waits to its end) before
// anything a pass uses goes.
#include <array>

#include "ambilight/color_block.h"
#include "ambilight/image_element.h"
#include "ambilight/published_value.h"
#include "ambilight/sampling_blocks.h"
#include "runtime/container.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/thread.h"
#include "runtime/elements/timer.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"

namespace lr {

class TClassChildGroupBox_2C2EF30 : public TClassMultiBase {
  public:
    static constexpr std::int32_t kSamplingMs = 100;
    static constexpr std::int32_t kPreviewMs = 100;

    TClassChildGroupBox_2C2EF30(ui::Control* parent, TClassMultiBase* owner, const BalanceReads& balance);

    void doLayout(TData& data);
    void doPreviewOn(TData& data);
    void doPreviewOff(TData& data);
    void doSampleStart(TData& data);
    void doSampleStop(TData& data);
    // Commands, from the sampling thread.
    void setOnCommand(Point point);

    // Waits for the passes now running (tests, and the page before it goes).
    void waitForPasses();

  private:
    THIImage& swatch(ui::Point at);
    void label(const char* caption, ui::Point at, bool bold);
    THIImage& preview();
    THIImgBtn& layoutPicture(const char* name, const char* picture, bool visible);
    LayoutBlock& layoutBlock(std::size_t layout);
    template <class Block>
    ColorBlock& colorBlock(std::size_t region, const BalanceReads& balance);
    void linkLayoutPictures();
    void linkSampling();

    THIGroupBox& box_;
    std::array<THIImage*, 4> swatches_{};
    std::array<THIImgBtn*, 3> pictures_{};
    THIImage& preview_;
    PublishedValue& layout_;
    THIDoData& hidePictures_;
    THIHub& hideEach_;
    THIIndexToChanel& showPicture_;
    THIScreen& screen_;
    std::array<LayoutBlock*, 3> layouts_{};
    THIIndexToChanel& sampleLayout_;
    std::array<ColorBlock*, 4> blocks_{};
    THIScreenShort& shot_;
    THITimer& sampleTimer_;
    THITimer& previewTimer_;
    THIThread& sampleThread_;
    THIThread& previewThread_;
};

}  // namespace lr
