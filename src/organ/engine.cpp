#include "organ/engine.h"

#include "organ/evaluators.h"
#include "organ/key_list.h"
#include "organ/translator.h"

namespace lr {

namespace {
constexpr std::size_t kBandOutputs = 14;  // index i sends range i-1: outputs 0 and 13 stay unconnected
constexpr std::size_t kBands = 12;
constexpr double kBandCount = 12.0;
constexpr double kMusicThreshold = 0.02;
constexpr std::int32_t kCountMax = 359;
constexpr double kRandomMax = 360.0;
constexpr std::uint16_t kNoInput = UINT16_MAX;  // builds an instance without firing any of its inputs
}  // namespace

TClassChildGroupBox_1EFA730::TClassChildGroupBox_1EFA730(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      init_(make<THIBASS_Init>()),
      version_(make<THIBASS_Version>()),
      recordCenter_(make<THIBASS_RecordCenter>()),
      recordInputs_(make<THIBASS_RecordInput>()),
      inputControl_(make<THIBASS_InputControl>()),
      record_(make<THIBASS_RecordStart>()),
      recordStop_(make<THIBASS_ChannelStop>()),
      beat_(make<THIBASS_FFT_2048_Vis>()),
      bands_(make<THIBASS_FFT_2048_Vis>()),
      bandStore_(make<THIEventFromData>()),
      bandRouter_(make<THIIndexToChanel>(kBandOutputs)),
      bandSum_(make<THIMemory>()),
      bandAdder_(make<THIMath>()),
      bandMean_(make<THIMath>()),
      lastBand_(make<THIHub>(2)),
      musicTest_(make<THIIf_else>()),
      timer_(make<THITimer>()),
      tick_(make<THIHub>(8)),
      counter_(make<THICounter>()),
      tickRandom_(make<THIRandom>()),
      runStop_(make<THIIndexToChanel>(2)),
      channels_(make<THIMultiElementEx>(parent, this, 2, organ::keyList().size())),
      extras_(make<THIMultiElementEx>(parent, this, 2, organ::keyList().size())),
      channelFormulas_(make<THIGetIndexData>(kOrganChannels)),
      extraFormulas_(make<THIGetIndexData>(kOrganExtras)),
      levelRouter_(make<THIIndexToChanel>(kOrganChannels)),
      extraRouter_(make<THIIndexToChanel>(kOrganExtras)),
      initValues_(make<THIGVarContainer>()) {
    setBlock(0);
    buildAudio();
    buildBands();
    buildStores();
    buildEvaluators();
    buildChannelOutputs();
    buildTick();
    buildSchemeAccess();
}

THIGlobalVar& TClassChildGroupBox_1EFA730::var(std::string_view name) {
    for (const auto& [known, v] : vars_)
        if (known == name) return *v;
    THIGlobalVar& v = make<THIGlobalVar>(std::string(name));
    vars_.emplace_back(name, &v);
    return v;
}

void TClassChildGroupBox_1EFA730::setBlock(std::int32_t value) {
    fireInteger(bind<&THIGlobalVar::doValue>(var("block")), value);
}

void TClassChildGroupBox_1EFA730::buildAudio() {
    init_.Handle = bind<&TClassChildGroupBox_1EFA730::windowHandle>(*this);
    init_.onInit = bind<&THIBASS_Version::doCheck>(version_);
    init_.onError = bind<&TClassChildGroupBox_1EFA730::initFailed>(*this);
    version_.onOk = bind<&THIBASS_RecordCenter::doInit>(recordCenter_);
    version_.onError = bind<&TClassChildGroupBox_1EFA730::versionFailed>(*this);
    recordCenter_.onInit = bind<&TClassChildGroupBox_1EFA730::listInputs>(*this);
    recordInputs_.onInput = bind<&TClassChildGroupBox_1EFA730::addInputRow>(*this);
    record_.ToMemory = 1;
    recordStop_.Handle = &record_.Handle;
    beat_.Handle = &record_.Handle;
    bands_.Handle = &record_.Handle;
    runStop_.outputs[0] = bind<&TClassChildGroupBox_1EFA730::stop>(*this);
    runStop_.outputs[1] = bind<&TClassChildGroupBox_1EFA730::run>(*this);
}

// band_k receives range k-1 because each range's index reaches the router before its sum does.
void TClassChildGroupBox_1EFA730::buildBands() {
    beat_.onValue = bind<&THIGlobalVar::doValue>(var("band_beat"));
    bands_.onIndex = bind<&THIIndexToChanel::doEvent>(bandRouter_);
    bands_.onValue = bind<&THIEventFromData::doData>(bandStore_);
    bandRouter_.Data = bind<&THIEventFromData::Data>(bandStore_);
    bandSum_.Default = makeReal(0.0);
    bandAdder_.Op1 = bind<&THIMemory::Value>(bandSum_);
    bandAdder_.onResult = bind<&THIMemory::doValue>(bandSum_);
    bandMean_.Op1 = bind<&THIMemory::Value>(bandSum_);
    bandMean_.Op2_ = kBandCount;
    lastBand_.outputs[0] = bind<&THIMath::doAdd>(bandAdder_);
    lastBand_.outputs[1] = bind<&THIMath::doDiv>(bandMean_);
    for (std::size_t k = 1; k <= kBands; ++k) {
        THIGlobalVar& band = var("band_" + std::to_string(k));
        bandRouter_.outputs[k] = bind<&THIGlobalVar::doValue>(band);
        band.onValue = k < kBands ? bind<&THIMath::doAdd>(bandAdder_) : bind<&THIHub::doEvent>(lastBand_);
    }
    THIGlobalVar& mean = var("band_over");
    bandMean_.onResult = bind<&THIGlobalVar::doValue>(mean);
    mean.onValue = bind<&THIIf_else::doCompare>(musicTest_);
    musicTest_.Type = compare::Greater;
    musicTest_.Op2_ = makeReal(kMusicThreshold);
    musicTest_.onTrue = bind<&TClassChildGroupBox_1EFA730::music>(*this);
}

// One formula store and one translator per channel and extra variable.
void TClassChildGroupBox_1EFA730::buildStores() {
    for (std::size_t i = 0; i < kOrganChannels + kOrganExtras; ++i) {
        THIMemory& store = make<THIMemory>();
        if (i < kOrganChannels) {
            channelFormulas_.Data_[i] = bind<&THIMemory::Value>(store);
        } else {
            extraFormulas_.Data_[i - kOrganChannels] = bind<&THIMemory::Value>(store);
        }
        THIMultiElementEx& translator = make<THIMultiElementEx>(parentControl(), this, 1, 0);
        translators_.push_back(&translator);
        translator.outputs[0] = bind<&THIMemory::doValue>(store);
        translator.setCreate([&translator](ui::Control* p, TClassMultiBase* o) {
            return std::make_unique<TClassMultiElementEx_1EFC150>(p, o, translator);
        });
    }
}

void TClassChildGroupBox_1EFA730::buildEvaluators() {
    const auto keys = static_cast<int>(organ::keyList().size());
    for (int argument = 1; argument < keys; ++argument) {
        if (argument == organ::ownRandomArgument()) continue;
        const Point value = bind<&THIGlobalVar::Var>(var(organ::variableOf(argument)));
        channels_.dataInputs[static_cast<std::size_t>(argument)] = value;
        extras_.dataInputs[static_cast<std::size_t>(argument)] = value;
    }
    channels_.dataInputs[kEvaluatorFormulaInput] = bind<&THIGetIndexData::Data>(channelFormulas_);
    extras_.dataInputs[kEvaluatorFormulaInput] = bind<&THIGetIndexData::Data>(extraFormulas_);
    channels_.outputs[kEvaluatorResult] = bind<&THIIndexToChanel::doEvent>(levelRouter_);
    extras_.outputs[kEvaluatorResult] = bind<&THIIndexToChanel::doEvent>(extraRouter_);
    channels_.outputs[kEvaluatorError] = bind<&TClassChildGroupBox_1EFA730::channelFailed>(*this);
    extras_.outputs[kEvaluatorError] = bind<&TClassChildGroupBox_1EFA730::extraFailed>(*this);
    levelRouter_.Index = bind<&THIMultiElementEx::Index>(channels_);
    extraRouter_.Index = bind<&THIMultiElementEx::Index>(extras_);

    channels_.Mode = 1;
    channels_.setCreate([this](ui::Control* p, TClassMultiBase* o) {
        return std::make_unique<TClassMultiElementEx_1EFD8B0>(p, o, channels_);
    });
    extras_.Mode = 1;
    extras_.setCreate([this](ui::Control* p, TClassMultiBase* o) {
        return std::make_unique<TClassMultiElementEx_2A5B9D0>(p, o, extras_);
    });
    TData none;
    for (std::size_t i = 0; i < kOrganChannels; ++i)
        channels_.doAddInstance(none, kNoInput);
    for (std::size_t i = 0; i < kOrganExtras; ++i)
        extras_.doAddInstance(none, kNoInput);
}

// A level is stored in its variable, then passes the change filter, which lets only a new value through
// to be joined to the channel letter.
void TClassChildGroupBox_1EFA730::buildChannelOutputs() {
    for (std::size_t i = 0; i < kOrganChannels; ++i) {
        THIGlobalVar& level = var(kChannelNames[i]);
        THIChangeMon& filter = make<THIChangeMon>();
        THIStrCat& join = make<THIStrCat>();
        levelRouter_.outputs[i] = bind<&THIGlobalVar::doValue>(level);
        level.onValue = bind<&THIChangeMon::doData>(filter);
        filter.onChange = bind<&THIStrCat::doStrCat>(join);
        join.Str1_ = std::string(kChannelNames[i]);
        join.onResult = bind<&TClassChildGroupBox_1EFA730::emitChannel>(*this);
    }
    for (std::size_t i = 0; i < kOrganExtras; ++i)
        extraRouter_.outputs[i] = bind<&THIGlobalVar::doValue>(var(kExtraNames[i]));
}

// Each step of the loop evaluates one formula, unless a load or a save holds block at 0.
THIFor& TClassChildGroupBox_1EFA730::makeLoop(std::int32_t from, std::int32_t to,
                                              THIMultiElementEx& evaluators, THIGetIndexData& formulas) {
    THIFor& loop = make<THIFor>();
    THIIf_else& unblocked = make<THIIf_else>();
    THIHub& step = make<THIHub>(2);
    loop.Start_ = from;
    loop.End_ = to;
    loop.onEvent = bind<&THIIf_else::doCompare>(unblocked);
    unblocked.Type = compare::Equal;
    unblocked.Op1 = bind<&THIGlobalVar::Var>(var("block"));
    unblocked.Op2_ = makeInteger(1);
    unblocked.onTrue = bind<&THIHub::doEvent>(step);
    step.outputs[0] = bind<&THIGetIndexData::doIndex>(formulas);
    step.outputs[1] = bind<&THIMultiElementEx::doSelect>(evaluators, 0);
    return loop;
}

void TClassChildGroupBox_1EFA730::buildTick() {
    extraLoop_ = &makeLoop(0, static_cast<std::int32_t>(kOrganChannels), extras_, extraFormulas_);
    channelLoop_ = &makeLoop(0, static_cast<std::int32_t>(kOrganChannels), channels_, channelFormulas_);
    lateLoop_ = &makeLoop(static_cast<std::int32_t>(kOrganChannels), static_cast<std::int32_t>(kOrganExtras),
                          extras_, extraFormulas_);
    counter_.Min = 0;
    counter_.Max = kCountMax;
    counter_.Step = 1;
    counter_.onCounter = bind<&THIGlobalVar::doValue>(var("count"));
    tickRandom_.Min = 0.0;
    tickRandom_.Max = kRandomMax;
    tickRandom_.onRandom = bind<&THIGlobalVar::doValue>(var("rnd"));
    timer_.Interval = static_cast<std::int32_t>(kOrganTickMs);
    timer_.onTimer = bind<&THIHub::doEvent>(tick_);
    tick_.outputs = {bind<&THIBASS_FFT_2048_Vis::doFFT>(beat_),  bind<&THIMemory::doClear>(bandSum_),
                     bind<&THIBASS_FFT_2048_Vis::doFFT>(bands_), bind<&THIRandom::doRandom>(tickRandom_),
                     bind<&THIFor::doFor>(*extraLoop_),          bind<&THIFor::doFor>(*channelLoop_),
                     bind<&THIFor::doFor>(*lateLoop_),           bind<&THICounter::doNext>(counter_)};
}

void TClassChildGroupBox_1EFA730::music(TData& data) {
    fire(onMusic, data);
}

void TClassChildGroupBox_1EFA730::emitChannel(TData& data) {
    const std::string text = toString(data);
    fireString(onChannel, text);
    TData monitor;
    read(Monitor, monitor);
    if (monitor.kind != kind::NoValue && toInteger(monitor) == 1) fireString(onMonitor, text);
}

}  // namespace lr
