#pragma once
// What an element offers when it hands out a matrix (a TData of kind Matrix refers to one):
// get an item by row and column.
#include <cstdint>

#include "runtime/tdata.h"

namespace lr {

struct MatrixAccessor {
    void* target = nullptr;
    bool (*getItem)(void* target, std::int32_t row, std::int32_t column, TData& value) = nullptr;

    bool get(std::int32_t row, std::int32_t column, TData& value) const {
        return getItem && getItem(target, row, column, value);
    }
};

}  // namespace lr
