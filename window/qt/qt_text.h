// Text from the toolkit-free code as QString: UTF-8 for the window's description and control
// names, UTF-16 for field texts and messages.
#pragma once

#include <QString>
#include <string_view>

#include "qt_compat.h"

namespace quotara {

[[nodiscard]] inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qt_compat::StringSize>(utf8.size()));
}

[[nodiscard]] inline QString toQString(std::u16string_view utf16) {
    return QString::fromUtf16(utf16.data(), static_cast<qt_compat::StringSize>(utf16.size()));
}

}  // namespace quotara
