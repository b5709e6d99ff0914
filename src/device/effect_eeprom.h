#pragma once
// TClassChildGroupBox_2A60360: "Work with EEPROM". Save ("Z0"), restore the defaults ("Z1"), and read the
// current effect's settings back ("Z2", then the read-back starts).
#include "device/effect_group.h"

namespace lr {

class TClassChildGroupBox_2A60360 : public EffectGroup {
  public:
    static constexpr int kHeight = 50;

    TClassChildGroupBox_2A60360(ui::Control* parent, TClassMultiBase* owner, int top);

    // After the "Z2" has gone out.
    void setOnReadBack(Point point) { onReadBack_ = point; }

  private:
    void save(TData& data);
    void restore(TData& data);
    void read(TData& data);

    THIBitBtn& save_;
    THIBitBtn& restore_;
    THIBitBtn& read_;
    Point onReadBack_;
};

}  // namespace lr
