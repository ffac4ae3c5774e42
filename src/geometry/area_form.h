// TAreaForm: the area notebook, fifteen plane figures, with the triangle's and
// the sector's mode groups and the regular polygon's number of sides.
#pragma once

#include "geometry/notebook_form.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;

namespace tivorum {
class SpinField;
struct AreaModeGroup;
struct AreaModes;
}  // namespace tivorum

class TAreaForm : public tivorum::NotebookForm {
  Q_OBJECT

 public:
  explicit TAreaForm(tivorum::ModuleHost& host);

  // Activation as the window opens: empties the listed fields.
  void FormActivate();
  // The focus entering the notebook: both mode pages show their mode.
  void AreaNotebookEnter();
  // Mode switches: the page's controls for the chosen item, then ClearEmAll.
  void TriangleTypeGroupClick();
  void SectorGroupClick();

  // Solve and Clear of each page, in page order.
  void CircleSolveBtnClick();
  void CircleClearBtnClick();
  void CircRingSolveBtnClick();
  void CircRingClearBtnClick();
  void EllipseSolveBtnClick();
  void EllipseClearBtnClick();
  void ParallelSolveBtnClick();
  void ParallelClearBtnClick();
  void ParabolaSolveBtnClick();
  void ParabolaClearBtnClick();
  void QuadrantSolveBtnClick();
  void QuadrantClearBtnClick();
  void RectangleSolveBtnClick();
  void RectangleClearBtnClick();
  void PolygonSolveBtnClick();
  void PolygonClearBtnClick();
  void SectorSolveBtnClick();
  void SectorClearBtnClick();
  void SegmentSolveBtnClick();
  void SegmentClearBtnClick();
  void SquareSolveBtnClick();
  void SquareClearBtnClick();
  void SpandrelSolveBtnClick();
  void SpandrelClearBtnClick();
  void TrapeziumSolveBtnClick();
  void TrapeziumClearBtnClick();
  void TrapezoidSolveBtnClick();
  void TrapezoidClearBtnClick();
  void TriangleSolveBtnClick();
  void TriangleClearBtnClick();
  // Help of every page; the circle page's Close.
  void AreaHelpBtnClick();
  void AreaCloseBtnClick();

  // The selections the solvers take (the polygon's sides as its spin field
  // holds them now).
  tivorum::AreaModes modes() const;

  QGroupBox* TriangleTypeGroup = nullptr;
  QGroupBox* SectorGroup = nullptr;
  QFrame* PolygonSpinPanel = nullptr;
  QLabel* PolygonSpinLabel = nullptr;
  tivorum::SpinField* PolygonSpinEdit = nullptr;

 protected:
  tivorum::SolveOutcome solve(int page, tivorum::SolverPage& solverPage) override;
  void opened() override;

 private:
  QGroupBox* makeModeGroup(const tivorum::AreaModeGroup& group, QButtonGroup*& items);
  void showMode(const tivorum::AreaModeGroup& group, int item);

  QButtonGroup* triangleItems_ = nullptr;
  QButtonGroup* sectorItems_ = nullptr;
};
