// The path of a command from its string to the bytes handed to the port (the OS call left out), and the
// protocol's pure functions.
#include <benchmark/benchmark.h>

#include "device/device_link.h"
#include "device/protocol.h"
#include "device/serial_port.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/virtual_loop.h"

namespace {

using namespace lr::device;

// Takes the bytes where a backend would make its system call.
class CountingPort : public SerialPort {
  public:
    explicit CountingPort(std::size_t& bytes) : bytes_(bytes) {}
    WriteResult write(std::string_view bytes) override {
        bytes_ += bytes.size();
        return {bytes.size(), IoStatus::Done};
    }
    ReadResult read(std::size_t) override { return {}; }
    std::uint32_t modemStatus() override { return 0; }
    LineStatus lineStatus() override { return {}; }
    PortProperties properties() override { return {}; }
    void flush() override {}
    void purge() override {}
    std::uint32_t waitEvent() override { return 0; }
    void cancelWait() override {}

  private:
    std::size_t& bytes_;
};

void BM_CommandThroughTheLink(benchmark::State& state) {
    ui::headless::VirtualLoop loop;
    ui::headless::RecordedMessageBoxes boxes;
    ui::headless::HeadlessPlatform platform(loop, boxes);
    ui::ScopedPlatform scope(platform);
    lr::installDispatch();
    std::size_t bytes = 0;
    VirtualPortBinding binding(200, [&bytes](const LineSettings&) {
        return OpenResult{std::make_unique<CountingPort>(bytes), {}};
    });
    lr::DeviceLink link;
    lr::TData name = lr::makeString("COM200");
    lr::fire(link.open(), name);
    const lr::Point colourOrgan = link.command(1);
    int i = 0;
    for (auto _ : state) {
        lr::TData command = lr::makeString(channelLevel(i % kChannelCount, i % 9));
        lr::fire(colourOrgan, command);
        ++i;
    }
    benchmark::DoNotOptimize(bytes);
    state.SetItemsProcessed(state.iterations());
    lr::uninstallDispatch();
}
BENCHMARK(BM_CommandThroughTheLink);

void BM_ChannelCommand(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(channelLevel(i % kChannelCount, i % 9));
        ++i;
    }
}
BENCHMARK(BM_ChannelCommand);

void BM_DecodeStateReply(benchmark::State& state) {
    const std::string reply = encodeStateReply(parseState(kDefaultState));
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeStateReply(reply));
}
BENCHMARK(BM_DecodeStateReply);

}  // namespace
