#include "runtime/elements/hub.h"

namespace lr {

void THIHub::doEvent(TData& data, std::uint16_t) {
    for (const Point& out : outputs)
        fireCopy(out, data);
}

}  // namespace lr
