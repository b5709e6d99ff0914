#pragma once
// The one value record that travels along every point, and the multi-data list built from it.
#include <cstdint>
#include <memory>
#include <string>

namespace lr {

struct Point;

// Kind codes; bit 7 is the forwarding flag of the dispatcher.
namespace kind {
inline constexpr std::uint8_t Null = 0;
inline constexpr std::uint8_t Integer = 1;
inline constexpr std::uint8_t String = 2;
inline constexpr std::uint8_t Icon = 6;
inline constexpr std::uint8_t Real = 7;
inline constexpr std::uint8_t Stream = 10;
inline constexpr std::uint8_t Bitmap = 11;
inline constexpr std::uint8_t Array = 13;
inline constexpr std::uint8_t Matrix = 16;
inline constexpr std::uint8_t NoValue = 21;
inline constexpr std::uint8_t Forward = 128;
}  // namespace kind

// A value of one kind, possibly the head of a list. The head owns the items behind it (`next`);
// references (stream, bitmap, icon, array, matrix) are lent, never owned.
// Copying a TData copies the whole list (deep copy); use copySingle() for the head alone.
struct TData {
    std::uint8_t kind = kind::Null;
    std::int32_t intValue = 0;
    void* ref = nullptr;
    std::string text;
    double realValue = 0.0;
    const Point* forwardPoint = nullptr;
    std::unique_ptr<TData> next;

    TData() = default;
    TData(const TData& other);
    TData& operator=(const TData& other);
    TData(TData&&) noexcept = default;
    TData& operator=(TData&&) noexcept = default;
    ~TData();
};

// Construction: each clears forwardPoint and next.
TData makeNull();
TData makeInteger(std::int32_t v);
TData makeReal(double v);
TData makeString(std::string s);
TData makeStream(void* ref);
TData makeBitmap(void* ref);
TData makeIcon(void* ref);
TData makeMatrix(void* ref);
struct ArrayAccessor;
TData makeArray(ArrayAccessor* accessor);
TData copySingle(const TData& src);

inline bool isNull(const TData& d) {
    return d.kind == kind::Null;
}
inline bool isInteger(const TData& d) {
    return d.kind == kind::Integer;
}
inline bool isString(const TData& d) {
    return d.kind == kind::String;
}
inline bool isIcon(const TData& d) {
    return d.kind == kind::Icon;
}
inline bool isBitmap(const TData& d) {
    return d.kind == kind::Bitmap;
}
inline std::uint8_t kindOf(const TData& d) {
    return d.kind;
}

// Conversions; the argument is never changed.
std::int32_t toInteger(const TData& d);
double toReal(const TData& d);
std::string toString(const TData& d);
std::int32_t toIndex(const TData& d);
bool isTrue(const TData& d);

// The runtime's number texts.
std::int32_t parseInteger(std::string_view s);
double parseReal(std::string_view s);
std::string formatReal(double v);

// Nearest integer, halves to even, wrapping into 32 bits like the integer registers do.
std::int32_t roundToInt(double v);

// Multi-data lists. A list ends at a null next or at an item of kind Null.
TData& append(TData& list, const TData& values);  // returns the last item
void deepCopy(TData& dst, const TData& src);
void freeTail(TData& list);
TData takeFirst(TData& list);
std::size_t listLength(const TData& list);

// Array accessor: what an element offers when it hands out its content as an Array value.
struct ArrayAccessor {
    void* target = nullptr;
    void (*setItem)(void* target, TData& index, TData& value) = nullptr;
    bool (*getItem)(void* target, TData& index, TData& value) = nullptr;
    std::int32_t (*count)(void* target) = nullptr;
    void (*addItem)(void* target, TData& value) = nullptr;

    void set(TData& index, TData& value) const;
    bool get(TData& index, TData& value) const;
    std::int32_t size() const;
    void add(TData& value) const;
};

}  // namespace lr
