#include "settings/registry_element.h"

#include <cmath>
#include <cstring>

namespace lr {

// Every operation opens its key from the root and closes it again, so a key text with or without a
// leading backslash names the same key: a relative key never nests deeper on repeated writes.
std::optional<THIRegistry::Target> THIRegistry::target(TData& data) {
    std::string key = readString(data, Key, Key_);
    std::string name = readString(data, Name, Name_);
    if (Root < 0 || Root > 4) return std::nullopt;
    key.erase(0, key.find_first_not_of('\\'));
    return Target{static_cast<settings::RegistryRoot>(Root), std::move(key), std::move(name)};
}

bool THIRegistry::toData(const settings::RegistryValue& stored, TData& out) {
    using Stored = settings::RegistryValue::Type;
    switch (Type) {
        case DataType::Integer:
            if (stored.type != Stored::Integer) return false;
            out = makeInteger(stored.integer);
            return true;
        case DataType::String:
            if (stored.type != Stored::String) return false;
            out = makeString(stored.bytes);
            return true;
        case DataType::Real: {
            double v = 0;
            if (stored.type != Stored::Binary || stored.bytes.size() != sizeof v) return false;
            std::memcpy(&v, stored.bytes.data(), sizeof v);
            if (!std::isfinite(v)) return false;
            out = makeReal(v);
            return true;
        }
        case DataType::Binary:
            if (stored.type != Stored::Binary) return false;
            stream_ = MemoryStream{stored.bytes, 0};
            out = makeStream(&stream_);
            return true;
    }
    return false;
}

settings::RegistryValue THIRegistry::fromData(const TData& value) const {
    using Stored = settings::RegistryValue::Type;
    switch (Type) {
        case DataType::Integer:
            return {Stored::Integer, toInteger(value), {}};
        case DataType::String:
            return {Stored::String, 0, toString(value)};
        case DataType::Real: {
            const double v = toReal(value);
            std::string bytes(sizeof v, '\0');
            std::memcpy(bytes.data(), &v, sizeof v);
            return {Stored::Binary, 0, std::move(bytes)};
        }
        case DataType::Binary:
            break;
    }
    const bool stream = value.kind == kind::Stream && value.ref;
    return {Stored::Binary, 0, stream ? static_cast<const MemoryStream*>(value.ref)->bytes : toString(value)};
}

void THIRegistry::doRead(TData& data) {
    const auto t = target(data);
    const auto stored = t ? settings::system().registry().read(t->root, t->key, t->name) : std::nullopt;
    TData value;
    if (stored && toData(*stored, value)) {
        forwardCopy(data, onRead, value);
    } else if (!OnlySuccessfulReads) {
        forwardNull(data, onRead);
    }
}

// A refused write (no rights under HKEY_LOCAL_MACHINE) is skipped without a message.
void THIRegistry::doWrite(TData& data) {
    const auto t = target(data);
    TData value;
    readFirst(data, Value, nullptr, value);
    if (isNull(value)) value = makeString(Default);
    if (t) settings::system().registry().write(t->root, t->key, t->name, fromData(value));
}

void THIRegistry::doDelete(TData& data) {
    const auto t = target(data);
    if (t) settings::system().registry().remove(t->root, t->key, t->name);
}

}  // namespace lr
