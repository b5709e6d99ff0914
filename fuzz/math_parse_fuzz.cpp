// The interpreter on arbitrary bytes: the first byte picks the settings, the rest is the formula.
// Every formula ends in a result or a reported error: no crash, no hang, no infinity or NaN, and a
// place in the formula that exists.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "expr/math_parse.h"
#include "runtime/point.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/virtual_loop.h"

namespace {

struct Inputs : lr::Element {
    void number(lr::TData& d) { d = lr::makeReal(2.5); }
    void array(lr::TData& d) { d = lr::makeArray(&accessor); }
    void function(lr::TData& d) { d = lr::makeInteger(static_cast<std::int32_t>(lr::listLength(d))); }
    static bool item(void*, lr::TData& index, lr::TData& value) {
        value = lr::makeInteger(lr::toInteger(index));
        return lr::toInteger(index) < 10;
    }
    lr::ArrayAccessor accessor{nullptr, nullptr, &item, nullptr, nullptr};
};

struct Sink : lr::Element {
    void take(lr::TData& d) { last = d; }
    lr::TData last;
};

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ui::headless::VirtualLoop loop;
    static ui::headless::RecordedMessageBoxes boxes;
    static ui::headless::HeadlessPlatform platform{loop, boxes};
    ui::setPlatform(&platform);
    lr::installDispatch();
    if (size == 0) return 0;
    const std::uint8_t flags = data[0];
    const std::string_view formula(reinterpret_cast<const char*>(data + 1), size - 1);

    Inputs inputs;
    Sink results, errors;
    lr::THIMathParse parse(4);
    parse.X[0] = lr::bind<&Inputs::number>(inputs);
    parse.X[1] = lr::bind<&Inputs::array>(inputs);
    parse.X[2] = lr::bind<&Inputs::function>(inputs);
    parse.AngleMode = flags & 1;
    parse.ResultType = (flags >> 1) & 1;
    parse.FunctionInput = (flags & 4) ? 3 : 0;
    parse.onResult = lr::bind<&Sink::take>(results);
    if (flags & 8) parse.onError = lr::bind<&Sink::take>(errors);
    parse.setFormula(formula);
    for (int round = 0; round < 2; ++round) {
        lr::TData event = lr::makeInteger(7);
        lr::append(event, lr::makeString("1.5"));
        parse.doCalc(event);
        lr::TData result;
        parse.Result(result);
        if (parse.errorIndex() < 0) {
            check(result.kind != lr::kind::Real || std::isfinite(result.realValue));
        } else {
            const lr::TextPosition at = parse.errorPosition();
            check(parse.errorIndex() <= 1 && at.line >= 1 && at.column >= 1 &&
                  static_cast<std::size_t>(at.column) <= formula.size() + 1);
        }
    }
    boxes.clear();
    return 0;
}
