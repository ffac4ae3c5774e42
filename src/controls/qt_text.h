// The core's texts are UTF-8 string views; the windows show QStrings.
#pragma once

#include <QString>
#include <string_view>

namespace tivorum {

inline QString qstr(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tivorum
