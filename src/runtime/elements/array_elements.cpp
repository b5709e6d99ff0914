#include "runtime/elements/array_elements.h"

namespace lr {

void THIArrayRW::doWrite(TData& data) {
    ArrayAccessor* array = readArray(data, Array);
    TData index = makeInteger(readInteger(data, Index, Index_));
    TData value;
    readFirst(data, Value, nullptr, value);
    if (array) array->set(index, value);
}

namespace {

// Walking forwards ends where get fails, and at the count when the array tells one, so an array whose
// get never fails cannot keep the walk going for ever.
bool itemAt(const ArrayAccessor& array, std::int32_t i, TData& item) {
    if (i < 0 || (array.count && i >= array.size())) return false;
    TData index = makeInteger(i);
    return array.get(index, item);
}

}  // namespace

void THIArrayEnum::doEnum(TData& data) {
    const ArrayAccessor* array = readArray(data, Array);
    stopped_ = false;
    if (array) {
        const std::int32_t step = Reverse ? -1 : 1;
        TData item;
        for (std::int32_t i = Reverse ? array->size() - 1 : 0; !stopped_ && itemAt(*array, i, item);
             i += step) {
            fireCopy(onItem, item);
            item = makeNull();
        }
    }
    forwardNull(data, stopped_ && BreakEvent ? onBreak : onEnd);
}

void THIArrayEnum::doStop(TData&) {
    stopped_ = true;
}

}  // namespace lr
