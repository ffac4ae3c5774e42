#include "geometry/volume_form.h"

#include "geometry/volume_pictures.h"
#include "geometry/volume_window.h"

using namespace tivorum;

namespace {

enum Page {
  kCircularRing,
  kCone,
  kCube,
  kCylinder,
  kEllipsoid,
  kParaboloid,
  kPyramid,
  kPrism,
  kSphere,
  kSphericalSector
};

constexpr PagePicture kPictures[] = {
    {"CircularRingImage", drawCircularRing},
    {"ConeImage", drawConeVolume},
    {"CubeImage", drawCube},
    {"CylinderImage", drawCylinder},
    {"EllipsoidImage", drawEllipsoid},
    {"ParaboloidImage", drawParaboloid},
    {"PyramidImage", drawPyramid},
    {"PrismImage", drawRectPrism},
    {"SphereImage", drawSphere},
    {"SphericalSectorImage", drawSphericalSector},
};

// Each page's own Solve and Clear handlers.
constexpr PageHandlers<TVolumeForm> kHandlers[] = {
    {&TVolumeForm::CircularRingSolveBtnClick, &TVolumeForm::CircularRingClearBtnClick},
    {&TVolumeForm::ConeSolveBtnClick, &TVolumeForm::ConeClearBtnClick},
    {&TVolumeForm::CubeSolveBtnClick, &TVolumeForm::CubeClearBtnClick},
    {&TVolumeForm::CylinderSolveBtnClick, &TVolumeForm::CylinderClearBtnClick},
    {&TVolumeForm::EllipsoidSolveBtnClick, &TVolumeForm::EllipsoidClearBtnClick},
    {&TVolumeForm::ParaboloidSolveBtnClick, &TVolumeForm::ParaboloidClearBtnClick},
    {&TVolumeForm::PyramidSolveBtnClick, &TVolumeForm::PyramidClearBtnClick},
    {&TVolumeForm::PrismSolveBtnClick, &TVolumeForm::PrismClearBtnClick},
    {&TVolumeForm::SphereSolveBtnClick, &TVolumeForm::SphereClearBtnClick},
    {&TVolumeForm::SphericalSectorSolveBtnClick, &TVolumeForm::SphericalSectorClearBtnClick},
};

}  // namespace

TVolumeForm::TVolumeForm(ModuleHost& host) : NotebookForm(volumeNotebook(), host, kPictures) {
  static_assert(std::size(kHandlers) == std::size(kPictures));
  setPageHandlers(this, kHandlers, &TVolumeForm::CircularRingHelpBtnClick);
}

void TVolumeForm::CircularRingSolveBtnClick() {
  SolveBtnClick(kCircularRing);
}
void TVolumeForm::ConeSolveBtnClick() {
  SolveBtnClick(kCone);
}
void TVolumeForm::CubeSolveBtnClick() {
  SolveBtnClick(kCube);
}
void TVolumeForm::CylinderSolveBtnClick() {
  SolveBtnClick(kCylinder);
}
void TVolumeForm::EllipsoidSolveBtnClick() {
  SolveBtnClick(kEllipsoid);
}
void TVolumeForm::ParaboloidSolveBtnClick() {
  SolveBtnClick(kParaboloid);
}
void TVolumeForm::PyramidSolveBtnClick() {
  SolveBtnClick(kPyramid);
}
void TVolumeForm::PrismSolveBtnClick() {
  SolveBtnClick(kPrism);
}
void TVolumeForm::SphereSolveBtnClick() {
  SolveBtnClick(kSphere);
}
void TVolumeForm::SphericalSectorSolveBtnClick() {
  SolveBtnClick(kSphericalSector);
}

void TVolumeForm::CircularRingClearBtnClick() {
  ClearEmAll();
}
void TVolumeForm::ConeClearBtnClick() {
  ClearEmAll();
}
void TVolumeForm::CubeClearBtnClick() {
  ClearEmAll();
}
void TVolumeForm::CylinderClearBtnClick() {
  ClearEmAll();
}
void TVolumeForm::EllipsoidClearBtnClick() {
  ClearEmAll();
}
void TVolumeForm::ParaboloidClearBtnClick() {
  ClearEmAll();
}
void TVolumeForm::PyramidClearBtnClick() {
  ClearEmAll();
}
void TVolumeForm::PrismClearBtnClick() {
  ClearEmAll();
}
void TVolumeForm::SphereClearBtnClick() {
  ClearEmAll();
}
void TVolumeForm::SphericalSectorClearBtnClick() {
  ClearEmAll();
}

void TVolumeForm::CircularRingHelpBtnClick() {
  HelpBtnClick();
}
