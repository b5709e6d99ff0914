#pragma once
// TClassChildGroupBox_2D0BBC0: the port panel. A list of the ports found by a scan and the buttons
// "Open Port", "Scan Ports" and "Close Port". Opening hands out the chosen port's number and locks the
// choice until "Close Port", which unlocks it and scans again.
#include "device/com.h"
#include "runtime/container.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/text_elements.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"

namespace lr {

class TClassChildGroupBox_2D0BBC0 : public TClassMultiBase {
  public:
    static constexpr std::int32_t kBaud = 9600;

    TClassChildGroupBox_2D0BBC0(ui::Control* parent, TClassMultiBase* owner);

    void doScan(TData& data);
    // Opens the port of a list text such as "COM 5"; nothing while a port is open or when the text
    // names no port 1..255.
    void doOpenItem(TData& data);
    void PortNumber(TData& data);  // the number text of the last port opened ("5")
    void PortBaud(TData& data);    // Integer 9600

    void setOnOpenPort(Point point) { opening_.outputs[1] = point; }  // the number text
    void setOnClosePort(Point point) { closing_.outputs[0] = point; }

  private:
    THIGroupBox& groupBox(ui::Control* parent);
    THIComboBox& portList();
    THIBitBtn& button(const char* caption, int left);
    void link();
    void checkNumber(TData& data);

    THIGroupBox& group_;
    THIComboBox& list_;
    THIBitBtn& open_;
    THIBitBtn& scanButton_;
    THIBitBtn& close_;
    THIPortScan& scan_;
    THIDoData& selected_;
    THIDelete& number_;
    THIMemory& portNumber_;
    THIMemory& portBaud_;
    THIHub& opening_;
    THIHub& closing_;
    THIDoData& lock_;
    THIDoData& unlock_;
    THIHub& enable_;
};

}  // namespace lr
