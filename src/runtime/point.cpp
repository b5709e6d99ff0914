#include "runtime/point.h"

namespace lr {

namespace {
bool g_dispatch = false;
}

void installDispatch() {
    g_dispatch = true;
}
void uninstallDispatch() {
    g_dispatch = false;
}
bool dispatchInstalled() {
    return g_dispatch;
}

// The last hop of a chain arrives as a forwarding mark on the data and is run here by iteration.
void fire(const Point& point, TData& data) {
    if (!g_dispatch) return;
    const Point* p = &point;
    while (p && p->method) {
        p->method(p->target, data, p->index);
        if (!(data.kind & kind::Forward)) return;
        data.kind &= static_cast<std::uint8_t>(~kind::Forward);
        p = data.forwardPoint;
    }
}

void fireCopy(const Point& point, const TData& data) {
    if (!point.connected()) return;
    TData copy(data);
    fire(point, copy);
}

void fireNull(const Point& point) {
    TData d;
    fire(point, d);
}
void fireInteger(const Point& point, std::int32_t v) {
    TData d = makeInteger(v);
    fire(point, d);
}
void fireReal(const Point& point, double v) {
    TData d = makeReal(v);
    fire(point, d);
}
void fireString(const Point& point, std::string s) {
    TData d = makeString(std::move(s));
    fire(point, d);
}
void fireStream(const Point& point, void* ref) {
    TData d = makeStream(ref);
    fire(point, d);
}
void fireBitmap(const Point& point, void* ref) {
    TData d = makeBitmap(ref);
    fire(point, d);
}

void forward(TData& data, const Point& point) {
    data.kind |= kind::Forward;
    data.forwardPoint = &point;
}
void forwardNull(TData& data, const Point& point) {
    data = makeNull();
    forward(data, point);
}
void forwardInteger(TData& data, const Point& point, std::int32_t v) {
    data = makeInteger(v);
    forward(data, point);
}
void forwardReal(TData& data, const Point& point, double v) {
    data = makeReal(v);
    forward(data, point);
}
void forwardString(TData& data, const Point& point, std::string s) {
    data = makeString(std::move(s));
    forward(data, point);
}
void forwardCopy(TData& data, const Point& point, const TData& value) {
    data = value;
    forward(data, point);
}

void read(const Point& point, TData& data) {
    if (g_dispatch && point.method) {
        point.method(point.target, data, point.index);
    } else {
        data.kind = kind::NoValue;
    }
}

std::int32_t readInteger(const Point& point) {
    TData d;
    read(point, d);
    return toInteger(d);
}

namespace {

// Step 1 of every read-with-default rule; false when the input gave nothing.
bool readConnected(const Point& point, TData& result) {
    if (!point.connected()) return false;
    result = makeNull();
    read(point, result);
    return result.kind != kind::NoValue;
}

template <class T, class Convert>
T readWithDefault(TData& event, const Point& point, const T& def, bool defaultGiven, Convert convert) {
    TData value;
    if (readConnected(point, value)) return convert(value);
    if (defaultGiven || isNull(event)) return def;
    return convert(takeFirst(event));
}

void* readReference(TData& event, const Point& point, std::uint8_t wanted) {
    TData value;
    if (!readConnected(point, value)) value = takeFirst(event);
    return value.kind == wanted ? value.ref : nullptr;
}

}  // namespace

std::int32_t readInteger(TData& event, const Point& point, std::int32_t def) {
    return readWithDefault(event, point, def, def != 0, [](const TData& d) { return toInteger(d); });
}

double readReal(TData& event, const Point& point, double def) {
    return readWithDefault(event, point, def, def != 0.0, [](const TData& d) { return toReal(d); });
}

std::string readString(TData& event, const Point& point, const std::string& def) {
    return readWithDefault(event, point, def, !def.empty(), [](const TData& d) { return toString(d); });
}

void readWhole(TData& event, const Point& point, const TData* def, TData& result) {
    if (readConnected(point, result)) return;
    if (def && !isNull(*def)) {
        result = *def;
    } else {
        result = std::move(event);
        event = makeNull();
    }
}

void readFirst(TData& event, const Point& point, const TData* def, TData& result) {
    if (readConnected(point, result)) {
        freeTail(result);
    } else if (def && !isNull(*def)) {
        result = copySingle(*def);
    } else {
        result = takeFirst(event);
    }
}

void* readStream(TData& event, const Point& point) {
    return readReference(event, point, kind::Stream);
}
void* readBitmap(TData& event, const Point& point) {
    return readReference(event, point, kind::Bitmap);
}
ArrayAccessor* readArray(TData& event, const Point& point) {
    return static_cast<ArrayAccessor*>(readReference(event, point, kind::Array));
}
void* readMatrix(TData& event, const Point& point) {
    return readReference(event, point, kind::Matrix);
}

}  // namespace lr
