// TVolumeForm: the volume notebook, ten solids, each page solving the volume
// or the dimension that is missing. It starts empty because it is made anew
// at every opening, so it has no activation handler.
#pragma once

#include "geometry/notebook_form.h"

class TVolumeForm : public tivorum::NotebookForm {
  Q_OBJECT

 public:
  explicit TVolumeForm(tivorum::ModuleHost& host);

  // Solve, one per page in page order.
  void CircularRingSolveBtnClick();
  void ConeSolveBtnClick();
  void CubeSolveBtnClick();
  void CylinderSolveBtnClick();
  void EllipsoidSolveBtnClick();
  void ParaboloidSolveBtnClick();
  void PyramidSolveBtnClick();
  void PrismSolveBtnClick();
  void SphereSolveBtnClick();
  void SphericalSectorSolveBtnClick();

  // Clear: each empties every page of the window.
  void CircularRingClearBtnClick();
  void ConeClearBtnClick();
  void CubeClearBtnClick();
  void CylinderClearBtnClick();
  void EllipsoidClearBtnClick();
  void ParaboloidClearBtnClick();
  void PyramidClearBtnClick();
  void PrismClearBtnClick();
  void SphereClearBtnClick();
  void SphericalSectorClearBtnClick();

  // Help, shared by every page.
  void CircularRingHelpBtnClick();
};
