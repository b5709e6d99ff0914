// A ".lng" file on arbitrary bytes: loading never fails, and a text it does not hold stays as it is.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/translation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    settings::setTranslation(bytes);
    const std::string_view absent = "\x01 no file holds this text \x02";
    if (settings::translate(absent) != absent) std::abort();
    (void)settings::translate(bytes.substr(0, bytes.find('|')));
    settings::clearTranslation();
    return 0;
}
