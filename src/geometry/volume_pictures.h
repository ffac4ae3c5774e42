// Pictures of the volume notebook's solids with their quantities' letters.
// Each drawing fills a 150 x 150 box at the painter's origin; scale the
// painter for another size (the drawings are vectors).
#pragma once

class QPainter;

namespace tivorum {

void drawCircularRing(QPainter& p);     // R to the tube's centre, r of the tube
void drawConeVolume(QPainter& p);       // r, h
void drawCube(QPainter& p);             // edge h
void drawCylinder(QPainter& p);         // r, h
void drawEllipsoid(QPainter& p);        // semi-axis r, diameters a and b
void drawParaboloid(QPainter& p);       // r, h
void drawPyramid(QPainter& p);          // base area A, h
void drawRectPrism(QPainter& p);        // a, b, h
void drawSphere(QPainter& p);           // r
void drawSphericalSector(QPainter& p);  // sphere radius r, cap height h

}  // namespace tivorum
