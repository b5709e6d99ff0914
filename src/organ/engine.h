#pragma once
// TClassChildGroupBox_1EFA730: the colour organ engine. Every 50 ms while running it reads a spectrum
// twice (beat and twelve bands), evaluates the scheme's formulas for the extra variables and the twelve
// channels, and emits "A5"-style texts for the channels whose level changed. Its state lives in global
// variables (band_1.., bar_1.., A..L, xA..xZ, count, rnd, block, scheme_dir) that the formulas read.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "audio/record_elements.h"
#include "audio/spectrum_element.h"
#include "expr/math_element.h"
#include "runtime/container.h"
#include "runtime/elements/branches.h"
#include "runtime/elements/counters.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/global_var.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/numbers.h"
#include "runtime/elements/text_elements.h"
#include "runtime/elements/timer.h"
#include "runtime/multi_element_ex.h"
#include "settings/gvar_container.h"
#include "settings/ini_text.h"

namespace lr {

inline constexpr std::size_t kOrganChannels = 12;
inline constexpr std::size_t kOrganExtras = 16;
inline constexpr std::uint32_t kOrganTickMs = 50;
// Channel letters; extra variables in the order of their evaluators (xW..xZ run after the channels).
inline constexpr std::array<std::string_view, kOrganChannels> kChannelNames = {"A", "B", "C", "D", "E", "F",
                                                                               "G", "H", "I", "J", "K", "L"};
inline constexpr std::array<std::string_view, kOrganExtras> kExtraNames = {
    "xA", "xB", "xC", "xD", "xE", "xF", "xG", "xH", "xI", "xJ", "xK", "xL", "xW", "xX", "xY", "xZ"};
// The fourteen slider bars, in the order a scheme load sets them.
inline constexpr std::array<std::string_view, 14> kBarNames = {
    "bar_1", "bar_2", "bar_3",  "bar_4",  "bar_5",  "bar_6",    "bar_7",
    "bar_8", "bar_9", "bar_10", "bar_11", "bar_12", "bar_beat", "bar_act"};

class TClassChildGroupBox_1EFA730 : public TClassMultiBase {
  public:
    TClassChildGroupBox_1EFA730(ui::Control* parent, TClassMultiBase* owner);

    // Integer 1 runs, 0 stops; anything else does nothing.
    void doRunStop(TData& data);
    // The path of a scheme file: it becomes scheme_dir and is loaded.
    void doLoadScheme(TData& data);
    // Writes the bars, levels and variables into the file named by scheme_dir.
    void doSaveScheme(TData& data);
    // (index, volume 0..1, enabled) of a recording input, as its row sets it.
    void doSetInput(TData& data);

    Point onChannel;  // "A5": the letter of a channel whose level changed, and the level
    Point onReady;    // the recording side is open and its inputs listed (first Run)
    Point onRunning;  // Integer 1 after Run, 0 after Stop
    Point onMusic;    // a tick whose band mean is above 0.02

    // Hooks of the panel.
    Point onRunEnabled;    // Integer 0 at Run, 1 at Stop
    Point onMonitor;       // each emitted text while Monitor reads 1
    Point onInputRow;      // (name, volume, enabled, index) for each recording input at the first Run
    Point onBarPosition;   // (bar name, slider position 0..8) for each bar at a load
    Point onSchemeText;    // the scheme path, early in a load: captions and description
    Point onFormulaError;  // (formula name, error index, line, column); unconnected: a message box

    Point WindowHandle;  // handed to the audio initialisation
    Point Monitor;       // 1: the channel monitor follows the emitted texts

  private:
    void buildAudio();
    void buildBands();
    void buildEvaluators();
    void buildStores();
    void buildChannelOutputs();
    void buildTick();
    void buildSchemeAccess();

    THIGlobalVar& var(std::string_view name);
    void setBlock(std::int32_t value);
    THIFor& makeLoop(std::int32_t from, std::int32_t to, THIMultiElementEx& evaluators,
                     THIGetIndexData& formulas);

    void run(TData& data);
    void stop(TData& data);
    void windowHandle(TData& data);
    void initFailed(TData& data);
    void versionFailed(TData& data);
    void listInputs(TData& data);
    void addInputRow(TData& data);

    void music(TData& data);
    void emitChannel(TData& data);
    void channelFailed(TData& data);
    void extraFailed(TData& data);
    void reportFormulaError(std::size_t formula, std::string_view name, const TData& error);

    void loadBars(const settings::IniText& scheme);
    void loadFormulas(const settings::IniText& scheme, std::span<const std::string_view> names);
    bool saveValues(const std::string& path);

    std::vector<std::pair<std::string, THIGlobalVar*>> vars_;  // the shared values this engine reaches

    THIBASS_Init& init_;
    THIBASS_Version& version_;
    THIBASS_RecordCenter& recordCenter_;
    THIBASS_RecordInput& recordInputs_;
    THIBASS_InputControl& inputControl_;
    THIBASS_RecordStart& record_;
    THIBASS_ChannelStop& recordStop_;
    THIBASS_FFT_2048_Vis& beat_;
    THIBASS_FFT_2048_Vis& bands_;

    THIEventFromData& bandStore_;
    THIIndexToChanel& bandRouter_;
    THIMemory& bandSum_;
    THIMath& bandAdder_;
    THIMath& bandMean_;
    THIHub& lastBand_;
    THIIf_else& musicTest_;

    THITimer& timer_;
    THIHub& tick_;
    THICounter& counter_;
    THIRandom& tickRandom_;
    THIIndexToChanel& runStop_;

    THIMultiElementEx& channels_;
    THIMultiElementEx& extras_;
    std::vector<THIMultiElementEx*> translators_;  // one per formula store: channels, then extras
    THIGetIndexData& channelFormulas_;
    THIGetIndexData& extraFormulas_;
    THIFor* extraLoop_ = nullptr;    // xA..xL
    THIFor* channelLoop_ = nullptr;  // A..L
    THIFor* lateLoop_ = nullptr;     // xW..xZ
    THIIndexToChanel& levelRouter_;
    THIIndexToChanel& extraRouter_;
    THIGVarContainer& initValues_;

    bool initialised_ = false;
    std::int32_t inputRows_ = 0;
    std::array<bool, kOrganChannels + kOrganExtras> reported_{};
    bool reportOpen_ = false;
};

}  // namespace lr
