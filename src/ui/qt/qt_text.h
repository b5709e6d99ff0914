#pragma once
// Code page 1251 bytes to QString and back, at the screen only.
#include <QString>
#include <string>
#include <string_view>

namespace ui::qt {

QString toQt(std::string_view text);
std::string fromQt(const QString& text);

}  // namespace ui::qt
