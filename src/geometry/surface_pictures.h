// Pictures of the surface-area notebook's solids with their quantities'
// letters, drawn like the volume notebook's (volume_pictures.h), whose
// circular ring, cube, prism and sphere show the same letters and serve here
// too.
#pragma once

class QPainter;

namespace tivorum {

void drawConeSurface(QPainter& p);       // slant side l, r, circumference c
void drawSphericalSegment(QPainter& p);  // sphere radius r, zone height b

}  // namespace tivorum
