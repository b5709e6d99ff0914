#pragma once
// Building and reading multi-data lists in tests, and firing a work method through a point.
#include <string>
#include <vector>

#include "runtime/point.h"

inline lr::TData listOf(std::initializer_list<lr::TData> items) {
    lr::TData list;
    for (const auto& i : items)
        lr::append(list, i);
    return list;
}

inline std::vector<std::string> textsOf(const lr::TData& list) {
    std::vector<std::string> out;
    for (const lr::TData* i = &list; i && !lr::isNull(*i); i = i->next.get())
        out.push_back(lr::toString(*i));
    return out;
}

inline std::vector<std::int32_t> intsOf(const lr::TData& list) {
    std::vector<std::int32_t> out;
    for (const lr::TData* i = &list; i && !lr::isNull(*i); i = i->next.get())
        out.push_back(lr::toInteger(*i));
    return out;
}

// Fires a work method through a point, the way a link does, so that forwarding takes effect.
template <auto M, class E>
void fireAt(E& element, lr::TData value = {}) {
    lr::fire(lr::bind<M>(element), value);
}
