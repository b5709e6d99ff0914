#include "runtime/elements/list_elements.h"

#include "runtime/strings.h"

namespace lr {

TData THIMT_Add::value() {
    TData v;
    TData scratch;
    if (Data.connected()) {
        readWhole(scratch, Data, nullptr, v);
        if (v.kind != kind::NoValue) return v;
    }
    return isNull(Data_) ? TData{} : Data_;
}

void THIMT_Add::doAdd(TData& data) {
    TData list(data);
    append(list, value());
    fire(onAdd, list);
}

void THIMT_Add::doAddFirst(TData& data) {
    TData list = value();
    append(list, data);
    fire(onAdd, list);
}

void THIMT_Get::doGet(TData& data) {
    TData first = takeFirst(data);
    fire(onData, first);
    forward(data, onNext);
}

void ThiMT_AddData::doAdd(TData&) {
    TData result;
    for (const Point& input : Data) {
        TData value;
        TData none;
        if (input.connected()) {
            readWhole(none, input, nullptr, value);
            if (value.kind == kind::NoValue) value = makeNull();
        } else if (!isNull(Default)) {
            value = Default;
        }
        append(result, value);
    }
    fire(onAdd, result);
}

void ThiMT_AddData::doAddItems(TData& data) {
    TData result;
    for (const Point& input : Data) {
        TData value;
        readFirst(data, input, &Default, value);
        if (value.kind == kind::NoValue) value = makeNull();
        append(result, value);
    }
    fire(onAdd, result);
}

void THIMT_String::doString(TData& data) {
    std::string text;
    for (const TData* item = &data; item && !isNull(*item); item = item->next.get()) {
        std::string piece = toString(*item);
        if (item->kind == kind::Real && piece.find('.') == std::string::npos) piece += ".0";
        text += piece;
        text += Delimiter;
    }
    if (!text.empty()) text.pop_back();
    forwardString(data, onResult, std::move(text));
}

namespace {
std::string trimmed(const std::string& token) {
    if (token.size() == 1) return token;
    std::size_t b = 0;
    std::size_t e = token.size();
    while (b < e && static_cast<unsigned char>(token[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(token[e - 1]) <= 32)
        --e;
    return token.substr(b, e - b);
}
}  // namespace

TData typedToken(const std::string& token) {
    const std::string t = trimmed(token);
    if (t.empty()) return makeString(token);
    bool real = false;
    bool numeric = true;
    for (std::size_t i = 0; i < t.size() && numeric; ++i) {
        const char c = t[i];
        if (c == '-' && i == 0 && t.size() >= 2 && !token.empty() && token[0] == '-') continue;
        if (c >= '0' && c <= '9') continue;
        if (c == '.' && !real) {
            real = true;
            continue;
        }
        numeric = false;
    }
    if (!numeric) return makeString(token);
    return real ? makeReal(parseReal(t)) : makeInteger(parseInteger(t));
}

void THIMT_String::doList(TData& data) {
    std::string text = readString(data, Text, "");
    text += Delimiter;
    TData list;
    while (!text.empty()) {
        TData item = typedToken(takeToken(text, Delimiter));
        if (isNull(list)) {
            list = std::move(item);
        } else {
            append(list, item);
        }
    }
    fire(onResult, list);
}

void THIMT_MultiData::doData(TData& data) {
    remainder_ = makeNull();
    TData list;
    readWhole(data, Data, nullptr, list);
    if (list.kind == kind::NoValue) list = makeNull();
    const TData* item = &list;
    for (int skip = 0; skip < From && item && !isNull(*item); ++skip)
        item = item->next.get();
    for (const Point& out : onData) {
        if (!item || isNull(*item)) break;
        fireCopy(out, copySingle(*item));
        item = item->next.get();
    }
    if (item && !isNull(*item)) deepCopy(remainder_, *item);
}

}  // namespace lr
