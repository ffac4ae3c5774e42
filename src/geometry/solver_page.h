// One solver page of a geometry notebook, without a window: the field texts
// and maximum lengths go in, the texts written (in order) and how the solve
// ended come out.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/number.h"

namespace tivorum {

class SolverPage {
 public:
  SolverPage(std::vector<std::string> texts, std::vector<int> maxLengths);

  int fieldCount() const { return static_cast<int>(texts_.size()); }
  const std::string& text(int field) const { return texts_.at(field); }
  // A field is known when its text is not empty ("0" is known).
  bool known(int field) const { return !texts_.at(field).empty(); }
  // Every one of the fields is known.
  bool known(std::initializer_list<int> fields) const {
    for (int field : fields) {
      if (!known(field)) return false;
    }
    return true;
  }
  // The value of a known field; a text that is not a number is the
  // conversion fault.
  Ext value(int field) const;
  // Converts every known field in field order, so a bad text stops the solve
  // before anything is written.
  void convertKnown() const;

  // Writes v in the general result format (15 digits), fitted to the field.
  void write(int field, Ext v);
  // Writes v, then reads the field's text back: the shown value is what the
  // following formulas use.
  Ext writeReadBack(int field, Ext v);
  // Writes a ready text (fitted to the field).
  void writeText(int field, Ext v, const std::string& text);

  // Ends the solve with ShowError(shapeName).
  [[noreturn]] void showError(const std::string& shapeName);
  // Ends the solve normally, asking the window to show an information box.
  [[noreturn]] void showInformation(const std::string& message);

  const std::vector<std::string>& texts() const { return texts_; }
  const std::vector<std::pair<int, std::string>>& writes() const { return writes_; }

 private:
  std::vector<std::string> texts_;
  std::vector<int> maxLengths_;
  std::vector<std::pair<int, std::string>> writes_;
};

// Thrown by SolverPage::showError.
struct ShowErrorRequest {
  std::string shapeName;
};

// Thrown by SolverPage::showInformation.
struct InformationRequest {
  std::string message;
};

enum class SolveEnd { Normal, ShowError, Fault };

struct SolveOutcome {
  SolveEnd end = SolveEnd::Normal;
  std::string shapeName;    // ShowError
  std::string message;      // Fault: the fault's own message
  std::string information;  // Normal: an information box to show, when not empty
};

// Runs a page's solve: converts the known fields, then the solver (which picks
// its case and writes). Writes made before a ShowError or fault stay on the
// page.
SolveOutcome runSolve(SolverPage& page, const std::function<void(SolverPage&)>& solve);

}  // namespace tivorum
