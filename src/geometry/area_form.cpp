#include "geometry/area_form.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controls/look.h"
#include "controls/qt_text.h"
#include "controls/spin_field.h"
#include "geometry/area_pictures.h"
#include "geometry/area_window.h"
#include "geometry/notebook.h"

using namespace tivorum;

namespace {

// The window is given by its outer size; the frame and caption of a fixed
// dialog take this much of it.
constexpr int kFrameWidth = 3;
constexpr int kCaptionHeight = 19;

constexpr int kModeGroupHeight = 62;
constexpr int kSpinPanelHeight = 34;

// In page order.
constexpr PageHandlers<TAreaForm> kHandlers[kAreaPageCount] = {
    {&TAreaForm::CircleSolveBtnClick, &TAreaForm::CircleClearBtnClick},
    {&TAreaForm::CircRingSolveBtnClick, &TAreaForm::CircRingClearBtnClick},
    {&TAreaForm::EllipseSolveBtnClick, &TAreaForm::EllipseClearBtnClick},
    {&TAreaForm::ParallelSolveBtnClick, &TAreaForm::ParallelClearBtnClick},
    {&TAreaForm::ParabolaSolveBtnClick, &TAreaForm::ParabolaClearBtnClick},
    {&TAreaForm::QuadrantSolveBtnClick, &TAreaForm::QuadrantClearBtnClick},
    {&TAreaForm::RectangleSolveBtnClick, &TAreaForm::RectangleClearBtnClick},
    {&TAreaForm::PolygonSolveBtnClick, &TAreaForm::PolygonClearBtnClick},
    {&TAreaForm::SectorSolveBtnClick, &TAreaForm::SectorClearBtnClick},
    {&TAreaForm::SegmentSolveBtnClick, &TAreaForm::SegmentClearBtnClick},
    {&TAreaForm::SquareSolveBtnClick, &TAreaForm::SquareClearBtnClick},
    {&TAreaForm::SpandrelSolveBtnClick, &TAreaForm::SpandrelClearBtnClick},
    {&TAreaForm::TrapeziumSolveBtnClick, &TAreaForm::TrapeziumClearBtnClick},
    {&TAreaForm::TrapezoidSolveBtnClick, &TAreaForm::TrapezoidClearBtnClick},
    {&TAreaForm::TriangleSolveBtnClick, &TAreaForm::TriangleClearBtnClick},
};

const AreaModeGroup& modeGroupOf(int page) {
  for (const AreaModeGroup& group : areaNotebook().modeGroups) {
    if (group.page == page) return group;
  }
  return areaNotebook().modeGroups.front();
}

}  // namespace

TAreaForm::TAreaForm(ModuleHost& host)
    : NotebookForm(areaNotebook().notebook, host, areaPictures()) {
  const AreaNotebook& area = areaNotebook();
  setFixedSize(area.notebook.clientWidth - 2 * kFrameWidth,
               area.notebook.clientHeight - 2 * kFrameWidth - kCaptionHeight);

  // The triangle's two pictures and the fields of its two modes share
  // places, as do the sector's arc and angle.
  addPicture(kTrianglePage, areaTriangleAllSidesPicture());
  shareFieldPlace("TriangleHeightEdit", "Triangle2ASideEdit");
  shareFieldPlace("SectorAngleEdit", "SectorArcEdit");

  TriangleTypeGroup = makeModeGroup(modeGroupOf(kTrianglePage), triangleItems_);
  SectorGroup = makeModeGroup(modeGroupOf(kSectorPage), sectorItems_);
  addPageExtra(kTrianglePage, TriangleTypeGroup, kModeGroupHeight);
  addPageExtra(kSectorPage, SectorGroup, kModeGroupHeight);

  const AreaSpinField& spin = area.polygonSpin;
  PolygonSpinPanel = new QFrame;
  PolygonSpinPanel->setObjectName(qstr(spin.panelName));
  PolygonSpinPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  PolygonSpinPanel->setAutoFillBackground(true);
  QPalette grey = PolygonSpinPanel->palette();
  grey.setColor(QPalette::Window, kSilver);
  PolygonSpinPanel->setPalette(grey);
  PolygonSpinLabel = new QLabel(qstr(spin.labelText), PolygonSpinPanel);
  PolygonSpinLabel->setObjectName(qstr(spin.labelName));
  PolygonSpinEdit = new SpinField(spin.minimum, spin.maximum, spin.maxLength, PolygonSpinPanel);
  PolygonSpinEdit->setObjectName(qstr(spin.name));
  PolygonSpinEdit->setValue(spin.initial);
  PolygonSpinEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  PolygonSpinEdit->setAccessibleName(qstr(spin.labelText).remove(':'));
  PolygonSpinLabel->setBuddy(PolygonSpinEdit);
  setScreenColours(PolygonSpinEdit, kYellow);
  PolygonSpinEdit->setFont(pageFont());
  auto* spinLayout = new QHBoxLayout(PolygonSpinPanel);
  spinLayout->setContentsMargins(8, 4, 8, 4);
  spinLayout->addWidget(PolygonSpinLabel);
  spinLayout->addStretch();
  spinLayout->addWidget(PolygonSpinEdit);
  PolygonSpinEdit->setFixedWidth(56);
  addPageExtra(kPolygonPage, PolygonSpinPanel, kSpinPanelHeight);

  // The pages show their first modes from the start; the opening switches
  // them again (and gives the triangle's pane its one-line text).
  for (const AreaModeGroup& group : area.modeGroups) {
    const AreaModeView& view = group.views[0];
    for (std::string_view name : view.show) setShown(name, true);
    for (std::string_view name : view.hide) setShown(name, false);
  }

  setPageHandlers(this, kHandlers, &TAreaForm::AreaHelpBtnClick);
  setButtonHandler(area.notebook.pages[kCirclePage].buttons.close, [this] { AreaCloseBtnClick(); });

  connect(triangleItems_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) TriangleTypeGroupClick();
  });
  connect(sectorItems_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) SectorGroupClick();
  });
}

