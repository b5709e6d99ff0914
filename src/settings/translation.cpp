#include "settings/translation.h"

namespace settings {

std::string translate(std::string_view text) {
    return std::string(text);
}

}  // namespace settings
