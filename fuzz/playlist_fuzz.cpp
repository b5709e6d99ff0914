// "list.ini" on arbitrary bytes, the first byte picking which listed playlist the user chooses in the
// colour organ's playlist row; the player then plays it on the virtual clock for a few steps. The row
// never offers "support", every scheme handed out is one line of text, each stays at least a second
// and no longer than a timer can wait, and a list with something to play never stops by itself.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "headless_world.h"
#include "organ/playlist_choice.h"
#include "organ/playlist_player.h"
#include "runtime/strings.h"
#include "ui/headless/user.h"

namespace {

constexpr const char* kList = "C:\\Prog\\list.ini";
constexpr std::size_t kSteps = 10;
constexpr std::uint64_t kShortestStayMs = 1000;
constexpr std::uint64_t kLongestStayMs = 2147483647;

class Log : public lr::Element {
  public:
    explicit Log(ui::headless::VirtualLoop& loop) : loop_(loop) {}

    void take(lr::TData& data) {
        const std::string scheme = lr::toString(data);
        check(!scheme.empty() && scheme.find('\n') == std::string::npos);
        const std::uint64_t now = loop_.nowMs();
        if (played_ > 0) check(now - last_ >= kShortestStayMs && now - last_ <= kLongestStayMs);
        last_ = now;
        if (++played_ == kSteps) loop_.quit(0);
    }
    std::size_t played() const { return played_; }

  private:
    ui::headless::VirtualLoop& loop_;
    std::uint64_t last_ = 0;
    std::size_t played_ = 0;
};

ui::headless::HeadlessControl& control(HeadlessWorld& world, const ui::headless::Match& match) {
    ui::headless::HeadlessControl* found = ui::headless::findAnywhere(world.toolkit(), match);
    check(found != nullptr);
    return *found;
}

// The row's list after a click on its refresh button; the user picks the entry `choice` names.
void choosePlaylist(HeadlessWorld& world, std::uint8_t choice) {
    check(ui::headless::click(control(world, ui::headless::byName("list_name refresh"))));
    ui::headless::HeadlessControl& list = control(world, ui::headless::byHint("Choice of a playlist"));
    const std::vector<std::string> items = list.items();
    for (const std::string& item : items)
        check(lr::compareIgnoringCase(item, "support") != 0);
    if (!items.empty()) check(ui::headless::pick(list, static_cast<int>(choice % items.size())));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    HeadlessWorld world;
    world.sys.putFile(kList, bytesOf(data + 1, size - 1));
    const std::unique_ptr<ui::Window> window = world.toolkit().createWindow({"Lumenrig", {0, 0, 541, 600}});
    window->setVisible(true);
    lr::OrganPlaylistChoice row(window.get(), nullptr, lr::OrganPlaylistChoice::kMusic);
    lr::start();
    choosePlaylist(world, data[0]);

    Log log(world.loop);
    lr::TClassMultiElementEx_2A5D6B0 player(nullptr);
    player.PlaylistName = lr::bind<&lr::OrganPlaylistChoice::Playlist>(row);
    player.onScheme = lr::bind<&Log::take>(log);
    lr::TData none;
    player.doStart(none);
    world.loop.run();
    check(log.played() == 0 || log.played() == kSteps);
    if (log.played() == 0) check(world.loop.timerCount() == 0);
    player.doStop(none);
    return 0;
}
