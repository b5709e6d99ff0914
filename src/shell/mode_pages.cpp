#include "shell/mode_pages.h"

#include <string_view>

#include "ambilight/ambilight_page.h"
#include "automation/auto_page.h"
#include "device/connect_page.h"
#include "device/effect_page.h"
#include "device/strip_page.h"
#include "organ/organ_page.h"
#include "shell/pending_page.h"
#include "shell/tray_hotkeys.h"
#include "visual/shape_menus.h"
#include "visual/visual_page.h"

namespace lr {

namespace {
constexpr int kAreaWidth = 531;
constexpr int kAreaHeight = 560;

// The producer number of each page's commands at the device link's merge.
constexpr std::array<std::pair<std::size_t, std::size_t>, 6> kProducers = {{
    {mode::Effect, 0},
    {mode::ColorOrgan, 1},
    {mode::Connect, 2},
    {mode::Ambilight, 3},
    {mode::Auto, 4},
    {mode::WS2812, 5},
}};

PageFactory pending(std::size_t mode) {
    return [mode](ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer) {
        return std::make_unique<TClassPendingPage>(parent, owner, outer, kPagePoints[mode].inputs);
    };
}
}  // namespace

PageFactories programPages() {
    PageFactories pages;
    for (std::size_t k = 0; k < kModeCount; ++k)
        pages[k] = pending(k);
    pages[mode::Connect] = [](ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer) {
        return std::make_unique<TClassChildPanel_2D0BB10>(parent, owner, outer);
    };
    pages[mode::Effect] = [](ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer) {
        return std::make_unique<TClassChildPanel_2A602B0>(parent, owner, outer);
    };
    pages[mode::ColorOrgan] = [](ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer) {
        return std::make_unique<TClassChildPanel_1EFA680>(parent, owner, outer);
    };
    pages[mode::Ambilight] = [](ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer) {
        return std::make_unique<TClassChildPanel_2C2EA60>(parent, owner, outer);
    };
    pages[mode::Auto] = [](ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer) {
        return std::make_unique<TClassChildPanel_2D0DED0>(parent, owner, outer);
    };
    pages[mode::Visual] = [](ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer) {
        return std::make_unique<TClassChildPanel_2DEABE0>(parent, owner, outer);
    };
    pages[mode::WS2812] = [](ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer) {
        return std::make_unique<TClassChildPanel_30E4490>(parent, owner, outer);
    };
    return pages;
}

TClassChildPanelEx_1EF9EF0::TClassChildPanelEx_1EF9EF0(ui::Control* parent, TClassMultiBase* owner,
                                                       THIMultiElement& outer, const PageFactories& pages)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMulti>(outer, 5, 0)),
      area_(make<THIPanel>(parent)),
      link_(own<DeviceLink>(this)),
      gated_(make<THIHub>(2)),
      modeStarted_(make<THIHub>(1)),
      tray_(make<THIMultiElementEx>(parent, this, tray_output::Count, 0)),
      visualMenus_(make<THIMultiElement>(parent, this, 0, 0)) {
    join(edge_);
    edge_.inputs[0] = bind<&TClassChildPanelEx_1EF9EF0::start>(*this);
    edge_.inputs[1] = bind<&TClassChildPanelEx_1EF9EF0::closing>(*this);
    edge_.inputs[2] = bind<&THIMultiElementEx::doWork>(tray_, 0);
    edge_.inputs[3] = link_.lights();
    edge_.inputs[4] = bind<&TClassChildPanelEx_1EF9EF0::selectMode>(*this);
    area_.Name = "mode area";
    area_.Left_ = 5;
    area_.Top_ = 78;  // under the mode bar; the Connect page then ends at the window's bottom edge
    area_.Width_ = kAreaWidth;
    area_.Height_ = kAreaHeight;
    area_.Color_ = 0xC0C0C0;
    area_.init();
    visualMenus_.setCreate([this](ui::Control* p, TClassMultiBase* o) {
        return std::make_unique<TClassMultiElement_2DEA5B0>(p, o, visualMenus_);
    });
    buildPages(pages);
    linkCommands();
    linkConnectPage();
    linkTray();
    linkModeStarts();
}

void TClassChildPanelEx_1EF9EF0::buildPages(const PageFactories& pages) {
    for (std::size_t k = 0; k < kModeCount; ++k) {
        THIMultiElement& page = make<THIMultiElement>(&area_.control(), this, kPagePoints[k].outputs, 0);
        pages_[k] = &page;
        page.setCreate(
            [factory = pages[k], &page](ui::Control* p, TClassMultiBase* o) { return factory(p, o, page); });
    }
}

Point TClassChildPanelEx_1EF9EF0::input(std::size_t page, std::uint16_t index) {
    return bind<&THIMultiElement::doWork>(*pages_[page], index);
}

