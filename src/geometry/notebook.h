// Plain descriptions of a geometry notebook's pages: what each page holds and
// in which order, so that its window only lays the pages out and wires them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/button_captions.h"
#include "geometry/solver_page.h"

namespace tivorum {

struct NotebookField {
  std::string_view name;  // objectName
  std::string_view label;
  int maxLength;
};

// objectNames of a page's buttons, left to right: Clear, Solve, Close, Help.
struct NotebookButtons {
  std::string_view clear;
  std::string_view solve;
  std::string_view close;
  std::string_view help;
};

using PageSolver = void (*)(SolverPage&);

struct NotebookPage {
  std::string_view caption;               // tab caption
  std::span<const NotebookField> fields;  // in the order Solve reads them
  std::string_view explanationName;
  std::span<const std::string_view> explanationLines;
  NotebookButtons buttons;
  PageSolver solve = nullptr;
  std::string_view shapeName = {};  // ShowError's name; empty where the page never reports one
  std::span<const std::string_view> pictures = {};  // 150 x 150 pictures, objectNames
};

struct Notebook {
  std::string_view formName;  // class and objectName of the window
  std::string_view caption;
  int clientWidth;
  int clientHeight;
  std::string_view notebookName;
  int tabsPerRow;  // 0: no row length of its own
  std::span<const NotebookPage> pages;
  std::span<const std::string_view> clearList;  // fields ClearEmAll empties, in order
  std::string_view helpTopic;
  std::string_view errorPrefix;  // ShowError's message starts with it
};

// The text of the ShowError dialog.
inline std::string showErrorMessage(const Notebook& notebook, std::string_view shapeName) {
  return std::string(notebook.errorPrefix) + std::string(shapeName) + "!";
}

// A solver page over the given field texts with the page's maximum lengths.
inline SolverPage makeSolverPage(const NotebookPage& page, std::vector<std::string> texts) {
  std::vector<int> lengths;
  for (const NotebookField& field : page.fields) lengths.push_back(field.maxLength);
  return SolverPage(std::move(texts), std::move(lengths));
}

}  // namespace tivorum
