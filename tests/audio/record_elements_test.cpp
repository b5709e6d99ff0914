#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "audio/record_elements.h"
#include "audio/spectrum_element.h"
#include "audio/wav_file.h"
#include "fake_backend.h"
#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/memory_stream.h"

using namespace lr;
using Log = std::vector<std::string>;

namespace {
std::vector<std::uint8_t> readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
}  // namespace

class RecordElements : public HeadlessTest {
  protected:
    FakeBackend fake;
    audio::ScopedBackend useFake{fake};
    Mark onInit{fake, "onInit"}, onError{fake, "onError"}, onOk{fake, "onOk"}, onStart{fake, "onStart"},
        onStop{fake, "onStop"}, onSet{fake, "onSet"};
};

TEST_F(RecordElements, InitFiresBeforeStartWhateverTheResult) {
    struct Case {
        bool ok;
        Log expected;
    };
    const Case cases[] = {
        {true, {"init(-1,44100,0,0)", "onInit", "start()"}},
        {false, {"init(-1,44100,0,0)", "errorCode()", "onError(23)", "start()"}},
    };
    for (const Case& c : cases) {
        THIBASS_Init init;
        init.onInit = onInit.point();
        init.onError = onError.point();
        fake.log.clear();
        fake.initOk = c.ok;
        fake.error = 23;
        TData none;
        init.doInit(none);
        EXPECT_EQ(fake.log, c.expected);
    }
}

TEST_F(RecordElements, InitReadsFrequencyAndWindowFromItsInputs) {
    THIBASS_Init init;
    init.Flags = 4;
    Source freq(makeInteger(22050)), window(makeInteger(1234));
    init.Freq = freq.point();
    init.Handle = window.point();
    TData none;
    init.doInit(none);
    EXPECT_EQ(fake.log.front(), "init(-1,22050,4,1234)");
}

TEST_F(RecordElements, VersionCheckLooksAtTheHighWordOnly) {
    const std::pair<std::uint32_t, const char*> cases[] = {{0x02040000, "onOk"},
                                                           {0x0204FFFF, "onOk"},
                                                           {0x02030000, "onError"},
                                                           {0x02050000, "onError"},
                                                           {0x0204, "onError"}};
    for (const auto& [word, expected] : cases) {
        THIBASS_Version check;
        check.onOk = onOk.point();
        check.onError = onError.point();
        fake.log.clear();
        fake.versionWord = word;
        TData none;
        check.doCheck(none);
        EXPECT_EQ(fake.log, (Log{"version()", expected})) << std::hex << word;
    }
}

TEST_F(RecordElements, RecordCenterReadsItsInputOnlyWhenTheDeviceIsMinusOne) {
    Source two(makeInteger(2));
    THIBASS_RecordCenter center;
    center.onInit = onInit.point();
    center.Device = two.point();
    TData none;
    center.doInit(none);
    center.Device_ = 3;
    center.doInit(none);
    center.Device_ = -1;
    center.Device = {};
    center.doInit(none);
    EXPECT_EQ(fake.log,
              (Log{"recordInit(2)", "onInit", "recordInit(3)", "onInit", "recordInit(0)", "onInit"}));
}

TEST_F(RecordElements, RecordCenterFiresInitEvenAfterAnError) {
    THIBASS_RecordCenter center;
    center.onInit = onInit.point();
    center.onError = onError.point();
    fake.recordInitOk = false;
    fake.error = 5;
    TData device = makeInteger(-1);
    center.doInit(device);
    EXPECT_EQ(fake.log, (Log{"recordInit(-1)", "errorCode()", "onError(5)", "onInit"}));
}

