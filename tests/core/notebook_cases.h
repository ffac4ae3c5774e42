// Runs one Solve of a notebook page, found by its tab caption, and compares
// the texts written, in order, and how the solve ended with what the user
// would see.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/number.h"
#include "geometry/notebook.h"
#include "geometry/solver_page.h"

namespace tivorum::test {

enum class Ends { Normal, ShowError, Fault, Information };

struct SolveCase {
  std::string_view page;            // tab caption
  std::vector<std::string> inputs;  // field texts in Solve order
  std::vector<std::pair<int, std::string>> writes;
  Ends end = Ends::Normal;
  std::string shown = {};  // the ShowError, error-box or information text
};

inline const NotebookPage* findPage(const Notebook& notebook, std::string_view caption) {
  for (const NotebookPage& page : notebook.pages) {
    if (page.caption == caption) return &page;
  }
  return nullptr;
}

inline void expectSolve(const Notebook& notebook, const SolveCase& c) {
  std::string trace(c.page);
  for (const std::string& text : c.inputs) trace += " [" + text + "]";
  SCOPED_TRACE(trace);
  const NotebookPage* described = findPage(notebook, c.page);
  ASSERT_NE(described, nullptr);
  ASSERT_EQ(c.inputs.size(), described->fields.size());

  SolverPage page = makeSolverPage(*described, c.inputs);
  const SolveOutcome outcome = runSolve(page, described->solve);

  EXPECT_EQ(page.writes(), c.writes);
  std::vector<std::string> after = c.inputs;
  for (const auto& [field, text] : c.writes) after.at(field) = text;
  EXPECT_EQ(page.texts(), after);

  switch (c.end) {
    case Ends::Normal:
      EXPECT_EQ(outcome.end, SolveEnd::Normal);
      EXPECT_EQ(outcome.information, "");
      break;
    case Ends::ShowError:
      ASSERT_EQ(outcome.end, SolveEnd::ShowError);
      EXPECT_EQ(showErrorMessage(notebook, outcome.shapeName), c.shown);
      break;
    case Ends::Fault:
      ASSERT_EQ(outcome.end, SolveEnd::Fault);
      EXPECT_EQ(errorReportText(outcome.message), c.shown);
      break;
    case Ends::Information:
      EXPECT_EQ(outcome.end, SolveEnd::Normal);
      EXPECT_EQ(outcome.information, c.shown);
      break;
  }
}

// The field names of all pages, page by page in field order.
inline std::vector<std::string_view> allFieldNames(const Notebook& notebook) {
  std::vector<std::string_view> names;
  for (const NotebookPage& page : notebook.pages) {
    for (const NotebookField& field : page.fields) names.push_back(field.name);
  }
  return names;
}

}  // namespace tivorum::test
