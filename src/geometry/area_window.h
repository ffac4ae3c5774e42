// What the area window shows, as plain data: its fifteen pages, their fields,
// pictures and buttons by objectName, captions, the triangle and sector mode
// groups, the polygon's spin and the ClearEmAll list.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "geometry/area.h"
#include "geometry/notebook.h"

namespace tivorum {

// What picking one item of a mode group does, before it runs ClearEmAll.
// A field that is shown or hidden takes its label with it.
struct AreaModeView {
  std::span<const std::string_view> show;  // fields and pictures
  std::span<const std::string_view> hide;
  std::string_view tabMoved;  // this field moves to tabPosition
  int tabPosition;
  std::string_view tabStopOff;
  std::string_view tabStopOn;
  // Replaces the explanation pane's lines; empty: the pane keeps its text.
  std::span<const std::string_view> explanation = {};
};

struct AreaModeGroup {
  int page;
  std::string_view name;  // objectName of the radio group
  std::string_view caption;
  std::array<std::string_view, 2> items;
  std::array<AreaModeView, 2> views;  // per item
};

// The polygon page's number of sides.
struct AreaSpinField {
  int page;
  std::string_view panelName;
  std::string_view labelName;
  std::string_view labelText;
  std::string_view name;
  int minimum;
  int maximum;
  int initial;
  int maxLength;
};

struct AreaNotebook {
  // The triangle, sector and polygon pages have no solve member: they solve
  // with the window's modes (solveAreaPage). The window size given there is
  // the area window's overall size.
  Notebook notebook;
  std::span<const AreaModeGroup> modeGroups;
  AreaSpinField polygonSpin;
};

// TAreaForm: fifteen pages in tab order, the ClearEmAll list (every field of
// every page), the triangle and sector mode groups and the polygon's spin.
const AreaNotebook& areaNotebook();

// Runs one page's Solve over `page` (built with makeSolverPage) with the
// window's modes. pageIndex is an AreaPageIndex.
SolveOutcome solveAreaPage(int pageIndex, SolverPage& page, const AreaModes& modes);

}  // namespace tivorum
