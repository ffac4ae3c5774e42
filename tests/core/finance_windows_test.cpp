// The financial windows' descriptions hold together: every control has a
// name of its own, lies inside its parent, and every parent, buddy and tab
// stop names a control of the same window.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "finance/currency_window.h"
#include "finance/dividend_window.h"
#include "finance/financal_window.h"
#include "finance/interest_window.h"
#include "finance/invest_window.h"
#include "finance/loan_window.h"
#include "finance/profit_window.h"

using namespace tivorum;

namespace {

// What the checks need of one made widget.
struct Part {
  std::string name;
  std::string parent;
  Place place;
  bool container = false;  // a frame or radio group
  bool tabStop = false;
};

struct Parts {
  std::vector<Part> parts;
  std::vector<std::pair<std::string, std::string>> buddies;  // label, control

  void add(std::string_view name, std::string_view parent, Place place, bool tabStop) {
    parts.push_back({std::string(name), std::string(parent), place, false, tabStop});
  }
  void operator()(const LabelData* d) {
    add(d->name, d->parent, d->place, false);
    if (!d->buddy.empty()) buddies.emplace_back(d->name, d->buddy);
  }
  void operator()(const EntryFieldData* d) { add(d->name, d->parent, d->place, true); }
  void operator()(const ResultFieldData* d) {
    add(d->labelName, d->parent, d->labelPlace, false);
    add(d->name, d->parent, d->place, true);
  }
  void operator()(const SpinFieldData* d) {
    add(d->labelName, d->parent, d->labelPlace, false);
    add(d->name, d->parent, d->place, true);
  }
  void operator()(const DropDownData* d) {
    if (!d->labelName.empty()) add(d->labelName, d->parent, d->labelPlace, false);
    add(d->name, d->parent, d->place, true);
    EXPECT_NE(d->periods.empty(), d->items.empty()) << d->name << ": periods or items";
  }
  void operator()(const RadioGroupData* d) {
    add(d->name, d->parent, d->place, false);
    parts.back().container = true;
    EXPECT_EQ(d->itemSpots.size(), d->items.size()) << d->name;
    EXPECT_TRUE(d->initialIndex >= 0 && d->initialIndex < static_cast<int>(d->items.size()))
        << d->name;
    // Radio items: at least their spot and a row lie in the group.
    for (const Spot& s : d->itemSpots) add({}, d->name, {s.left, s.top, 1, 22}, false);
  }
  void operator()(const RadioData* d) {
    add(d->name, d->parent, {d->spot.left, d->spot.top, 1, d->minHeight}, true);
  }
  void operator()(const FrameData* d) {
    add(d->name, d->parent, d->place, false);
    parts.back().container = true;
  }
  void operator()(const ButtonData* d) { add(d->name, {}, d->place, true); }
};

struct WindowCase {
  const char* name;
  const ModuleWindowData& window;
};

const WindowCase kWindows[] = {
    {"loan", loan_window::kWindow},         {"annuity", financial_window::kWindow},
    {"investment", invest_window::kWindow}, {"interest", interest_window::kWindow},
    {"dividend", dividend_window::kWindow}, {"currency", currency_window::kWindow},
    {"pricing", pricing_window::kWindow},
};

bool inside(Place inner, Place outer) {
  return inner.width > 0 && inner.height > 0 && inner.left >= 0 && inner.top >= 0 &&
         inner.left + inner.width <= outer.width && inner.top + inner.height <= outer.height;
}

}  // namespace

TEST(FinanceWindows, EveryControlIsNamedOnceAndLiesInItsParent) {
  for (const WindowCase& c : kWindows) {
    SCOPED_TRACE(c.name);
    Parts parts;
    for (const ModuleControl& control : c.window.controls) std::visit(parts, control);
    const Place client{0, 0, c.window.clientWidth, c.window.clientHeight};
    std::map<std::string, const Part*> made;
    for (const Part& p : parts.parts) {
      SCOPED_TRACE(p.name);
      Place parent = client;
      if (!p.parent.empty()) {
        // A parent is a frame or group made before what it holds.
        const auto it = made.find(p.parent);
        ASSERT_NE(it, made.end()) << "parent " << p.parent;
        EXPECT_TRUE(it->second->container);
        parent = it->second->place;
      }
      EXPECT_TRUE(inside(p.place, parent))
          << p.place.left << "," << p.place.top << "," << p.place.width << "," << p.place.height;
      if (p.name.empty()) continue;  // a radio item
      EXPECT_TRUE(made.emplace(p.name, &p).second) << "named twice";
    }
    for (const auto& [label, buddy] : parts.buddies) {
      EXPECT_TRUE(made.count(buddy)) << label << " labels " << buddy;
    }
    std::set<std::string_view> stops;
    for (std::string_view stop : c.window.tabOrder) {
      SCOPED_TRACE(std::string(stop));
      const auto it = made.find(std::string(stop));
      ASSERT_NE(it, made.end());
      EXPECT_TRUE(it->second->tabStop);
      EXPECT_TRUE(stops.insert(stop).second) << "a second stop";
    }
  }
}
