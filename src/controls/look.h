// How the program looks, decided once: the colours of the old sixteen-colour
// palette, the Arial fonts sized in pixels, the bevels of its panels and the
// Help picture. Every window takes its look from here.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>

class QPainter;
class QWidget;

namespace tivorum {

inline constexpr QColor kBlack(0, 0, 0);
inline constexpr QColor kWhite(255, 255, 255);
inline constexpr QColor kDarkGrey(64, 64, 64);  // the shadow side of a bevel
inline constexpr QColor kGrey(128, 128, 128);
inline constexpr QColor kSilver(192, 192, 192);
inline constexpr QColor kTeal(0, 128, 128);
inline constexpr QColor kNavy(0, 0, 128);
inline constexpr QColor kGreen(0, 128, 0);
inline constexpr QColor kLime(0, 255, 0);
inline constexpr QColor kRed(255, 0, 0);
inline constexpr QColor kBlue(0, 0, 255);
inline constexpr QColor kYellow(255, 255, 0);

// Sized in pixels, so that text fits the fixed places at any screen density.
QFont arial(int pixelSize, bool bold);

// A one-pixel bevel just inside `r`: the top and left edges in one colour,
// the bottom and right in the other.
void paintBevel(QPainter& p, QRect r, const QColor& topLeft, const QColor& bottomRight);

// A black screen with text in `text`, in every state of the window, as the
// displays and number fields show.
void setScreenColours(QWidget* w, const QColor& text);

// A question mark on a yellow disc, `side` pixels across, drawn at the
// screen's pixel ratio: the Help keys' and Help buttons' picture.
QPixmap helpPicture(int side);

}  // namespace tivorum
