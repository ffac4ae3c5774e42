#include "geometry/solver_page.h"

namespace tivorum {

SolverPage::SolverPage(std::vector<std::string> texts, std::vector<int> maxLengths)
    : texts_(std::move(texts)), maxLengths_(std::move(maxLengths)) {
  maxLengths_.resize(texts_.size(), 0);
}

Ext SolverPage::value(int field) const {
  return Ext(textToNumber(texts_.at(field)));
}

void SolverPage::convertKnown() const {
  for (int i = 0; i < fieldCount(); ++i) {
    if (known(i)) (void)value(i);
  }
}

void SolverPage::writeText(int field, Ext v, const std::string& text) {
  std::string shown = fieldText(v.value(), text, maxLengths_.at(field));
  texts_.at(field) = shown;
  writes_.emplace_back(field, std::move(shown));
}

void SolverPage::write(int field, Ext v) {
  writeText(field, v, generalText(v.value(), 15));
}

Ext SolverPage::writeReadBack(int field, Ext v) {
  write(field, v);
  return value(field);
}

void SolverPage::showError(const std::string& shapeName) {
  throw ShowErrorRequest{shapeName};
}

void SolverPage::showInformation(const std::string& message) {
  throw InformationRequest{message};
}

SolveOutcome runSolve(SolverPage& page, const std::function<void(SolverPage&)>& solve) {
  SolveOutcome outcome;
  try {
    page.convertKnown();
    solve(page);
  } catch (const ShowErrorRequest& request) {
    outcome.end = SolveEnd::ShowError;
    outcome.shapeName = request.shapeName;
  } catch (const InformationRequest& request) {
    outcome.information = request.message;
  } catch (const Fault& fault) {
    outcome.end = SolveEnd::Fault;
    outcome.message = fault.what();
  }
  return outcome;
}

}  // namespace tivorum
