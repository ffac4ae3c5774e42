// The application's style: the platform's own, except that the accelerator
// underline of a caption ("Pr&int") is drawn as the colour button draws it,
// clear of the letters, instead of where the text engine puts it, across
// stems and descenders.
#pragma once

#include <QProxyStyle>

namespace tivorum {

class AcceleratorStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                    bool enabled, const QString& text,
                    QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

}  // namespace tivorum
