#include "runtime/tdata.h"

#include <cmath>

namespace lr {

TData::TData(const TData& other) {
    deepCopy(*this, other);
}

TData& TData::operator=(const TData& other) {
    if (this != &other) {
        TData copy(other);
        *this = std::move(copy);
    }
    return *this;
}

// Long lists are freed iteratively, so no list can exhaust the stack on destruction.
TData::~TData() {
    freeTail(*this);
}

namespace {
TData makeRef(std::uint8_t k, void* ref) {
    TData d;
    d.kind = k;
    d.ref = ref;
    return d;
}
}  // namespace

TData makeNull() {
    return TData{};
}

TData makeInteger(std::int32_t v) {
    TData d;
    d.kind = kind::Integer;
    d.intValue = v;
    return d;
}

TData makeReal(double v) {
    TData d;
    d.kind = kind::Real;
    d.realValue = v;
    return d;
}

TData makeString(std::string s) {
    TData d;
    d.kind = kind::String;
    d.text = std::move(s);
    return d;
}

TData makeStream(void* ref) {
    return makeRef(kind::Stream, ref);
}
TData makeBitmap(void* ref) {
    return makeRef(kind::Bitmap, ref);
}
TData makeIcon(void* ref) {
    return makeRef(kind::Icon, ref);
}
TData makeMatrix(void* ref) {
    return makeRef(kind::Matrix, ref);
}
TData makeArray(ArrayAccessor* accessor) {
    return makeRef(kind::Array, accessor);
}

TData copySingle(const TData& src) {
    TData d;
    d.kind = src.kind;
    d.intValue = src.intValue;
    d.ref = src.ref;
    d.text = src.text;
    d.realValue = src.realValue;
    d.kind &= static_cast<std::uint8_t>(~kind::Forward);
    return d;
}

std::int32_t roundToInt(double v) {
    const double r = std::nearbyint(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
        if (!std::isfinite(r)) return 0;
        return static_cast<std::int32_t>(
            static_cast<std::uint32_t>(static_cast<std::int64_t>(std::fmod(r, 4294967296.0))));
    }
    return static_cast<std::int32_t>(r);
}

TData& append(TData& list, const TData& values) {
    TData* last = &list;
    while (last->next)
        last = last->next.get();
    const TData* item = &values;
    if (isNull(list)) {
        if (isNull(values)) return *last;
        list = copySingle(values);
        last = &list;
        item = values.next.get();
    }
    for (; item && !isNull(*item); item = item->next.get()) {
        last->next = std::make_unique<TData>(copySingle(*item));
        last = last->next.get();
    }
    return *last;
}

void deepCopy(TData& dst, const TData& src) {
    TData head = copySingle(src);
    TData* last = &head;
    for (const TData* item = src.next.get(); item; item = item->next.get()) {
        last->next = std::make_unique<TData>(copySingle(*item));
        last = last->next.get();
    }
    dst = std::move(head);
}

void freeTail(TData& list) {
    std::unique_ptr<TData> item = std::move(list.next);
    while (item)
        item = std::move(item->next);
}

TData takeFirst(TData& list) {
    TData first = copySingle(list);
    if (list.next) {
        std::unique_ptr<TData> second = std::move(list.next);
        list = std::move(*second);
    } else {
        list = makeNull();
    }
    return first;
}

std::size_t listLength(const TData& list) {
    std::size_t n = 0;
    for (const TData* item = &list; item && !isNull(*item); item = item->next.get())
        ++n;
    return n;
}

void ArrayAccessor::set(TData& index, TData& value) const {
    if (setItem) setItem(target, index, value);
}
bool ArrayAccessor::get(TData& index, TData& value) const {
    return getItem && getItem(target, index, value);
}
std::int32_t ArrayAccessor::size() const {
    return count ? count(target) : 0;
}
void ArrayAccessor::add(TData& value) const {
    if (addItem) addItem(target, value);
}

}  // namespace lr
