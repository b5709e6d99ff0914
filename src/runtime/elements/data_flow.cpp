#include "runtime/elements/data_flow.h"

namespace lr {

void THIDoData::doData(TData& data) {
    TData none;
    TData value;
    readFirst(none, Data, &Data_, value);
    data = std::move(value);
    forward(data, onData);
}

void THIMemory::doValue(TData& data) {
    TData value;
    readFirst(data, Data, nullptr, value);
    value_ = value;
    data = std::move(value);
    forward(data, onData);
}

void THIMemory::doClear(TData& data) {
    value_ = copySingle(Default);
    forwardCopy(data, onData, *value_);
}

void THIMemory::Value(TData& data) {
    data = value_ ? *value_ : copySingle(Default);
}

namespace {
// Same kind and same value: Null equals Null, texts case-sensitively, reals exactly, references by identity.
bool sameValue(const TData& a, const TData& b) {
    if (a.kind != b.kind) return false;
    switch (a.kind) {
        case kind::Null:
            return true;
        case kind::Integer:
            return a.intValue == b.intValue;
        case kind::String:
            return a.text == b.text;
        case kind::Real:
            return a.realValue == b.realValue;
        default:
            return a.ref == b.ref;
    }
}
}  // namespace

void THIChangeMon::doData(TData& data) {
    freeTail(data);
    if (sameValue(data, last_)) {
        forward(data, onSame);
        return;
    }
    last_ = copySingle(data);
    forward(data, onChange);
}

void THIEventFromData::doData(TData& data) {
    kept_ = data;
}

void THIEventFromData::Data(TData& data) {
    fire(onRead, data);
    data = kept_;
}

void THIGetData::Data(TData& data) {
    read(Data_, data);
}

void THIGetIndexData::doIndex(TData& data) {
    const std::int32_t k = toInteger(data);
    selected_ = k >= 0 && static_cast<std::size_t>(k) < Data_.size() ? k : -1;
    forwardInteger(data, onIndex, k);
}

void THIGetIndexData::Data(TData& data) {
    if (selected_ < 0) {
        data = makeNull();
    } else {
        read(Data_[static_cast<std::size_t>(selected_)], data);
    }
}

void THIIndexToChanel::doEvent(TData& data) {
    const std::int32_t index = readInteger(data, Index, 0);
    TData value;
    readFirst(data, Data, &Data_, value);
    if (index < 0 || static_cast<std::size_t>(index) >= outputs.size()) return;
    data = std::move(value);
    forward(data, outputs[static_cast<std::size_t>(index)]);
}

void THIChanelToIndex::doEvent(TData& data, std::uint16_t index) {
    if (index >= Count) return;
    forwardInteger(data, onIndex, index);
}

}  // namespace lr
