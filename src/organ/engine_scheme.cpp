// Loading a scheme file into the engine, and saving the bars, levels and variables back into it.
#include <algorithm>

#include "organ/engine.h"
#include "runtime/report.h"
#include "settings/ini_file.h"

namespace lr {

namespace {

constexpr std::string_view kInit = "init";
constexpr std::string_view kCalculation = "calculation";
constexpr std::int64_t kTopBar = 8;

// The order in which a load translates the extra variables' formulas.
constexpr std::array<std::string_view, kOrganExtras> kExtraLoadOrder = {
    "xA", "xB", "xC", "xD", "xE", "xF", "xG", "xH", "xI", "xJ", "xK", "xL", "xX", "xY", "xZ", "xW"};

// Formula store of a channel or extra variable: channels first, then the extras in evaluator order.
std::size_t storeOf(std::string_view name) {
    const auto channel = std::find(kChannelNames.begin(), kChannelNames.end(), name);
    if (channel != kChannelNames.end()) return static_cast<std::size_t>(channel - kChannelNames.begin());
    const auto extra = std::find(kExtraNames.begin(), kExtraNames.end(), name);
    return kOrganChannels + static_cast<std::size_t>(extra - kExtraNames.begin());
}

// The variables a save writes, and (from A on) those a load starts from the [init] values.
std::vector<std::string_view> savedNames() {
    std::vector<std::string_view> names = {"bar_beat"};
    names.insert(names.end(), kBarNames.begin(), kBarNames.begin() + 12);
    names.push_back("bar_act");
    names.insert(names.end(), kChannelNames.begin(), kChannelNames.end());
    names.insert(names.end(), kExtraNames.begin(), kExtraNames.end());
    return names;
}

std::string lines(std::span<const std::string_view> names) {
    std::string text;
    for (std::string_view name : names) {
        text += name;
        text += "\r\n";
    }
    return text;
}

}  // namespace

void TClassChildGroupBox_1EFA730::buildSchemeAccess() {
    initValues_.Section_ = std::string(kInit);
    initValues_.FileName = bind<&THIGlobalVar::Var>(var("scheme_dir"));
    const std::vector<std::string_view> names = savedNames();
    initValues_.Vars = lines(std::span(names).subspan(kBarNames.size()));
}

// Block stays 0 until the whole scheme is in, so no formula runs on half-loaded data.
void TClassChildGroupBox_1EFA730::doLoadScheme(TData& data) {
    const std::string path = toString(data);
    fireString(bind<&THIGlobalVar::doValue>(var("scheme_dir")), path);
    setBlock(0);
    fireString(onSchemeText, path);
    const settings::IniText scheme = settings::iniLoad(path);
    loadBars(scheme);
    fireString(bind<&THIBASS_FFT_2048_Vis::doInit>(beat_), scheme.readString(kInit, "strfreq_beat", ""));
    fireString(bind<&THIBASS_FFT_2048_Vis::doInit>(bands_), scheme.readString(kInit, "strfreq", ""));
    loadFormulas(scheme, kChannelNames);
    fireNull(bind<&THIGVarContainer::doLoad>(initValues_));
    loadFormulas(scheme, kExtraLoadOrder);
    fireNull(bind<&THIFor::doStop>(*channelLoop_));
    fireNull(bind<&THIFor::doStop>(*extraLoop_));
    fireNull(bind<&THICounter::doReset>(counter_));
    reported_.fill(false);
    setBlock(1);
}

// A slider goes to 8 - value (held within its range 0..8), and its bar then reads 8 - position.
void TClassChildGroupBox_1EFA730::loadBars(const settings::IniText& scheme) {
    for (std::string_view name : kBarNames) {
        const std::int64_t value = scheme.readInteger(kInit, name, 0);
        const std::int64_t position = std::clamp<std::int64_t>(kTopBar - value, 0, kTopBar);
        TData slider = makeString(std::string(name));
        append(slider, makeInteger(static_cast<std::int32_t>(position)));
        fire(onBarPosition, slider);
        fireInteger(bind<&THIGlobalVar::doValue>(var(name)), static_cast<std::int32_t>(kTopBar - position));
    }
}

void TClassChildGroupBox_1EFA730::loadFormulas(const settings::IniText& scheme,
                                               std::span<const std::string_view> names) {
    for (std::string_view name : names) {
        TData formula = makeString(scheme.readString(kCalculation, name, ""));
        fire(bind<&THIMultiElementEx::doWork>(*translators_[storeOf(name)], 0), formula);
    }
}

// A failed write says so instead of claiming success.
void TClassChildGroupBox_1EFA730::doSaveScheme(TData&) {
    setBlock(0);
    TData path;
    read(bind<&THIGlobalVar::Var>(var("scheme_dir")), path);
    if (saveValues(toString(path))) {
        showReport({.text = "Saved!", .caption = "Scheme settings", .kind = ReportKind::Information});
    } else {
        showReport({.text = "Not saved!", .caption = "Scheme settings", .kind = ReportKind::Error});
    }
    setBlock(1);
}

bool TClassChildGroupBox_1EFA730::saveValues(const std::string& path) {
    if (path.empty()) return false;
    return settings::iniUpdate(path, [&](settings::IniText& scheme) {
        for (std::string_view name : savedNames()) {
            TData value;
            read(bind<&THIGlobalVar::Var>(var(name)), value);
            if (!scheme.set(kInit, name, toString(value))) return false;
        }
        return true;
    });
}

}  // namespace lr
