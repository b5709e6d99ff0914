#include "app/cmd_inputs.h"

#include "app/cli.h"
#include "audio/engine.h"
#include "audio/registry.h"
#include "runtime/tdata.h"

namespace lumenrig::cli {

namespace {

constexpr const char* kUsage = "usage: lumenrig-cli inputs [--driver NAME]\n";

// The driver named by "--driver=NAME", else the platform's; "" for the name when the words are wrong.
std::unique_ptr<lr::audio::Driver> chooseDriver(const Args& args, std::string& error) {
    if (args.options.empty()) return lr::audio::makePlatformDriver({});
    const std::string& option = args.options[0];
    const std::string prefix = "--driver=";
    if (option.rfind(prefix, 0) != 0) return nullptr;
    return lr::audio::makeDriver(option.substr(prefix.size()), error);
}

}  // namespace

int runInputs(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    const Args args = splitArgs(words, {"--driver"});
    if (args.options.size() > 1 || !args.arguments.empty()) {
        std::fputs(kUsage, err);
        return 2;
    }
    std::string error;
    auto driver = chooseDriver(args, error);
    if (!driver) {
        std::fputs(error.empty() ? kUsage : ("lumenrig-cli: " + error + "\n").c_str(), err);
        return error.empty() ? 2 : 1;
    }
    lr::audio::Engine engine(std::move(driver));
    if (!engine.init(-1, 44100, 0, 0) || !engine.recordInit(-1)) {
        std::fprintf(err, "lumenrig-cli: %s\n", engine.message().c_str());
        return 1;
    }
    for (std::int32_t i = 0; const auto name = engine.recordInputName(i); ++i) {
        float volume = 0.0f;
        const std::uint32_t flags = engine.recordGetInput(i, volume);
        std::fprintf(out, "%d\t%s\t%d\t%s\n", i, name->c_str(), lr::roundToInt(volume * 100.0),
                     (flags & lr::audio::kInputOff) ? "off" : "on");
    }
    return 0;
}

}  // namespace lumenrig::cli
