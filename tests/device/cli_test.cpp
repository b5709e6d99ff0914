// lumenrig-cli ports and send, run in-process against the test's own ports.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "app/cli.h"
#include "device/protocol.h"
#include "device/simulated_controller.h"
#include "device_fixture.h"

namespace {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

std::string contents(std::FILE* f) {
    std::string text;
    std::rewind(f);
    for (int c; (c = std::fgetc(f)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(f);
    return text;
}

CliResult cli(std::vector<std::string> words) {
    words.insert(words.begin(), "lumenrig-cli");
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = lumenrig::cli::run(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, contents(out), contents(err)};
}

}  // namespace

class Cli : public DeviceTest {};

TEST_F(Cli, PortsListsTheScanOneItemPerLine) {
    BoundLine com3(3);
    BoundLine com5(5);
    const CliResult run = cli({"ports"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "COM 3\nCOM 5\n");
    EXPECT_EQ(cli({"ports", "extra"}).status, 2);
}

TEST_F(Cli, SendWritesEachTextAsOneWrite) {
    BoundLine com4(4);
    const CliResult run = cli({"send", "--port", "COM4", "A5", "B3", "P2 S5"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(com4.line->takeWritten(), "A5B3P2 S5");
    EXPECT_FALSE(com4.line->isOpen());
    EXPECT_EQ(com4.line->lastSettings()->baud, 9600u);
}

TEST_F(Cli, SendReadsTheStateBack) {
    auto controller = std::make_shared<lr::device::SimulatedController>();
    BoundLine com4(4, controller);
    ASSERT_EQ(cli({"send", "--port", "COM4", "P5", "A8"}).status, 0);
    const CliResult run = cli({"send", "--port", "com4", "--read-state"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, lr::device::formatState(controller->state().settings) + "\n");
    EXPECT_EQ(run.out.substr(0, 2), "82");  // program 5 keeps A changing up
}

TEST_F(Cli, SendReportsWhatWentWrong) {
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"send", "A5"}, 2},
        {{"send", "--port", "COM4"}, 2},
        {{"send", "--port", "COM4", "--read-state", "A5"}, 2},
        {{"send", "--port", "COM4", "--loud", "A5"}, 2},
        {{"send", "--port", "COM4", "A5"}, 1},  // no such port
    };
    for (const auto& [words, status] : cases) {
        const CliResult run = cli(words);
        EXPECT_EQ(run.status, status) << words.back();
        EXPECT_FALSE(run.err.empty());
    }
}
