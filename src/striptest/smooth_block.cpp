#include "striptest/smooth_block.h"

#include <array>

namespace lr {

namespace {
// The gradient button's 21 colours: the background, then five per drawing state (top, bottom, border,
// light, text). Every state runs from the previous colour at the top to this lamp's at the bottom.
enum Slot { Keep, Prev, Cur };
constexpr std::array<Slot, 21> kColorSlots = {Keep, Prev, Cur,  Cur,  Keep, Keep, Prev,
                                              Cur,  Keep, Keep, Keep, Prev, Cur,  Keep,
                                              Keep, Keep, Prev, Cur,  Keep, Keep, Keep};
}  // namespace

TClassMultiElementEx_2DF66E0::TClassMultiElementEx_2DF66E0(TClassMultiBase* owner)
    : TClassMultiBase(nullptr, owner), current_(make<THIMemory>()), unchanged_(make<THIMemory>()) {
    current_.Default = makeInteger(0);
    unchanged_.Default = makeInteger(-1);
}

void TClassMultiElementEx_2DF66E0::doColor(TData& data) {
    fireCopy(bind<&THIMemory::doValue>(current_), data);
    doRefresh(data);
}

void TClassMultiElementEx_2DF66E0::doRefresh(TData&) {
    paint();
    fireNull(onRefresh);
}

void TClassMultiElementEx_2DF66E0::Color(TData& data) {
    current_.Value(data);
}

void TClassMultiElementEx_2DF66E0::paint() {
    const std::int32_t prev = readInteger(Prev);
    TData cur;
    current_.Value(cur);
    TData keep;
    unchanged_.Value(keep);
    const std::array<std::int32_t, 3> values = {toInteger(keep), prev, toInteger(cur)};
    const std::pair<std::int32_t, std::int32_t> shown{prev, values[Cur]};
    if (painted_ == shown) return;
    painted_ = shown;
    TData list;
    TData* last = &list;
    for (const Slot slot : kColorSlots)
        last = &append(*last, makeInteger(values[slot]));
    fire(onColors, list);
}

}  // namespace lr
