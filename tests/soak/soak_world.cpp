#include "soak_world.h"

#include <gtest/gtest.h>

#include "ambilight/ambilight_page.h"
#include "audio/synth.h"
#include "automation/auto_page.h"
#include "runtime/lifecycle.h"
#include "settings/translation.h"

using namespace lr;

namespace {

constexpr std::uint32_t kTickMs = 50;            // the colour organ's tick
constexpr std::size_t kTickFrames = 2205;        // 50 ms of sound at 44100 Hz
constexpr std::uint64_t kReopenWithinMs = 2000;  // after the line is back
constexpr std::uint64_t kStartupMs = 3000;       // the startup options have all run

std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// Channels A..L each follow a band, so the levels change with the music.
std::string organScheme(int shift) {
    std::string text = "[init]\nstrfreq=1;2;3;4;5;6;8;10;14;20;30;45;70;100;\n[calculation]\n";
    for (int k = 0; k < 12; ++k)
        text += std::string(1, static_cast<char>('A' + k)) + "={band_" +
                std::to_string((k + shift) % 12 + 1) + "}*40\n";
    return text;
}

// A few of the program's texts, in code page 1251; each version names itself.
std::string languageFile(int version) {
    return crlf("Stop|\xD1\xF2\xEE\xEF\nRun|\xCF\xF3\xF1\xEA\nAll Off|\xC2\xF1\xB8 " +
                std::to_string(version) + "\n");
}

// Twelve circles, one per channel.
std::string twelveShapes() {
    std::string text = "[circle_color]\n";
    for (int k = 0; k < 12; ++k) {
        const std::string channel(1, static_cast<char>('A' + k));
        text += std::to_string(k) + "=" + std::to_string(10 + 40 * k) + ":10:" + channel + ":" + channel +
                ":" + channel + ":~:255:0:0\n";
    }
    return text;
}

// The synth demo, computed once and played round and round: the day then costs no synthesis.
class DemoLoop : public audio::Signal {
  public:
    explicit DemoLoop(std::shared_ptr<const std::vector<float>> samples) : samples_(std::move(samples)) {}
    audio::SampleFormat format() const override { return {audio::kSynthRate, 1}; }
    std::size_t fill(std::span<float> out) override {
        for (float& v : out) {
            v = (*samples_)[next_];
            next_ = (next_ + 1) % samples_->size();
        }
        return out.size();
    }

  private:
    std::shared_ptr<const std::vector<float>> samples_;
    std::size_t next_ = 0;
};

std::unique_ptr<audio::GeneratedDriver> demoDriver() {
    std::string error;
    const auto demo = audio::synthWaveform("demo", error);
    auto samples = std::make_shared<std::vector<float>>(
        static_cast<std::size_t>(audio::kDemoSeconds * audio::kSynthRate));
    for (std::size_t n = 0; n < samples->size(); ++n)
        (*samples)[n] = (*demo)(n);
    return std::make_unique<audio::GeneratedDriver>(
        "Synth demo", [samples] { return std::make_unique<DemoLoop>(samples); }, audio::Pacing::Manual);
}

}  // namespace

void CountingController::receive(std::string_view bytes, device::MemoryLine& line) {
    bytes_ += bytes.size();
    SimulatedController::receive(bytes, line);
}

SoakWorld::SoakWorld() {
    resetLifecycle();  // the tree is built while points still carry nothing
    for (const char* folder : {"C:\\Prog", "C:\\Prog\\schemes", "C:\\Prog\\visualization"})
        sys.addFolder(folder);
}

SoakWorld::~SoakWorld() {
    root_.reset();
    backend_.reset();
    settings::clearTranslation();  // the table is the process's
}

void SoakWorld::writeFiles() {
    sys.putFile("C:\\Prog\\lumenrig.ini",
                crlf("[init]\n\xE0uto_com=1\ncur_com=5\n\xE0uto_music=1\n\xE0uto_automat=1\n"
                     "\xE0uto_visualization=1\n\xE0uto_visual_strip=1\n\xE0uto_visual_smooth_strip=1\n"
                     "[scheme]\nscheme=S0\nlist_name=Party\nlist_change=1\npause_list_name=Calm\n"
                     "pause_list_change=1\nrnd_change=1\nvisualization=Twelve\n"
                     "[localization]\nlanguage=Russian\n"));
    sys.addFolder("C:\\Prog\\localization");
    sys.putFile("C:\\Prog\\localization\\Russian.lng", languageFile(0));
    for (int k = 0; k < 4; ++k)
        sys.putFile("C:\\Prog\\schemes\\S" + std::to_string(k) + ".lsc", crlf(organScheme(k * 3)));
    sys.putFile("C:\\Prog\\list.ini", crlf("[Party]\nscheme0=S0\ntime0=20\nscheme1=S1\ntime1=20\n"
                                           "[Calm]\nscheme0=S2\ntime0=30\nscheme1=S3\ntime1=30\n"));
    sys.putFile("C:\\Prog\\visualization\\Twelve.vsc", crlf(twelveShapes()));
    sys.putFile("C:\\Prog\\actions.ini",
                "Time=50>List of Actions=340>Description=100\r\n1> A3 B5>every minute\r\n"
                "9:30> P1>a clock row\r\n");
}

