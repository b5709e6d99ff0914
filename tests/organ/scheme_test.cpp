// Loading a scheme file into the engine and saving its values back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "organ_fixture.h"

using namespace lr;

namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// "\xE0" is the Cyrillic "а" of code page 1251.
constexpr const char* kSaved =
    "[description]\ntext=Old \xE0 style/second line\n"
    "[init]\nstrfreq=1;2;3;4;5;6;7;8;9;10;11;12;13;14;\nbar_1=5\nbar_1_name=Bass\n"
    "[calculation]\nA={bar_1}\nxA={count}/2\n";

// An element that runs a function when fired.
class Hook : public Element {
  public:
    explicit Hook(std::function<void()> f) : f_(std::move(f)) {}
    void call(TData&) { f_(); }
    Point point() { return bind<&Hook::call>(*this); }

  private:
    std::function<void()> f_;
};

}  // namespace

class OrganScheme : public OrganTest {};

TEST_F(OrganScheme, AMissingFileLoadsAsAnEmptyScheme) {
    build("noise");
    const std::string missing = (folder / "missing.lsc").string();
    load(missing);
    EXPECT_EQ(toString(shared("scheme_dir")), missing);
    EXPECT_EQ(shared("block").intValue, 1);
    for (std::string_view bar : kBarNames)
        EXPECT_EQ(shared(bar).intValue, 0) << bar;
    run();
    tick();
    EXPECT_EQ(channels.texts().size(), 12u) << "every formula is %0 and starts from level 0";
    EXPECT_EQ(shared("band_8").kind, kind::Real) << "the default band list";
    EXPECT_EQ(shared("band_9").kind, kind::Null);
}

TEST_F(OrganScheme, BarsGoToTheirSlidersInLoadOrder) {
    build();
    Recorder sliders;
    engine->onBarPosition = sliders.point();
    load(scheme("bars", "[init]\nbar_1=1\nbar_12=12\nbar_beat=-4\nbar_act=8\n"));
    ASSERT_EQ(sliders.values.size(), kBarNames.size());
    const auto position = [&](std::size_t i) { return toInteger(*sliders.values[i].next); };
    EXPECT_EQ(toString(sliders.values[0]), "bar_1");
    EXPECT_EQ(position(0), 7);
    EXPECT_EQ(position(11), 0);
    EXPECT_EQ(toString(sliders.values[12]), "bar_beat");
    EXPECT_EQ(position(12), 8);
    EXPECT_EQ(position(13), 0);
    EXPECT_EQ(shared("bar_12").intValue, 8);
    EXPECT_EQ(shared("bar_beat").intValue, 0);
}

// Nothing runs while a load is under way: the ticks that fall into it only count.
TEST_F(OrganScheme, TicksDuringALoadEmitNothing) {
    build();
    const std::string counting = scheme("counting", "[calculation]\nA={count} mod 9\n");
    load(counting);
    run();
    tick();
    channels.values.clear();
    std::int32_t blockDuringLoad = -1;
    Hook duringLoad([&] {
        blockDuringLoad = shared("block").intValue;
        tick(4);
    });
    engine->onSchemeText = duringLoad.point();
    load(counting);
    EXPECT_EQ(blockDuringLoad, 0);
    EXPECT_TRUE(channels.values.empty());
    EXPECT_EQ(shared("count").intValue, 5) << "the reset at the end of the load tells nobody";
    tick();
    EXPECT_EQ(channels.texts(), std::vector<std::string>{"A5"});
    EXPECT_EQ(shared("count").intValue, 1);
}

TEST_F(OrganScheme, SaveWritesBarsLevelsAndVariablesAndNothingElse) {
    build();
    const std::string path = scheme("saved", kSaved);
    load(path);
    run();
    tick(2);
    TData none;
    engine->doSaveScheme(none);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Saved!");
    EXPECT_EQ(boxes.shown()[0].caption, "Scheme settings");
    EXPECT_EQ(boxes.shown()[0].icon, ui::Icon::Information);
    const std::string bytes = fileBytes(path);
    for (const char* line : {"text=Old \xE0 style/second line\r\n", "bar_1=5\r\nbar_1_name=Bass\r\n",
                             "\r\nA=5\r\n", "\r\nxA=0.5\r\n", "\r\nbar_beat=0\r\n", "\r\nL=0\r\n",
                             "\r\nxZ=0\r\n", "[calculation]\r\nA={bar_1}\r\nxA={count}/2\r\n"})
        EXPECT_NE(bytes.find(line), std::string::npos) << line;
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
    EXPECT_EQ(shared("block").intValue, 1);
}

TEST_F(OrganScheme, ASavedSchemeLoadsBackItsSlidersAndStartingLevels) {
    build();
    const std::string path = scheme("roundtrip", "[calculation]\nA={bar_1}+1\n");
    load(path);
    globalVar("bar_1") = makeInteger(2);  // the slider moved
    run();
    tick();
    TData none;
    engine->doSaveScheme(none);
    globalVar("bar_1") = makeInteger(7);
    load(path);
    EXPECT_EQ(shared("bar_1").intValue, 2);
    EXPECT_EQ(shared("A").kind, kind::Integer) << "a level variable keeps its kind";
    EXPECT_EQ(shared("A").intValue, 3);
}

TEST_F(OrganScheme, NothingIsEvaluatedWhileTheSavedBoxIsOpen) {
    build();
    load(scheme("open", "[calculation]\nA={count} mod 9\n"));
    run();
    tick();
    channels.values.clear();
    boxes.setPolicy([this](const ui::MessageBoxSpec&) {
        tick(4);
        return ui::Answer::Ok;
    });
    TData none;
    engine->doSaveScheme(none);
    EXPECT_TRUE(channels.values.empty());
    tick();
    EXPECT_EQ(channels.texts(), std::vector<std::string>{"A5"});
}

TEST_F(OrganScheme, ASaveThatCannotWriteSaysSo) {
    build();
    TData none;
    engine->doSaveScheme(none);  // no scheme yet
    load((folder / "no such folder" / "x.lsc").string());
    engine->doSaveScheme(none);
    ASSERT_EQ(boxes.shown().size(), 2u);
    for (const auto& box : boxes.shown()) {
        EXPECT_EQ(box.text, "Not saved!");
        EXPECT_EQ(box.icon, ui::Icon::Error);
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "no such folder"));
    EXPECT_EQ(shared("block").intValue, 1);
}
