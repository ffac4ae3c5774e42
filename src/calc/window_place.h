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

// The window's frame, title bar and borders included.
struct WindowSize {
  int width = 0;
  int height = 0;
};

// The saved place when the title bar of a window of `size` would show on one
// of the screens; else the nearest place on the nearest screen at which the
// whole window shows, as far as the screen is large enough (the screen that
// held it may be unplugged, or smaller than the one it was saved on). No
// screens: unchanged.
WindowPlace placeOnScreens(WindowPlace saved, WindowSize size, std::span<const ScreenArea> screens);

// Whether the window system Qt names `platform` tells and takes a window's
// place. Wayland compositors do neither (a window reads as placed at 0, 0),
// so there the saved place is kept as it was and the window is not moved.
bool placesWindows(std::string_view platform);

}  // namespace tivorum