PageFactories SoakWorld::pages() {
    PageFactories inner = programPages();
    inner[mode::Auto] = [this](ui::Control* p, TClassMultiBase* o, THIMultiElement& outer) {
        return std::make_unique<TClassChildPanel_2D0DED0>(p, o, outer, clock_.clock());
    };
    PageFactories watched;
    for (std::size_t k = 0; k < kModeCount; ++k)
        watched[k] = [this, k, factory = inner[k]](ui::Control* p, TClassMultiBase* o,
                                                   THIMultiElement& outer) {
            outers_[k] = &outer;
            auto page = factory(p, o, outer);
            built_[k] = page.get();
            return page;
        };
    return watched;
}

void SoakWorld::startProgram() {
    writeFiles();
    auto driver = demoDriver();
    synth_ = driver.get();
    audio_ = std::make_unique<audio::Engine>(std::move(driver));
    backend_.emplace(*audio_);
    root_ = std::make_unique<TClassMainForm_1E8A0D0>(pages());
    for (const std::size_t k :
         {mode::Connect, mode::Effect, mode::ColorOrgan, mode::Ambilight, mode::Auto, mode::WS2812})
        ledger.tapProducer(*outers_[k]);
    root_->onCommands() = ledger.passedPoint();
    root_->modePages().link().port().onWrite = ledger.writtenPoint();
    start();
    while (elapsed_ < kStartupMs)
        tick();
    fireInteger(bind<&THIMultiElement::doWork>(*outers_[mode::Ambilight], 1), 1);
}

void SoakWorld::tick() {
    synth_->pump(kTickFrames);
    loop.advance(kTickMs);
    elapsed_ += kTickMs;
    static_cast<TClassChildPanel_2C2EA60*>(built_[mode::Ambilight])->waitForPasses();
    loop.pump();
    ledger.setPortOpen(linkLive());
}

void SoakWorld::runFor(const SoakPlan& plan) {
    const std::uint64_t end = elapsed_ + plan.spanMs;
    std::optional<std::uint64_t> pluggedInAt;
    while (elapsed_ < end) {
        tick();
        const std::uint64_t unplugPhase = elapsed_ % plan.unplugEveryMs;
        if (unplugPhase == plan.unplugEveryMs / 2) unplug();
        if (unplugPhase == plan.unplugEveryMs / 2 + plan.unpluggedForMs) {
            port.line->plugIn();
            pluggedInAt = elapsed_;
        }
        if (pluggedInAt && elapsed_ == *pluggedInAt + kReopenWithinMs) {
            if (!linkLive()) ++figures.lateReopens;
            pluggedInAt.reset();
        }
        const std::uint64_t lightsPhase = elapsed_ % plan.lightsEveryMs;
        if (lightsPhase == plan.lightsOffAtMs || lightsPhase == plan.lightsOffAtMs + plan.lightsOffForMs)
            switchLights();
        if (elapsed_ % plan.screenEveryMs == 0) changeScreen();
        if (elapsed_ % plan.languageEveryMs == 0) reloadLanguage();
    }
    figures.commands = ledger.figures();
    figures.deviceBytes = controller->bytes();
}

void SoakWorld::unplug() {
    figures.samples.push_back(liveCounts());
    ledger.setPortOpen(false);
    port.line->unplug();
    ++figures.unplugs;
}

void SoakWorld::switchLights() {
    lightsOn_ = !lightsOn_;
    ledger.setLightsOn(lightsOn_);
    fireNull(root_->modePages().link().lights());
    ++figures.lightSwitches;
}

// The user edits the language file and it is loaded again while everything runs.
void SoakWorld::reloadLanguage() {
    sys.putFile("C:\\Prog\\localization\\Russian.lng", languageFile(++figures.languageReloads));
    if (!settings::loadTranslation("C:\\Prog\\")) ADD_FAILURE() << "the language file did not load";
}

// A new picture: each quarter of the screen takes the next colour of a small palette.
void SoakWorld::changeScreen() {
    static constexpr ui::Color kPalette[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x202020, 0x808000};
    const ui::Size size = screen_.size();
    const int n = figures.screenChanges++;
    for (int q = 0; q < 4; ++q) {
        const ui::Rect area{(q % 2) * size.width / 2, (q / 2) * size.height / 2, size.width / 2,
                            size.height / 2};
        screen_.fill(area, kPalette[static_cast<std::size_t>(n + q) % std::size(kPalette)]);
    }
}

// Open at both ends on the same session: a handle from before an unplug fails at its next write.
bool SoakWorld::linkLive() {
    return port.line->isOpen() && portOpen();
}

bool SoakWorld::portOpen() {
    TData open;
    root_->modePages().link().port().IsOpen(open);
    return toInteger(open) == 1;
}

LiveCounts SoakWorld::liveCounts() {
    return {loop.timerCount(), toolkit().controlCount(), toolkit().windows().size(),
            toolkit().menus().size()};
}

void SoakWorld::closeProgram() {
    TData none;
    root_->mainForm().doClose(none);
    loop.advance(0);
}
