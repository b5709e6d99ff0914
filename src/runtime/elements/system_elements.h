#pragma once
// A few services of the system as elements: THITime (the local time), THIKeyboard (a key's state),
// THIMessage (a message box).
#include <array>
#include <cstdint>
#include <ctime>
#include <string>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

// The local time now.
std::tm localNow();

class THITime : public Element {
  public:
    bool Date = false;              // the reads give year, month and day instead
    std::tm (*clock)() = localNow;  // where the time comes from
    void Hour(TData& data);         // or the year (four digits)
    void Minute(TData& data);       // or the month, 1..12
    void Second(TData& data);       // or the day of the month
};

class THIKeyboard : public Element {
  public:
    std::int32_t Key_ = 0;  // virtual-key code
    Point Key;
    Point onState;
    void doState(TData& data);  // forwards 1 while the key is down, else 0
};

class THIMessage : public Element {
  public:
    std::string Text_;
    std::string Caption_;
    std::int32_t Buttons = 0;        // 0 OK .. 5 Abort/Retry/Ignore
    std::int32_t Icon = 0;           // 0 none, 1 error, 2 question, 3 warning, 4 information
    std::int32_t DefaultButton = 0;  // 0 first .. 2 third
    Point Text;
    Point Caption;
    Point onResult;  // the button code, 1 OK .. 7 No
    Point onOK;
    Point onCancel;
    Point onAbort;
    Point onRetry;
    Point onIgnore;
    Point onYes;
    Point onNo;
    void doMessage(TData& data);

  private:
    const Point& outputFor(std::int32_t code) const;
};

}  // namespace lr
