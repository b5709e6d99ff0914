#include "ambilight/published_value.h"

namespace lr {

void PublishedValue::doValue(TData& data) {
    value_.store(toInteger(data));
    forwardInteger(data, onData, value_.load());
}

void PublishedValue::Value(TData& data) {
    data = makeInteger(value_.load());
}

}  // namespace lr
