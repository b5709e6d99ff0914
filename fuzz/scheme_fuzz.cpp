// A scheme file on arbitrary bytes, loaded into the colour organ engine as the page loads it, run for a
// few ticks over a fixed signal, saved and loaded again. Every emitted text is a channel and a level
// 0..8, every formula error names a formula once, the extra variables stay finite, and a save that
// reports success reads back the same slider positions.
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/engine.h"
#include "audio/synth.h"
#include "headless_world.h"
#include "organ/engine.h"

namespace {

constexpr const char* kScheme = "C:\\Prog\\schemes\\fuzz.lsc";
constexpr std::size_t kFramesPerTick = 2205;  // 50 ms of the synth
constexpr int kTicks = 3;

bool isFormulaName(const std::string& name) {
    for (std::string_view n : lr::kChannelNames)
        if (n == name) return true;
    for (std::string_view n : lr::kExtraNames)
        if (n == name) return true;
    return false;
}

struct Sinks : lr::Element {
    void channel(lr::TData& d) {
        const std::string text = lr::toString(d);
        check(text.size() == 2 && text[0] >= 'A' && text[0] <= 'L' && text[1] >= '0' && text[1] <= '8');
    }
    void formulaError(lr::TData& d) {
        const std::string name = lr::toString(d);
        check(isFormulaName(name));
        for (const std::string& seen : failed)
            check(seen != name);  // once per formula until the next load
        failed.push_back(name);
        check(d.next && (lr::toInteger(*d.next) == 0 || lr::toInteger(*d.next) == 1));
    }
    void barPosition(lr::TData& d) {
        check(d.next != nullptr);
        const std::int32_t position = lr::toInteger(*d.next);
        check(position >= 0 && position <= 8);
        positions.push_back(position);
    }
    std::vector<std::string> failed;
    std::vector<std::int32_t> positions;
};

class Organ {
  public:
    explicit Organ(HeadlessWorld& world) : world_(world) {
        std::string error;
        auto driver = lr::audio::makeSynthDriver("demo", error, lr::audio::Pacing::Manual);
        check(driver != nullptr);
        synth_ = driver.get();
        audio_ = std::make_unique<lr::audio::Engine>(std::move(driver));
        backend_ = std::make_unique<lr::audio::ScopedBackend>(*audio_);
        engine_ = std::make_unique<lr::TClassChildGroupBox_1EFA730>(nullptr, nullptr);
        engine_->onChannel = lr::bind<&Sinks::channel>(sinks);
        engine_->onFormulaError = lr::bind<&Sinks::formulaError>(sinks);
        engine_->onBarPosition = lr::bind<&Sinks::barPosition>(sinks);
    }
    ~Organ() {
        engine_.reset();
        backend_.reset();
    }
    Organ(const Organ&) = delete;
    Organ& operator=(const Organ&) = delete;

    void load() {
        sinks.failed.clear();
        sinks.positions.clear();
        lr::TData path = lr::makeString(kScheme);
        engine_->doLoadScheme(path);
    }
    void runFor(int ticks) {
        lr::TData on = lr::makeInteger(1);
        engine_->doRunStop(on);
        for (int i = 0; i < ticks; ++i) {
            synth_->pump(kFramesPerTick);
            world_.loop.advance(lr::kOrganTickMs);
        }
        lr::TData off = lr::makeInteger(0);
        engine_->doRunStop(off);
    }
    void save() {
        lr::TData none;
        engine_->doSaveScheme(none);
    }

    Sinks sinks;

  private:
    HeadlessWorld& world_;
    lr::audio::GeneratedDriver* synth_ = nullptr;
    std::unique_ptr<lr::audio::Engine> audio_;
    std::unique_ptr<lr::audio::ScopedBackend> backend_;
    std::unique_ptr<lr::TClassChildGroupBox_1EFA730> engine_;
};

void checkExtrasFinite() {
    for (std::string_view name : lr::kExtraNames) {
        const lr::TData& value = lr::globalVar(name);
        if (value.kind == lr::kind::Real) check(std::isfinite(value.realValue));
    }
}

bool savedAccepted(const HeadlessWorld& world) {
    const auto& shown = world.boxes.shown();
    return !shown.empty() && shown.back().text == "Saved!";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HeadlessWorld world;
    world.sys.putFile(kScheme, bytesOf(data, size));
    Organ organ(world);
    organ.load();
    organ.runFor(kTicks);
    checkExtrasFinite();
    organ.save();
    if (!savedAccepted(world)) return 0;
    const std::vector<std::int32_t> before = organ.sinks.positions;
    organ.load();
    check(organ.sinks.positions == before);
    organ.runFor(1);
    return 0;
}
