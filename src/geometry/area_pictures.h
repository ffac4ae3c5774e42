// The area notebook's pictures: each plane figure drawn as lines in a
// 150 x 150 box, black on white, with the letters of its quantities.
#pragma once

#include <span>

#include "geometry/notebook_form.h"

namespace tivorum {

// One picture per page, in page order; the triangle's is the one for base
// and height.
std::span<const PagePicture> areaPictures();
// The triangle's second picture: the right triangle with legs a and b and
// hypotenuse c.
const PagePicture& areaTriangleAllSidesPicture();

}  // namespace tivorum