TEST_F(RecordElements, EnumerationGivesNameVolumeAndEnabledPerInput) {
    fake.inputs = {{"Line in", 0.5f, audio::kInputOff}, {"What you hear", 1.0f, 0x3}};
    THIBASS_RecordInput inputs;
    Recorder rows;
    inputs.onInput = rows.point();
    TData none;
    inputs.doEnum(none);
    EXPECT_EQ(fake.log,
              (Log{"name(0)", "getInput(0)", "name(0)", "name(1)", "getInput(1)", "name(1)", "name(2)"}));
    ASSERT_EQ(rows.values.size(), 2u);
    struct Row {
        std::string name;
        double volume;
        std::int32_t enabled;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> got;
    for (const TData& row : rows.values) {
        ASSERT_EQ(listLength(row), 3u);
        const TData& volume = *row.next;
        const TData& enabled = *volume.next;
        EXPECT_EQ(row.kind, kind::String);
        EXPECT_EQ(volume.kind, kind::Real);
        EXPECT_EQ(enabled.kind, kind::Integer);
        got.push_back({row.text, volume.realValue, enabled.intValue});
    }
    EXPECT_EQ(got, (std::vector<Row>{{"Line in", 0.5, 0}, {"What you hear", 1.0, 1}}));
}

TEST_F(RecordElements, InputControlSwitchesOnOrOffWithTheVolume) {
    THIBASS_InputControl control;
    control.onSet = onSet.point();
    TData row;
    for (const TData& item : {makeInteger(1), makeReal(0.3), makeInteger(1)})
        append(row, item);
    control.doSet(row);
    Source index(makeInteger(2)), volume(makeReal(0.75)), off(makeInteger(0));
    control.Index = index.point();
    control.Volume = volume.point();
    control.Enable = off.point();
    TData none;
    control.doSet(none);
    EXPECT_EQ(fake.log, (Log{"setInput(1,0x20000,0.3)", "onSet", "setInput(2,0x10000,0.75)", "onSet"}));
}

TEST_F(RecordElements, MemoryModeHandsEachBufferAloneInTheStream) {
    THIBASS_RecordStart record;
    record.onStart = onStart.point();
    std::vector<std::vector<std::uint8_t>> seen;
    struct StreamReader : Element {
        std::vector<std::vector<std::uint8_t>>* seen;
        void take(TData& d) {
            auto* s = static_cast<MemoryStream*>(d.ref);
            EXPECT_EQ(d.kind, kind::Stream);
            EXPECT_EQ(s->position, 0u);
            seen->emplace_back(s->bytes.begin(), s->bytes.end());
        }
    } reader;
    reader.seen = &seen;
    record.onData = bind<&StreamReader::take>(reader);
    TData none;
    record.doStart(none);
    EXPECT_EQ(fake.log, (Log{"recordStart(44100,1,0)", "onStart"}));
    EXPECT_EQ(record.Handle, 1u);
    EXPECT_TRUE(fake.deliver({1, 2, 3, 4}));
    EXPECT_TRUE(fake.deliver({9, 8}));
    EXPECT_EQ(seen, (std::vector<std::vector<std::uint8_t>>{{1, 2, 3, 4}, {9, 8}}));
}

TEST_F(RecordElements, FileModeWritesTheHeaderThenTheSamples) {
    const auto path = std::filesystem::temp_directory_path() / "lumenrig_record_test.wav";
    {
        THIBASS_RecordStart record;
        record.ToMemory = 0;
        record.FileName_ = path.string();
        Source two(makeInteger(2)), rate(makeInteger(22050));
        record.Channels = two.point();
        record.Freq = rate.point();
        TData none;
        record.doStart(none);
        EXPECT_EQ(fake.log, (Log{"recordStart(22050,2,0)"}));
        const std::vector<std::uint8_t> header = readAll(path);
        const std::vector<std::uint8_t> expected = {'R', 'I', 'F',  'F',  36,  0,   0,    0,    'W', 'A', 'V',
                                                    'E', 'f', 'm',  't',  ' ', 16,  0,    0,    0,   1,   0,
                                                    2,   0,   0x22, 0x56, 0,   0,   0x88, 0x58, 1,   0,   4,
                                                    0,   16,  0,    'd',  'a', 't', 'a',  0,    0,   0,   0};
        EXPECT_EQ(header, expected);
        fake.deliver({1, 2, 3, 4});
        fake.deliver({5, 6, 7, 8});
    }
    const std::vector<std::uint8_t> bytes = readAll(path);
    std::string error;
    const auto wav = audio::parseWav(bytes, error);
    ASSERT_TRUE(wav) << error;
    EXPECT_EQ(bytes.size(), 52u);
    EXPECT_EQ(bytes[4], 44);  // RIFF size follows the data
    EXPECT_EQ(bytes[40], 8);  // data size
    EXPECT_EQ(wav->samples.size(), 4u);
    EXPECT_FLOAT_EQ(wav->samples[0], static_cast<float>(0x0201) / 32768.0f);
    std::filesystem::remove(path);
}

TEST_F(RecordElements, FileThatCannotBeOpenedStartsNothing) {
    THIBASS_RecordStart record;
    record.ToMemory = 0;
    record.FileName_ = "/nonexistent-folder/x.wav";
    record.onStart = onStart.point();
    TData none;
    record.doStart(none);
    EXPECT_EQ(fake.log, (Log{"onStart"}));
    EXPECT_EQ(record.Handle, 0u);
}

// Run, Stop, Run: two recordings in turn; every element sees the current handle.
TEST_F(RecordElements, RestartReplacesTheHandleForEveryReader) {
    THIBASS_RecordStart record;
    THIBASS_ChannelStop stop;
    THIBASS_FFT_2048_Vis bands;
    stop.Handle = &record.Handle;
    bands.Handle = &record.Handle;
    stop.onStop = onStop.point();
    TData none;
    record.doStart(none);
    stop.doStop(none);
    bands.doFFT(none);
    record.doStart(none);
    bands.doFFT(none);
    stop.doStop(none);
    EXPECT_EQ(fake.log,
              (Log{"recordStart(44100,1,0)", "stop(1)", "onStop", "isActive(1)", "stop(1)",
                   "recordStart(44100,1,0)", "isActive(2)", "getData(2,0x80000023)", "stop(2)", "onStop"}));
}

TEST_F(RecordElements, StartingAgainWhileRunningStopsTheOldChannel) {
    THIBASS_RecordStart record;
    TData none;
    record.doStart(none);
    record.doStart(none);
    EXPECT_EQ(fake.running, (std::set<audio::Handle>{2}));
}

TEST_F(RecordElements, DestroyingTheRecorderStopsItsChannel) {
    {
        THIBASS_RecordStart record;
        TData none;
        record.doStart(none);
    }
    EXPECT_TRUE(fake.running.empty());
}

TEST_F(RecordElements, FailedStartStoresHandleZero) {
    fake.nextHandle = 0;
    THIBASS_RecordStart record;
    record.Handle = 7;
    THIBASS_FFT_2048_Vis bands;
    bands.Handle = &record.Handle;
    Recorder out;
    bands.onIndex = out.point();
    TData list = makeString("1;5;");
    bands.doInit(list);
    TData none;
    record.doStart(none);
    bands.doFFT(none);
    EXPECT_EQ(record.Handle, 0u);
    EXPECT_TRUE(out.values.empty());
    EXPECT_EQ(fake.log.back(), "isActive(0)");
}

// The colour organ's first Run: init, version check, recording side, inputs, and only then start().
TEST_F(RecordElements, FirstRunChainRunsInsideInitBeforeStart) {
    THIBASS_Init init;
    THIBASS_Version version;
    THIBASS_RecordCenter center;
    THIBASS_RecordInput inputs;
    Mark row(fake, "row");
    init.onInit = bind<&THIBASS_Version::doCheck>(version);
    version.onOk = bind<&THIBASS_RecordCenter::doInit>(center);
    center.onInit = bind<&THIBASS_RecordInput::doEnum>(inputs);
    inputs.onInput = row.point();
    fake.inputs = {{"Mic", 1.0f, 0}};
    TData none;
    init.doInit(none);
    EXPECT_EQ(fake.log, (Log{"init(-1,44100,0,0)", "version()", "recordInit(0)", "name(0)", "getInput(0)",
                             "name(0)", "row(Mic)", "name(1)", "start()"}));
}
