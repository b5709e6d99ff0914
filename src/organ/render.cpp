#include "organ/render.h"

#include "audio/engine.h"
#include "audio/wav_file.h"
#include "organ/engine.h"
#include "runtime/globals.h"
#include "runtime/random.h"
#include "settings/system.h"

namespace lr::organ {

namespace {

constexpr std::uint64_t kTicksPerSecond = 1000 / kOrganTickMs;

// The track's frames up to the moment of tick n.
std::uint64_t framesUpTo(std::uint64_t tick, std::uint32_t rate) {
    return tick * rate / kTicksPerSecond;
}

class Output : public Element {
  public:
    Output(const RenderSink& sink, const ui::Loop& loop) : sink_(sink), loop_(loop) {}

    void command(TData& data) {
        if (sink_.command) sink_.command(loop_.nowMs(), toString(data));
    }
    // (name, error index, line, column)
    void formulaError(TData& data) {
        int fields[3] = {};
        const TData* item = data.next.get();
        for (int& field : fields) {
            if (!item) break;
            field = toInteger(*item);
            item = item->next.get();
        }
        if (sink_.formulaError) sink_.formulaError(toString(data), fields[0], fields[1], fields[2]);
    }

  private:
    const RenderSink& sink_;
    const ui::Loop& loop_;
};

class DispatchScope {
  public:
    DispatchScope() : installed_(dispatchInstalled()) { installDispatch(); }
    ~DispatchScope() {
        if (!installed_) uninstallDispatch();
    }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

  private:
    bool installed_;
};

struct TrackLength {
    std::uint32_t rate = 0;
    std::uint64_t frames = 0;
};

std::optional<TrackLength> trackLength(const std::string& path, std::string& error) {
    const auto wav = audio::readWav(path, error);
    if (!wav) return std::nullopt;
    return TrackLength{wav->format.rate, wav->samples.size() / wav->format.channels};
}

void setBars(const std::array<std::int32_t, 14>& bars) {
    for (std::size_t i = 0; i < bars.size(); ++i)
        globalVar(kBarNames[i]) = makeInteger(bars[i]);
}

}  // namespace

bool render(const RenderOptions& options, const RenderSink& sink, const RenderWorld& world,
            std::string& error) {
    if (!settings::system().fileExists(options.scheme)) {
        error = "cannot read the scheme \"" + options.scheme + "\"";
        return false;
    }
    const std::optional<TrackLength> length = trackLength(options.track, error);
    if (!length) return false;
    auto driver = audio::makeWavDriver(options.track, error, audio::Pacing::Manual);
    if (!driver) return false;
    audio::GeneratedDriver& track = *driver;
    audio::Engine audio(std::move(driver));
    const audio::ScopedBackend backend(audio);

    const ui::ScopedPlatform platformScope(world.platform);
    const DispatchScope dispatch;
    resetGlobalVars();
    setRandomSeed(options.seed);

    Output output(sink, world.platform.loop());
    TClassChildGroupBox_1EFA730 engine(nullptr, nullptr);
    engine.onChannel = bind<&Output::command>(output);
    engine.onFormulaError = bind<&Output::formulaError>(output);
    fireString(bind<&TClassChildGroupBox_1EFA730::doLoadScheme>(engine), options.scheme);
    if (options.bars) setBars(*options.bars);

    const Point runStop = bind<&TClassChildGroupBox_1EFA730::doRunStop>(engine);
    fireInteger(runStop, 1);
    for (std::uint64_t tick = 1; framesUpTo(tick, length->rate) <= length->frames; ++tick) {
        track.pump(framesUpTo(tick, length->rate) - framesUpTo(tick - 1, length->rate));
        world.advance(kOrganTickMs);
    }
    fireInteger(runStop, 0);
    return true;
}

}  // namespace lr::organ
