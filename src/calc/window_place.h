// Where the main window goes at start-up. The saved place is the top-left
// corner of the window's frame (its title bar included), so that a start puts
// it back exactly where the last close found it.
#pragma once

#include <span>
#include <string_view>

namespace tivorum {

struct ScreenArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct WindowPlace {
  int left = 0;
  int top = 0;
  bool operator==(const WindowPlace&) const = default;
};

// How much of the title bar must show on a screen for the user to drag the
// window by it, and the height assumed for the title bar.
inline constexpr int kTitleGrip = 40;
inline constexpr int kTitleHeight = 20;

// The saved place when the title bar of a window `width` pixels wide would
// show on one of the screens; else the nearest point of the nearest screen at
// which the title bar shows, the whole width too where the screen is wide
// enough (the screen that held it may be unplugged). No screens: unchanged.
WindowPlace placeOnScreens(WindowPlace saved, int width, std::span<const ScreenArea> screens);

// Whether the window system Qt names `platform` tells and takes a window's
// place. Wayland compositors do neither (a window reads as placed at 0, 0),
// so there the saved place is kept as it was and the window is not moved.
bool placesWindows(std::string_view platform);

}  // namespace tivorum
