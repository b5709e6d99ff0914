#include "audio/record_elements.h"

#include "audio/wav_file.h"
#include "runtime/error.h"

namespace lr {

void THIBASS_Init::doInit(TData& data) {
    const std::int32_t freq = readInteger(data, Freq, Freq_);
    const std::int32_t window = readInteger(data, Handle, 0);
    audio::Backend& backend = audio::backend();
    if (backend.init(Device, static_cast<std::uint32_t>(freq), Flags, window)) {
        fireNull(onInit);
    } else {
        fireInteger(onError, backend.errorCode());
    }
    backend.start();
}

void THIBASS_Version::doCheck(TData&) {
    fireNull((audio::backend().version() >> 16) == audio::kVersionMajorMinor ? onOk : onError);
}

void THIBASS_RecordCenter::doInit(TData& data) {
    const std::int32_t device = Device_ == -1 ? readInteger(data, Device, 0) : Device_;
    audio::Backend& backend = audio::backend();
    if (!backend.recordInit(device)) fireInteger(onError, backend.errorCode());
    fireNull(onInit);
}

void THIBASS_RecordInput::doEnum(TData&) {
    audio::Backend& backend = audio::backend();
    for (std::int32_t i = 0; backend.recordInputName(i); ++i) {
        float volume = 0.0f;
        const std::uint32_t flags = backend.recordGetInput(i, volume);
        TData row;
        append(row, makeString(backend.recordInputName(i).value_or("")));
        append(row, makeReal(static_cast<double>(volume)));
        append(row, makeInteger((flags & audio::kInputOff) ? 0 : 1));
        fire(onInput, row);
    }
}

void THIBASS_InputControl::doSet(TData& data) {
    const std::int32_t index = readInteger(data, Index, 0);
    const double volume = readReal(data, Volume, Volume_);
    const std::int32_t enable = readInteger(data, Enable, Enable_);
    audio::backend().recordSetInput(index, enable != 0 ? audio::kInputOn : audio::kInputOff,
                                    static_cast<float>(volume));
    fireNull(onSet);
}

THIBASS_RecordStart::~THIBASS_RecordStart() {
    stopRecording();
}

// A running channel of this element is stopped first: its buffers would land in the new stream, and
// once its handle is replaced nothing could stop it any more.
void THIBASS_RecordStart::doStart(TData& data) {
    const std::string name = readString(data, FileName, FileName_);
    const std::int32_t channels = readInteger(data, Channels, Channels_);
    const std::int32_t rate = readInteger(data, Freq, Freq_);
    stopRecording();
    const bool ready = ToMemory == 1 || openFile(name, channels, rate);
    Handle = ready ? audio::backend().recordStart(static_cast<std::uint32_t>(rate),
                                                  static_cast<std::uint32_t>(channels), 0, &record, this)
                   : 0;
    fireNull(onStart);
}

void THIBASS_RecordStart::stopRecording() {
    if (Handle != 0) audio::backend().channelStop(Handle);
    file_.close();
    memory_ = MemoryStream{};
}

bool THIBASS_RecordStart::openFile(const std::string& name, std::int32_t channels, std::int32_t rate) {
    file_.clear();
    file_.open(name, std::ios::binary | std::ios::trunc);
    const auto header =
        audio::wavHeader(static_cast<std::uint32_t>(channels), static_cast<std::uint32_t>(rate));
    file_.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
    file_.flush();
    fileDataBytes_ = 0;
    return file_.good();
}

bool THIBASS_RecordStart::record(audio::Handle, const void* buffer, std::uint32_t length, void* self) {
    const std::span<const std::uint8_t> samples(static_cast<const std::uint8_t*>(buffer), length);
    runGuarded([&] { static_cast<THIBASS_RecordStart*>(self)->deliver(samples); });
    return true;
}

void THIBASS_RecordStart::deliver(std::span<const std::uint8_t> samples) {
    if (ToMemory != 1) {
        append(samples);
        return;
    }
    memory_.assign(samples);
    fireStream(onData, &memory_);
}

// The size fields follow the data, so the file is a valid WAV file whenever the recording ends.
void THIBASS_RecordStart::append(std::span<const std::uint8_t> samples) {
    file_.write(reinterpret_cast<const char*>(samples.data()), static_cast<std::streamsize>(samples.size()));
    fileDataBytes_ += static_cast<std::uint32_t>(samples.size());
    const auto riff = audio::riffSizeField(fileDataBytes_);
    const auto size = audio::dataSizeField(fileDataBytes_);
    file_.seekp(audio::kRiffSizeOffset);
    file_.write(reinterpret_cast<const char*>(riff.data()), 4);
    file_.seekp(audio::kDataSizeOffset);
    file_.write(reinterpret_cast<const char*>(size.data()), 4);
    file_.seekp(0, std::ios::end);
    file_.flush();
}

void THIBASS_ChannelStop::doStop(TData&) {
    audio::backend().channelStop(Handle ? *Handle : 0);
    fireNull(onStop);
}

}  // namespace lr
