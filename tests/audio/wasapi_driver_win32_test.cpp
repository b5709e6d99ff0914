// The WASAPI driver's failure paths (under Wine there is normally no audio device at all).
#include <gtest/gtest.h>

#include "audio/engine.h"
#include "audio/record_elements.h"
#include "audio/registry.h"
#include "audio/spectrum_element.h"
#include "headless_fixture.h"
#include "recorder.h"

using namespace lr;

namespace {
bool hasDevices() {
    return !audio::makePlatformDriver({})->inputs().empty();
}
}  // namespace

TEST(WasapiDriver, WithoutDevicesInitFailsWithTheDriverError) {
    if (hasDevices()) GTEST_SKIP() << "this machine has audio devices";
    audio::Engine engine(audio::makePlatformDriver({}));
    EXPECT_FALSE(engine.init(-1, 44100, 0, 0));
    EXPECT_EQ(engine.errorCode(), audio::code::Driver);
    EXPECT_EQ(engine.message(), "no audio device");
    EXPECT_FALSE(engine.recordInit(-1));
    EXPECT_EQ(engine.recordStart(44100, 1, 0, nullptr, nullptr), 0u);
    EXPECT_EQ(engine.channelIsActive(0), audio::kStopped);
}

TEST(WasapiDriver, MissingInputOpensNoRecording) {
    audio::Engine engine(audio::makePlatformDriver("No such input"));
    engine.init(-1, 44100, 0, 0);
    EXPECT_FALSE(engine.recordInit(-1));
    EXPECT_FALSE(engine.recordInputName(0));
    EXPECT_EQ(engine.recordStart(44100, 1, 0, nullptr, nullptr), 0u);
    EXPECT_EQ(engine.errorCode(), audio::code::NotInit);
    EXPECT_EQ(engine.channelIsActive(0), audio::kStopped);
}

class WasapiElements : public HeadlessTest {};

// The colour organ's chain over the real driver: the init error goes out, the handle stays 0, the
// spectrum element stays silent.
TEST_F(WasapiElements, NoDeviceGivesTheInitErrorAndASilentChannel) {
    if (hasDevices()) GTEST_SKIP() << "this machine has audio devices";
    audio::Engine engine(audio::makePlatformDriver({}));
    audio::ScopedBackend use(engine);
    THIBASS_Init init;
    THIBASS_RecordStart record;
    THIBASS_FFT_2048_Vis bands;
    Recorder errors, values;
    init.onError = errors.point();
    bands.Handle = &record.Handle;
    bands.onValue = values.point();
    TData none;
    init.doInit(none);
    record.doStart(none);
    TData list = makeString("");
    bands.doInit(list);
    bands.doFFT(none);
    EXPECT_EQ(errors.texts(), (std::vector<std::string>{std::to_string(audio::code::Driver)}));
    EXPECT_EQ(record.Handle, 0u);
    EXPECT_TRUE(values.values.empty());
}
