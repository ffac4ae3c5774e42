#include "calc/window_place.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tivorum {

namespace {

// In 64 bits: a place read from the file may be near the ends of int.
bool titleShows(WindowPlace place, int width, const ScreenArea& s) {
  const std::int64_t left = place.left, top = place.top;
  const std::int64_t overlap =
      std::min<std::int64_t>(left + width, s.left + s.width) - std::max<std::int64_t>(left, s.left);
  return top >= s.top && top + kTitleHeight <= std::int64_t{s.top} + s.height &&
         overlap >= std::min(kTitleGrip, width);
}

// Clamps v into [low, high]; when the range is empty, low wins.
int into(int v, int low, int high) {
  return std::max(low, std::min(v, high));
}

WindowPlace nearestOn(WindowPlace place, WindowSize size, const ScreenArea& s) {
  return {into(place.left, s.left, s.left + s.width - size.width),
          into(place.top, s.top, s.top + s.height - size.height)};
}

// In double: the squares of int differences overflow 64 bits together.
double squaredDistance(WindowPlace a, WindowPlace b) {
  const double dx = static_cast<double>(a.left) - b.left;
  const double dy = static_cast<double>(a.top) - b.top;
  return dx * dx + dy * dy;
}

}  // namespace

WindowPlace placeOnScreens(WindowPlace saved, WindowSize size,
                           std::span<const ScreenArea> screens) {
  if (screens.empty()) return saved;
  for (const ScreenArea& s : screens) {
    if (titleShows(saved, size.width, s)) return saved;
  }
  WindowPlace best = saved;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (const ScreenArea& s : screens) {
    const WindowPlace candidate = nearestOn(saved, size, s);
    const double d = squaredDistance(saved, candidate);
    if (d < bestDistance) {
      bestDistance = d;
      best = candidate;
    }
  }
  return best;
}

bool placesWindows(std::string_view platform) {
  return !platform.starts_with("wayland");
}

}  // namespace tivorum
