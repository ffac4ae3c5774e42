#include "geometry/surface_form.h"

#include "geometry/surface_pictures.h"
#include "geometry/surface_window.h"
#include "geometry/volume_pictures.h"

using namespace tivorum;

namespace {

enum Page { kCircularRing, kCone, kCube, kPrism, kSphere, kSphericalSegment };

// The ring, cube, prism and sphere carry the same letters as on the volume
// notebook, so they share its drawings.
constexpr PagePicture kPictures[] = {
    {"CircRingSurfaceImage", drawCircularRing},
    {"ConeSurfaceImage", drawConeSurface},
    {"CubeSurfaceImage", drawCube},
    {"PrismSurfaceImage", drawRectPrism},
    {"SphereSurfaceImage", drawSphere},
    {"SphSegSurfaceImage", drawSphericalSegment},
};

// Each page's own Solve and Clear handlers.
constexpr PageHandlers<TSurfaceAreaForm> kHandlers[] = {
    {&TSurfaceAreaForm::CircRingSurfaceSolveBtnClick,
     &TSurfaceAreaForm::CircRingSurfaceClearBtnClick},
    {&TSurfaceAreaForm::ConeSurfaceSolveBtnClick, &TSurfaceAreaForm::ConeSurfaceClearBtnClick},
    {&TSurfaceAreaForm::CubeSurfaceSolveBtnClick, &TSurfaceAreaForm::CubeSurfaceClearBtnClick},
    {&TSurfaceAreaForm::PrismSurfaceSolveBtnClick, &TSurfaceAreaForm::PrismSurfaceClearBtnClick},
    {&TSurfaceAreaForm::SphereSurfaceSolveBtnClick, &TSurfaceAreaForm::SphereSurfaceClearBtnClick},
    {&TSurfaceAreaForm::SphSegSurfaceSolveBtnClick, &TSurfaceAreaForm::SphSegSurfaceClearBtnClick},
};

}  // namespace

TSurfaceAreaForm::TSurfaceAreaForm(ModuleHost& host)
    : NotebookForm(surfaceNotebook(), host, kPictures) {
  static_assert(std::size(kHandlers) == std::size(kPictures));
  setPageHandlers(this, kHandlers, &TSurfaceAreaForm::CircRingSurfaceHelpBtnClick);
}

void TSurfaceAreaForm::CircRingSurfaceSolveBtnClick() {
  SolveBtnClick(kCircularRing);
}
void TSurfaceAreaForm::ConeSurfaceSolveBtnClick() {
  SolveBtnClick(kCone);
}
void TSurfaceAreaForm::CubeSurfaceSolveBtnClick() {
  SolveBtnClick(kCube);
}
void TSurfaceAreaForm::PrismSurfaceSolveBtnClick() {
  SolveBtnClick(kPrism);
}
void TSurfaceAreaForm::SphereSurfaceSolveBtnClick() {
  SolveBtnClick(kSphere);
}
void TSurfaceAreaForm::SphSegSurfaceSolveBtnClick() {
  SolveBtnClick(kSphericalSegment);
}

void TSurfaceAreaForm::CircRingSurfaceClearBtnClick() {
  ClearEmAll();
}
void TSurfaceAreaForm::ConeSurfaceClearBtnClick() {
  ClearEmAll();
}
void TSurfaceAreaForm::CubeSurfaceClearBtnClick() {
  ClearEmAll();
}
void TSurfaceAreaForm::PrismSurfaceClearBtnClick() {
  ClearEmAll();
}
void TSurfaceAreaForm::SphereSurfaceClearBtnClick() {
  ClearEmAll();
}
void TSurfaceAreaForm::SphSegSurfaceClearBtnClick() {
  ClearEmAll();
}

void TSurfaceAreaForm::CircRingSurfaceHelpBtnClick() {
  HelpBtnClick();
}
