#include "controls/accelerator_style.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

#include "controls/color_button.h"

namespace tivorum {

void AcceleratorStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                    const QPalette& palette, bool enabled, const QString& text,
                                    QPalette::ColorRole textRole) const {
  const qsizetype amp = text.indexOf(QLatin1Char('&'));
  const QString shown = shownCaption(text);
  const bool mark = (flags & Qt::TextShowMnemonic) && !(flags & Qt::TextHideMnemonic) && amp >= 0 &&
                    amp < shown.size() && !text.contains(QLatin1String("&&")) &&
                    !text.contains(QLatin1Char('\n'));
  if (!mark) {
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
    return;
  }
  // The caption is placed here, on a whole-pixel baseline, so that the
  // underline can be measured from that very baseline.
  const QFontMetrics fm(painter->font());
  const QRect drawn = QStyle::alignedRect(
      QGuiApplication::layoutDirection(),
      Qt::Alignment(flags & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask)),
      QSize(fm.horizontalAdvance(shown), fm.height()), rect);
  int baseline = drawn.top() + fm.ascent();
  // Below a descender the line may not fit under a centred caption with a
  // row to spare above the frame: the caption moves up as far as it needs,
  // within its own top margin.
  const QRect line = fittedUnderline(fm, shown, amp, drawn.left(), baseline, rect.bottom() - 1,
                                     drawn.top() - rect.top() + 2);
  painter->save();
  if (textRole != QPalette::NoRole)
    painter->setPen(QPen(palette.brush(textRole), painter->pen().widthF()));
  painter->drawText(QPoint(drawn.left(), baseline), shown);
  painter->fillRect(line, painter->pen().color());
  painter->restore();
}

}  // namespace tivorum
