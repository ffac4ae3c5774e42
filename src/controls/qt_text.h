// The core's texts are UTF-8 string views and its files paths; the windows
// show QStrings and ask for file names as QStrings.
#pragma once

#include <QFile>
#include <QString>
#include <filesystem>
#include <string_view>

namespace tivorum {

inline QString qstr(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A file name as the file system spells it.
inline std::filesystem::path toPath(const QString& fileName) {
  return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

}  // namespace tivorum
