#pragma once
// OrganSilenceSwitch: the music/silence switch. A one-second timer counts the seconds without music up
// to 10; at 9 the stored scheme is remembered, at 10 the silence playlist starts when its box is checked.
// The first tick with music after that stops it and loads the remembered scheme; any tick with music
// sets the count back to 0. Schemes from the music playlist pass only while the count is not 10.
#include <cstdint>

#include "runtime/container.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/timer.h"
#include "settings/ini_element.h"

namespace lr {

class OrganSilenceSwitch : public TClassMultiBase {
  public:
    static constexpr std::int32_t kSilentSeconds = 10;

    explicit OrganSilenceSwitch(TClassMultiBase* owner);

    void doMusic(TData& data);        // a tick with music
    void doMusicScheme(TData& data);  // a scheme name from the music playlist

    Point SilenceBox;      // the "Sublist to run in silence" box: 1 checked
    Point onStartSilence;  // the silence playlist from its first entry
    Point onStopSilence;
    Point onLoad;  // a scheme name to load

  private:
    void second(TData& data);

    THITimer& timer_;
    THIini& scheme_;
    THIMemory& remembered_;
    std::int32_t seconds_ = 0;
};

}  // namespace lr
