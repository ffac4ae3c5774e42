// The extended constants the shape formulas multiply by. Every formula keeps
// its operand order: the extended results, and so the last digits shown,
// depend on it.
#pragma once

#include "calc/number.h"

namespace tivorum {

inline const Ext kPiExt(kPi);
inline const Ext kOneOverPiExt(kOneOverPi);
inline const Ext kTwoPiExt(kTwoPi);
inline const Ext kFourPiExt(4 * kPi);  // exact: a power-of-two multiple
inline const Ext kOneOverTwoPiExt(kOneOverTwoPi);
inline const Ext kOneOverFourPiExt(kOneOverFourPi);
inline const Ext kPiOver180Ext(kPiOver180);
inline const Ext kHalf(0.5L);
inline const Ext kOneThird(1.0L / 3.0L);
inline const Ext kOneSixth(1.0L / 6.0L);
inline const Ext kOneOver360(1.0L / 360.0L);

}  // namespace tivorum
