#include "ui/qt/qt_text.h"

#include "settings/cp1251.h"

namespace ui::qt {

QString toQt(std::string_view text) {
    const std::u16string wide = settings::cp1251ToUtf16(text);
    return QString(reinterpret_cast<const QChar*>(wide.data()), static_cast<qsizetype>(wide.size()));
}

std::string fromQt(const QString& text) {
    return settings::utf16ToCp1251(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                       static_cast<std::size_t>(text.size())));
}

}  // namespace ui::qt
