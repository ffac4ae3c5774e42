#include "calc/window_place.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

using namespace tivorum;

namespace {

struct PlaceCase {
  const char* what;
  WindowPlace saved;
  WindowPlace expected;
};

// Two monitors side by side, the right one lower and smaller.
const std::vector<ScreenArea> kScreens = {{0, 0, 1920, 1080}, {1920, 200, 1280, 720}};
constexpr int kWidth = 403;
constexpr int kHeight = 460;
constexpr WindowSize kSize{kWidth, kHeight};

TEST(WindowPlace, KeptWhileTheTitleBarShowsElseBroughtWholeToTheNearestScreen) {
  const PlaceCase cases[] = {
      {"top left corner", {0, 0}, {0, 0}},
      {"middle of the first screen", {300, 200}, {300, 200}},
      {"on the second screen", {2500, 600}, {2500, 600}},
      {"hanging off the left edge, grip showing", {-300, 100}, {-300, 100}},
      {"hanging off the right edge, grip showing", {3200 - 40, 300}, {3200 - 40, 300}},
      {"less than the grip showing on the left", {-370, 100}, {0, 100}},
      {"title bar above the top", {100, -5}, {100, 0}},
      {"title bar below the bottom", {100, 1070}, {100, 1080 - kHeight}},
      {"a monitor to the right unplugged", {3500, 300}, {3200 - kWidth, 300}},
      {"below the second screen", {3000, 1500}, {3200 - kWidth, 920 - kHeight}},
      {"in the gap above the second screen", {2400, 50}, {2400, 200}},
      {"above everything, left", {-4000, -4000}, {0, 0}},
      {"ends of int", {INT_MAX, INT_MIN}, {3200 - kWidth, 200}},
      {"ends of int, other way", {INT_MIN, INT_MAX}, {0, 1080 - kHeight}},
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.what);
    const WindowPlace got = placeOnScreens(c.saved, kSize, kScreens);
    EXPECT_EQ(got.left, c.expected.left);
    EXPECT_EQ(got.top, c.expected.top);
  }
}

TEST(WindowPlace, APlaceSavedOnALargerScreenBringsTheWholeWindowBack) {
  const std::vector<ScreenArea> one = {{0, 0, 1280, 1024}};
  const PlaceCase cases[] = {
      {"right of and below the screen", {2500, 1900}, {1280 - kWidth, 1024 - kHeight}},
      {"below only", {500, 1900}, {500, 1024 - kHeight}},
      {"right only", {2500, 300}, {1280 - kWidth, 300}},
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.what);
    const WindowPlace got = placeOnScreens(c.saved, kSize, one);
    EXPECT_EQ(got, c.expected);
    EXPECT_LE(got.left + kWidth, 1280);
    EXPECT_LE(got.top + kHeight, 1024);
  }
}

TEST(WindowPlace, AWindowLargerThanTheScreenStartsAtItsTopLeftEdge) {
  const std::vector<ScreenArea> small = {{0, 0, 300, 200}};
  EXPECT_EQ(placeOnScreens({900, 50}, kSize, small), (WindowPlace{0, 0}));
  EXPECT_EQ(placeOnScreens({900, 500}, kSize, small), (WindowPlace{0, 0}));
  // The title bar shows: the user's place stays.
  EXPECT_EQ(placeOnScreens({-100, 50}, kSize, small), (WindowPlace{-100, 50}));
}

TEST(WindowPlace, EveryWaylandPlatformLeavesThePlaceAlone) {
  const std::pair<const char*, bool> cases[] = {
      {"xcb", true},          {"offscreen", true},     {"windows", true}, {"wayland", false},
      {"wayland-egl", false}, {"wayland-brcm", false}, {"eglfs", true},
  };
  for (const auto& [platform, places] : cases)
    EXPECT_EQ(placesWindows(platform), places) << platform;
}

TEST(WindowPlace, NoScreensLeavesThePlace) {
  EXPECT_EQ(placeOnScreens({-9999, 7}, kSize, {}), (WindowPlace{-9999, 7}));
}

}  // namespace