QGroupBox* TAreaForm::makeModeGroup(const AreaModeGroup& group, QButtonGroup*& items) {
  auto* box = new QGroupBox(qstr(group.caption));
  box->setObjectName(qstr(group.name));
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(8, 2, 8, 4);
  layout->setSpacing(0);
  items = new QButtonGroup(box);
  for (std::size_t i = 0; i < group.items.size(); ++i) {
    auto* item = new QRadioButton(qstr(group.items[i]), box);
    items->addButton(item, static_cast<int>(i));
    layout->addWidget(item);
  }
  items->button(0)->setChecked(true);
  return box;
}

void TAreaForm::showMode(const AreaModeGroup& group, int item) {
  const AreaModeView& view = group.views.at(static_cast<std::size_t>(item));
  for (std::string_view name : view.show) setShown(name, true);
  for (std::string_view name : view.hide) setShown(name, false);
  moveInTabOrder(view.tabMoved, view.tabPosition);
  setTabStop(view.tabStopOff, false);
  setTabStop(view.tabStopOn, true);
  if (!view.explanation.empty()) setExplanation(group.page, view.explanation);
}

void TAreaForm::TriangleTypeGroupClick() {
  showMode(modeGroupOf(kTrianglePage), triangleItems_->checkedId());
  ClearEmAll();
}

void TAreaForm::SectorGroupClick() {
  showMode(modeGroupOf(kSectorPage), sectorItems_->checkedId());
  ClearEmAll();
}

void TAreaForm::CircleSolveBtnClick() {
  SolveBtnClick(kCirclePage);
}

void TAreaForm::CircleClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::CircRingSolveBtnClick() {
  SolveBtnClick(kCircularRingPage);
}

void TAreaForm::CircRingClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::EllipseSolveBtnClick() {
  SolveBtnClick(kEllipsePage);
}

void TAreaForm::EllipseClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::ParallelSolveBtnClick() {
  SolveBtnClick(kParallelogramPage);
}

void TAreaForm::ParallelClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::ParabolaSolveBtnClick() {
  SolveBtnClick(kParabolaPage);
}

void TAreaForm::ParabolaClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::QuadrantSolveBtnClick() {
  SolveBtnClick(kQuadrantPage);
}

void TAreaForm::QuadrantClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::RectangleSolveBtnClick() {
  SolveBtnClick(kRectanglePage);
}

void TAreaForm::RectangleClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::PolygonSolveBtnClick() {
  SolveBtnClick(kPolygonPage);
}

void TAreaForm::PolygonClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::SectorSolveBtnClick() {
  SolveBtnClick(kSectorPage);
}

void TAreaForm::SectorClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::SegmentSolveBtnClick() {
  SolveBtnClick(kSegmentPage);
}

void TAreaForm::SegmentClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::SquareSolveBtnClick() {
  SolveBtnClick(kSquarePage);
}

void TAreaForm::SquareClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::SpandrelSolveBtnClick() {
  SolveBtnClick(kSpandrelPage);
}

void TAreaForm::SpandrelClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::TrapeziumSolveBtnClick() {
  SolveBtnClick(kTrapeziumPage);
}

void TAreaForm::TrapeziumClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::TrapezoidSolveBtnClick() {
  SolveBtnClick(kTrapezoidPage);
}

void TAreaForm::TrapezoidClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::TriangleSolveBtnClick() {
  SolveBtnClick(kTrianglePage);
}

void TAreaForm::TriangleClearBtnClick() {
  ClearEmAll();
}

void TAreaForm::AreaHelpBtnClick() {
  HelpBtnClick();
}

void TAreaForm::AreaCloseBtnClick() {
  close();
}

void TAreaForm::FormActivate() {
  ClearEmAll();
}

void TAreaForm::AreaNotebookEnter() {
  SectorGroupClick();
  TriangleTypeGroupClick();
}

// The first showing is the window's opening: its activation, then the focus
// entering the notebook.
void TAreaForm::opened() {
  FormActivate();
  AreaNotebookEnter();
}

AreaModes TAreaForm::modes() const {
  AreaModes modes;
  modes.triangleType = triangleItems_->checkedId();
  modes.sectorType = sectorItems_->checkedId();
  modes.polygonSides = PolygonSides(PolygonSpinEdit->text().toStdString());
  return modes;
}

SolveOutcome TAreaForm::solve(int page, SolverPage& solverPage) {
  return solveAreaPage(page, solverPage, modes());
}
