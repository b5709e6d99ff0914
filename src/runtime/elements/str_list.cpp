#include "runtime/elements/str_list.h"

#include <algorithm>

namespace lr {

bool THIStrList::valid(std::int32_t index) const {
    return index >= 0 && static_cast<std::size_t>(index) < Strings.size();
}

void THIStrList::doReplace(TData& data) {
    const std::int32_t index = toIndex(takeFirst(data));
    std::string text = readString(data, Text, "");
    if (!valid(index)) return;
    Strings[static_cast<std::size_t>(index)] = std::move(text);
    forwardNull(data, onChange);
}

void THIStrList::doFind(TData& data) {
    const std::string text = readString(data, Text, "");
    const auto found = std::find(Strings.begin(), Strings.end(), text);
    current_ = found == Strings.end() ? -1 : static_cast<std::int32_t>(found - Strings.begin());
    currentText_ = found == Strings.end() ? std::string() : *found;
    forwardInteger(data, onFind, current_);
}

void THIStrList::doGetString(TData& data) {
    const std::int32_t index = readInteger(data, Index, 0);
    current_ = valid(index) ? index : -1;
    currentText_ = valid(index) ? Strings[static_cast<std::size_t>(index)] : std::string();
    forwardString(data, onGetString, currentText_);
}

void THIStrList::doAdd(TData& data) {
    Strings.push_back(readString(data, Text, ""));
    forwardNull(data, onChange);
}

void THIStrList::doDelete(TData& data) {
    const std::int32_t index = toIndex(takeFirst(data));
    if (!valid(index)) return;
    Strings.erase(Strings.begin() + index);
    forwardNull(data, onChange);
}

void THIStrList::doClear(TData& data) {
    Strings.clear();
    forwardNull(data, onChange);
}

void THIStrList::String(TData& data) {
    data = makeString(currentText_);
}

void THIStrList::Count(TData& data) {
    data = makeInteger(static_cast<std::int32_t>(Strings.size()));
}

}  // namespace lr
