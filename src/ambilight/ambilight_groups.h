#pragma once
// The Ambilight page's groups beside the colours: "Control" (Start, Stop, View, Fast), "Color
// balance" (three sliders, published for the sampling thread) and "Screen Proportions" (the layouts).
#include <array>
#include <initializer_list>

#include "ambilight/published_value.h"
#include "runtime/container.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_sliders.h"

namespace lr {

namespace ambilight {
// A group box of the page, in the page's silver.
THIGroupBox& pageGroup(THIGroupBox& box, const char* caption, ui::Rect place);
// An image button with its pictures in the order normal, hot, pressed, disabled.
THIImgBtn& pictureButton(THIImgBtn& button, const char* name, ui::Rect place,
                         std::initializer_list<const char*> pictures);
}  // namespace ambilight

class TClassChildGroupBox_2C2EB10 : public TClassMultiBase {
  public:
    TClassChildGroupBox_2C2EB10(ui::Control* parent, TClassMultiBase* owner);

    Point onStart;     // 1
    Point onStop;      // 0
    Point onView;      // 1
    Point onFast;      // 0
    Point onRunState;  // 1 started, 0 stopped
    Point doRemote() { return bind<&THIIndexToChanel::doEvent>(remote_); }

  private:
    THILabel& label(const char* caption, int left);
    void start(TData& data);
    void stop(TData& data);
    void view(TData& data);
    void fast(TData& data);

    THIGroupBox& box_;
    THIImgBtn& stopButton_;
    THIImgBtn& startButton_;
    THIImgBtn& viewButton_;
    THILabel& viewLabel_;
    THIImgBtn& fastButton_;
    THILabel& fastLabel_;
    THIIndexToChanel& remote_;
};

class TClassChildGroupBox_2D0A9E0 : public TClassMultiBase {
  public:
    TClassChildGroupBox_2D0A9E0(ui::Control* parent, TClassMultiBase* owner);

    // The positions, red, green, blue: readable from any thread.
    Point red() { return bind<&PublishedValue::Value>(*values_[0]); }
    Point green() { return bind<&PublishedValue::Value>(*values_[1]); }
    Point blue() { return bind<&PublishedValue::Value>(*values_[2]); }

  private:
    void slider(std::size_t k, int left, const char* letter, int letterLeft, ui::Color color);

    THIGroupBox& box_;
    std::array<PublishedValue*, 3> values_{};
};

class TClassChildGroupBox_2D0AA90 : public TClassMultiBase {
  public:
    TClassChildGroupBox_2D0AA90(ui::Control* parent, TClassMultiBase* owner);
    void setOnLayout(Point point) { index_.onIndex = point; }

  private:
    THIGroupBox& box_;
    THIChanelToIndex& index_;
};

}  // namespace lr