Point TClassChildPanelEx_1EF9EF0::output(std::uint16_t index) {
    return bind<&THIEditMulti::output>(edge_, index);
}

// Six pages send through the merge and the lights gate; what passes (and the all-off of every lights
// change) also goes to the Visual page and out.
void TClassChildPanelEx_1EF9EF0::linkCommands() {
    for (const auto& [page, producer] : kProducers)
        pages_[page]->outputs[0] = link_.command(producer);
    link_.setOnCommand(bind<&THIHub::doEvent>(gated_));
    gated_.outputs[0] = input(mode::Visual, 1);
    gated_.outputs[1] = output(4);
    pages_[mode::Effect]->outputs[1] = link_.readBack();
    link_.setOnState(input(mode::Effect, 2));
    pages_[mode::Effect]->outputs[2] = input(mode::Auto, 3);
    pages_[mode::WS2812]->outputs[1] = input(mode::Auto, 3);
}

void TClassChildPanelEx_1EF9EF0::linkConnectPage() {
    std::vector<Point>& connect = pages_[mode::Connect]->outputs;
    connect[1] = link_.open();
    connect[2] = link_.close();
    connect[3] = output(1);
    connect[4] = input(mode::ColorOrgan, 3);
    connect[5] = input(mode::Auto, 4);
    connect[6] = input(mode::Visual, 3);
}

void TClassChildPanelEx_1EF9EF0::linkTray() {
    tray_.setCreate([this](ui::Control* p, TClassMultiBase* o) {
        return std::make_unique<TClassMultiElementEx_1EF9FA0>(p, o, tray_);
    });
    std::vector<Point>& tray = tray_.outputs;
    tray[tray_output::Visualization] = input(mode::Visual, 3);
    tray[tray_output::SaveVisualScheme] = input(mode::Visual, 4);
    tray[tray_output::Automation] = input(mode::Auto, 4);
    tray[tray_output::Ambilight] = input(mode::Ambilight, 1);
    tray[tray_output::ColorOrgan] = input(mode::ColorOrgan, 3);
    tray[tray_output::Sublist] = input(mode::ColorOrgan, 5);
    tray[tray_output::RandomScheme] = input(mode::ColorOrgan, 4);
    tray[tray_output::Lights] = link_.lights();
    tray[tray_output::Exit] = output(0);
    pages_[mode::Visual]->outputs[0] = bind<&THIMultiElementEx::doWork>(tray_, 1);
    pages_[mode::Auto]->outputs[2] = bind<&THIMultiElementEx::doWork>(tray_, 2);
    pages_[mode::Ambilight]->outputs[2] = bind<&THIMultiElementEx::doWork>(tray_, 3);
    pages_[mode::ColorOrgan]->outputs[2] = bind<&THIMultiElementEx::doWork>(tray_, 4);
}

// The colour organ, Ambilight and the scheduler each reset the device panels when they start.
void TClassChildPanelEx_1EF9EF0::linkModeStarts() {
    modeStarted_.outputs[0] = input(mode::Effect, 3);
    for (const std::size_t page : {mode::ColorOrgan, mode::Ambilight, mode::Auto})
        pages_[page]->outputs[1] = bind<&THIHub::doEvent>(modeStarted_);
}

// The shapes' menus come first: a visual scheme loaded at the Visual page's start makes shapes.
void TClassChildPanelEx_1EF9EF0::start(TData&) {
    fireNull(bind<&THIMultiElement::doWork>(visualMenus_, 0));
    const std::array<std::pair<std::size_t, std::uint16_t>, 6> order = {{
        {mode::Connect, 1},
        {mode::Visual, 2},
        {mode::Effect, 1},
        {mode::ColorOrgan, 1},
        {mode::Auto, 1},
        {mode::WS2812, 1},
    }};
    for (const auto& [page, index] : order)
        fireNull(input(page, index));
}

// The all-off command goes out first, while the port is still open.
void TClassChildPanelEx_1EF9EF0::closing(TData&) {
    fireNull(link_.allOff());
    const std::array<std::pair<std::size_t, std::uint16_t>, 4> order = {{
        {mode::Connect, 2},
        {mode::ColorOrgan, 2},
        {mode::Auto, 2},
        {mode::Visual, 5},
    }};
    for (const auto& [page, index] : order)
        fireNull(input(page, index));
}

// Row k of the visibility table: page k shown, the others hidden, the window fitted to page k. A mode
// out of range (a damaged settings file) opens Connect rather than no page at all.
void TClassChildPanelEx_1EF9EF0::selectMode(TData& data) {
    const std::size_t k = validMode(toInteger(data));
    for (std::size_t page = 0; page < kModeCount; ++page) {
        const bool shown = page == k;
        fireInteger(input(page, 0), shown ? 1 : 0);
        if (shown) fireInteger(output(3), kPagePoints[page].windowHeight);
    }
}

}  // namespace lr
