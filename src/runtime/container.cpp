#include "runtime/container.h"

namespace lr {

TClassMultiBase::~TClassMultiBase() {
    while (!elements_.empty())
        elements_.pop_back();
}

}  // namespace lr
