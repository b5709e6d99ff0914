#pragma once
// THIImage: a picture control showing a bitmap on its background colour, stretched to the control or
// fitted and centred. doLoad and doColor may come from a worker thread: the picture is scaled there
// and handed to the loop thread, which alone touches the control.
#include <memory>
#include <thread>

#include "runtime/elements/visual_win.h"

namespace lr {

class THIImage : public THIWin {
  public:
    explicit THIImage(ui::Control* parent);
    bool Stretch = false;

    void doLoad(TData& data);
    void doColor(TData& data);

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::ImageView}; }

  private:
    template <class F>
    void onLoop(F&& change);
    ui::Image scaled(const ui::Image& bitmap) const;

    std::thread::id loopThread_;  // the thread that made the element
    std::shared_ptr<THIImage*> self_;
};

}  // namespace lr
