// What the runner prints: one line at a time on standard output, flushed, so
// that its output and a failure's line on standard error keep their order.
#pragma once

#include <QString>
#include <cstdio>

namespace tivorum {

inline void out(const QString& line) {
  const QByteArray bytes = line.toUtf8();
  std::fwrite(bytes.constData(), 1, bytes.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

// Line breaks inside a box's text are printed as \r.
inline QString oneLine(QString text) {
  text.replace("\r\n", "\\r");
  text.replace('\n', "\\r");
  text.replace('\r', "\\r");
  return text;
}

}  // namespace tivorum
