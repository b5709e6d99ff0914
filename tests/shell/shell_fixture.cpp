#include "shell_fixture.h"

#include <gtest/gtest.h>

using namespace lr;

ProbePage::ProbePage(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer, std::size_t mode,
                     PageLog& log)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMulti>(outer, kPagePoints[mode].inputs, 0)),
      mode_(mode),
      log_(log) {
    join(edge_);
    for (std::uint16_t i = 0; i < edge_.inputs.size(); ++i)
        edge_.inputs[i] = bind<&ProbePage::input>(*this, i);
}

void ProbePage::send(std::uint16_t output, TData data) {
    fire(bind<&THIEditMulti::output>(edge_, output), data);
}

void ProbePage::input(TData& data, std::uint16_t index) {
    log_.lines.push_back(std::to_string(mode_) + "." + std::to_string(index) + "=" + toString(data));
}

PageFactories probePages(PageLog& log, std::vector<ProbePage*>& probes) {
    PageFactories pages;
    for (std::size_t k = 0; k < kModeCount; ++k)
        pages[k] = [&log, &probes, k](ui::Control* p, TClassMultiBase* o, THIMultiElement& outer) {
            auto probe = std::make_unique<ProbePage>(p, o, outer, k, log);
            probes.push_back(probe.get());
            return probe;
        };
    return pages;
}

ShellTest::ShellTest() {
    resetLifecycle();  // the tree is built while points still carry nothing
    device::useSystemPorts(false);
    sys.addFolder("C:\\Prog");
}

ShellTest::~ShellTest() {
    root_.reset();
    device::useSystemPorts(true);
}

void ShellTest::build(bool program) {
    root_.reset();  // a second run starts from nothing, as a new process would
    probes_.clear();
    resetLifecycle();
    root_ = std::make_unique<TClassMainForm_1E8A0D0>(program ? programPages() : probePages(log, probes_));
    start();
}

void ShellTest::close() {
    TData none;
    root_->mainForm().doClose(none);
    loop.advance(0);
}

void ShellTest::clickOn(std::string_view text) {
    using namespace ui::headless;
    const Match caption = byCaption(text), hint = byHint(text);
    HeadlessControl* c = findAnywhere(
        toolkit(), [&](const HeadlessControl& x) { return reachable(x) && (caption(x) || hint(x)); });
    ASSERT_NE(c, nullptr) << text;
    EXPECT_TRUE(click(*c)) << text;
}

void ShellTest::openPort() {
    page(mode::Connect).send(1, makeString("COM5"));
}
