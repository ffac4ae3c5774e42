#include "geometry/volume_form.h"

#include "geometry/volume.h"
#include "geometry/volume_pictures.h"

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

// Each page's own Clear and Solve handlers.
struct PageHandlers {
  void (TVolumeForm::*clear)();
  void (TVolumeForm::*solve)();
};

constexpr PageHandlers kHandlers[] = {
    {&TVolumeForm::CircularRingClearBtnClick, &TVolumeForm::CircularRingSolveBtnClick},
    {&TVolumeForm::ConeClearBtnClick, &TVolumeForm::ConeSolveBtnClick},
    {&TVolumeForm::CubeClearBtnClick, &TVolumeForm::CubeSolveBtnClick},
    {&TVolumeForm::CylinderClearBtnClick, &TVolumeForm::CylinderSolveBtnClick},
    {&TVolumeForm::EllipsoidClearBtnClick, &TVolumeForm::EllipsoidSolveBtnClick},
    {&TVolumeForm::ParaboloidClearBtnClick, &TVolumeForm::ParaboloidSolveBtnClick},
    {&TVolumeForm::PyramidClearBtnClick, &TVolumeForm::PyramidSolveBtnClick},
    {&TVolumeForm::PrismClearBtnClick, &TVolumeForm::PrismSolveBtnClick},
    {&TVolumeForm::SphereClearBtnClick, &TVolumeForm::SphereSolveBtnClick},
    {&TVolumeForm::SphericalSectorClearBtnClick, &TVolumeForm::SphericalSectorSolveBtnClick},
};

}  // namespace

TVolumeForm::TVolumeForm(Tcalculator1& owner) : NotebookForm(volumeNotebook(), owner, kPictures) {
  static_assert(std::size(kHandlers) == std::size(kPictures));
  for (int page = 0; page < pageCount(); ++page) {
    const NotebookButtons& buttons = notebook().pages[page].buttons;
    const PageHandlers handlers = kHandlers[page];
    setButtonHandler(buttons.clear, [this, handlers] { (this->*handlers.clear)(); });
    setButtonHandler(buttons.solve, [this, handlers] { (this->*handlers.solve)(); });
    setButtonHandler(buttons.help, [this] { CircularRingHelpBtnClick(); });
  }
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
