#pragma once
// TClassMultiElementEx_2A5D6B0 (music) and TClassMultiElementEx_2A5DA20 (silence): playlist players.
// A playlist is a section of "list.ini" in the program's folder, entries scheme0/time0, scheme1/time1, ...
// Each step reads the next entry afresh, so edits and a change of the chosen playlist count from the next
// step: schemeN is handed out and stays timeN seconds (60 s when timeN is missing or not above 0); the
// first entry without a scheme starts the list again from entry 0. A list whose entry 0 has no scheme
// stops the player.
#include <cstdint>

#include "runtime/container.h"
#include "runtime/elements/counters.h"
#include "runtime/elements/timer.h"

namespace lr {

class TClassMultiElementEx_2A5D6B0 : public TClassMultiBase {
  public:
    static constexpr std::int32_t kLastEntry = 255;
    static constexpr std::int32_t kFirstIntervalMs = 20000;
    static constexpr std::int32_t kDefaultSeconds = 60;

    explicit TClassMultiElementEx_2A5D6B0(TClassMultiBase* owner);

    void doStart(TData& data);  // from entry 0
    void doStop(TData& data);

    Point PlaylistName;  // the section played
    Point onScheme;      // the scheme name of each entry as it starts

  private:
    void tick(TData& data);
    bool startOver();
    bool step();

    THICounter& entry_;
    THITimer& timer_;
};

class TClassMultiElementEx_2A5DA20 : public TClassMultiElementEx_2A5D6B0 {
  public:
    using TClassMultiElementEx_2A5D6B0::TClassMultiElementEx_2A5D6B0;
};

}  // namespace lr
