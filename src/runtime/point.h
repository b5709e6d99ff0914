#pragma once
// Points: how events travel (fire, forward) and how data inputs are read.
#include <cstdint>
#include <string>
#include <type_traits>

#include "runtime/tdata.h"

namespace lr {

using Method = void (*)(void* target, TData& data, std::uint16_t index);

struct Point {
    Method method = nullptr;
    void* target = nullptr;
    std::uint16_t index = 0;

    bool connected() const { return method != nullptr; }
};

// Unnamed, so that every file has its own thunks: GCC 12 otherwise emits the thunk of a member of a
// file-local class as a weak symbol, and the linker may merge two unrelated ones of the same name.
namespace detail {
namespace {
template <auto M>
struct Thunk;

template <class C, void (C::*M)(TData&, std::uint16_t)>
struct Thunk<M> {
    static void call(void* target, TData& data, std::uint16_t index) {
        (static_cast<C*>(target)->*M)(data, index);
    }
    using Class = C;
};

template <class C, void (C::*M)(TData&)>
struct Thunk<M> {
    static void call(void* target, TData& data, std::uint16_t) { (static_cast<C*>(target)->*M)(data); }
    using Class = C;
};
}  // namespace
}  // namespace detail

// bind<&THITimer::doTimer>(timer): a point to a member work or read method, one indirect call per hop.
template <auto M>
Point bind(typename detail::Thunk<M>::Class& target, std::uint16_t index = 0) {
    return Point{&detail::Thunk<M>::call, &target, index};
}

inline Point makePoint(std::uint16_t index, Method method, void* target) {
    return Point{method, target, index};
}

// Nothing travels along a point until the dispatchers are installed at start.
void installDispatch();
void uninstallDispatch();
bool dispatchInstalled();

void fire(const Point& point, TData& data);
void fireCopy(const Point& point, const TData& data);
void fireNull(const Point& point);
void fireInteger(const Point& point, std::int32_t v);
void fireReal(const Point& point, double v);
void fireString(const Point& point, std::string s);
void fireStream(const Point& point, void* ref);
void fireBitmap(const Point& point, void* ref);

// A work method ends with one of these instead of firing, and returns at once.
void forward(TData& data, const Point& point);
void forwardNull(TData& data, const Point& point);
void forwardInteger(TData& data, const Point& point, std::int32_t v);
void forwardReal(TData& data, const Point& point, double v);
void forwardString(TData& data, const Point& point, std::string s);
void forwardCopy(TData& data, const Point& point, const TData& value);

void read(const Point& point, TData& data);
std::int32_t readInteger(const Point& point);

// Reading a data input with a default: the connected input wins; else a non-empty default;
// else the next item carried by the event.
std::int32_t readInteger(TData& event, const Point& point, std::int32_t def);
double readReal(TData& event, const Point& point, double def);
std::string readString(TData& event, const Point& point, const std::string& def);
void readWhole(TData& event, const Point& point, const TData* def, TData& result);
void readFirst(TData& event, const Point& point, const TData* def, TData& result);
void* readStream(TData& event, const Point& point);
void* readBitmap(TData& event, const Point& point);
ArrayAccessor* readArray(TData& event, const Point& point);
void* readMatrix(TData& event, const Point& point);

}  // namespace lr
