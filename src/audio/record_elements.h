#pragma once
// The elements around the audio backend: initialise it, check its version, open the recording side,
// list and adjust its inputs, start and stop a recording channel.
#include <cstdint>
#include <fstream>
#include <string>

#include "audio/backend.h"
#include "runtime/element.h"
#include "runtime/memory_stream.h"
#include "runtime/point.h"

namespace lr {

class THIBASS_Init : public Element {
  public:
    std::int32_t Device = -1;  // the default output
    std::int32_t Freq_ = 44100;
    std::uint32_t Flags = 0;
    Point Freq;
    Point Handle;  // the owner window
    Point onInit;
    Point onError;  // Integer: the backend's error code
    void doInit(TData& data);
};

class THIBASS_Version : public Element {
  public:
    Point onOk;
    Point onError;
    void doCheck(TData& data);
};

class THIBASS_RecordCenter : public Element {
  public:
    std::int32_t Device_ = -1;  // -1: the `Device` input decides
    Point Device;
    Point onInit;
    Point onError;
    void doInit(TData& data);
};

// Fires onInput once per input with (name, volume, enabled).
class THIBASS_RecordInput : public Element {
  public:
    Point onInput;
    void doEnum(TData& data);
};

class THIBASS_InputControl : public Element {
  public:
    double Volume_ = 0.0;
    std::int32_t Enable_ = 0;
    Point Index;
    Point Volume;
    Point Enable;
    Point onSet;
    void doSet(TData& data);
};

class THIBASS_RecordStart : public Element {
  public:
    ~THIBASS_RecordStart() override;
    std::string FileName_;
    std::int32_t Freq_ = 44100;
    std::int32_t Channels_ = 1;
    std::uint8_t ToMemory = 1;  // 1: buffers go to a memory stream and onData; else to a WAV file
    Point FileName;
    Point Channels;
    Point Freq;
    audio::Handle Handle = 0;  // read through a reference by the spectrum and stop elements
    Point onStart;
    Point onData;  // the memory stream, fired on the capture thread
    void doStart(TData& data);

  private:
    static bool record(audio::Handle channel, const void* buffer, std::uint32_t length, void* self);
    void deliver(std::span<const std::uint8_t> samples);
    void append(std::span<const std::uint8_t> samples);
    bool openFile(const std::string& name, std::int32_t channels, std::int32_t rate);
    void stopRecording();

    MemoryStream memory_;
    std::ofstream file_;
    std::uint32_t fileDataBytes_ = 0;
};

class THIBASS_ChannelStop : public Element {
  public:
    const audio::Handle* Handle = nullptr;  // the recording element's
    Point onStop;
    void doStop(TData& data);
};

}  // namespace lr
