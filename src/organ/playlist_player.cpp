#include "organ/playlist_player.h"

#include <algorithm>
#include <limits>
#include <string>

#include "settings/ini_file.h"
#include "settings/paths.h"

namespace lr {

namespace {

constexpr std::int32_t kMsPerSecond = 1000;
// The longest stay a timer interval can hold: a huge timeN waits this long instead of wrapping around.
constexpr std::int32_t kLongestSeconds = std::numeric_limits<std::int32_t>::max() / kMsPerSecond;

std::int32_t stayMs(std::int32_t seconds) {
    if (seconds <= 0) seconds = TClassMultiElementEx_2A5D6B0::kDefaultSeconds;
    return std::min(seconds, kLongestSeconds) * kMsPerSecond;
}

}  // namespace

TClassMultiElementEx_2A5D6B0::TClassMultiElementEx_2A5D6B0(TClassMultiBase* owner)
    : TClassMultiBase(nullptr, owner), entry_(make<THICounter>()), timer_(make<THITimer>()) {
    entry_.Min = -1;
    entry_.Max = kLastEntry;
    timer_.Interval = kFirstIntervalMs;
    timer_.onTimer = bind<&TClassMultiElementEx_2A5D6B0::tick>(*this);
}

void TClassMultiElementEx_2A5D6B0::doStart(TData&) {
    if (startOver()) {
        fireNull(bind<&THITimer::doTimer>(timer_));
    } else {
        fireNull(bind<&THITimer::doStop>(timer_));
    }
}

void TClassMultiElementEx_2A5D6B0::doStop(TData&) {
    fireNull(bind<&THITimer::doStop>(timer_));
}

// An entry without a scheme starts the list again, unless it was entry 0: then there is nothing to play.
void TClassMultiElementEx_2A5D6B0::tick(TData& data) {
    if (!step()) doStart(data);
}

bool TClassMultiElementEx_2A5D6B0::startOver() {
    fireNull(bind<&THICounter::doReset>(entry_));
    return step();
}

// False when the entry names no scheme.
bool TClassMultiElementEx_2A5D6B0::step() {
    fireNull(bind<&THICounter::doNext>(entry_));
    const std::string n = std::to_string(readInteger(bind<&THICounter::Count>(entry_)));
    TData name;
    read(PlaylistName, name);
    const settings::IniText list = settings::iniLoad(settings::expandPath("list.ini"));
    const std::string section = toString(name);
    fireInteger(bind<&THITimer::doInterval>(timer_), stayMs(list.readInteger(section, "time" + n, 0)));
    const std::string scheme = list.readString(section, "scheme" + n, "");
    if (scheme.empty()) return false;
    fireString(onScheme, scheme);
    return true;
}

}  // namespace lr
