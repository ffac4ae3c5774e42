// TSurfaceAreaForm: the surface-area notebook, six solids, each page solving
// the surface or the dimensions that are missing. Made anew at every opening,
// it starts empty and has no activation handler.
#pragma once

#include "geometry/notebook_form.h"

class TSurfaceAreaForm : public tivorum::NotebookForm {
  Q_OBJECT

 public:
  explicit TSurfaceAreaForm(tivorum::ModuleHost& host);

  // Solve, one per page in page order.
  void CircRingSurfaceSolveBtnClick();
  void ConeSurfaceSolveBtnClick();
  void CubeSurfaceSolveBtnClick();
  void PrismSurfaceSolveBtnClick();
  void SphereSurfaceSolveBtnClick();
  void SphSegSurfaceSolveBtnClick();

  // Clear: each empties every page of the window.
  void CircRingSurfaceClearBtnClick();
  void ConeSurfaceClearBtnClick();
  void CubeSurfaceClearBtnClick();
  void PrismSurfaceClearBtnClick();
  void SphereSurfaceClearBtnClick();
  void SphSegSurfaceClearBtnClick();

  // Help, shared by every page.
  void CircRingSurfaceHelpBtnClick();
};
