// The surface-area notebook without its window: one solver per solid.
#pragma once

#include <string_view>

#include "geometry/notebook.h"
#include "geometry/solver_page.h"

namespace tivorum {

// Field indices of each page, in the order Solve reads them.
enum CircRingSurfaceField : int { kCircRingS, kCircRingSurfBigR, kCircRingSurfLittleR };
enum ConeSurfaceField : int { kConeS, kConeL, kConeSurfR, kConeC };
enum CubeSurfaceField : int { kCubeS, kCubeSurfH };
enum PrismSurfaceField : int { kPrismS, kPrismA, kPrismB, kPrismH };
enum SphereSurfaceField : int { kSphereS, kSphereSurfR };
enum SphSegSurfaceField : int { kSphSegS, kSphSegR, kSphSegB };

// What the cone page says when only its radius and circumference are known.
inline constexpr std::string_view kConeRadiusAndCircumferenceText =
    "You cannot calculate the surface area of a cone with only radius and circumference given!";

void SolveCircularRingSurface(SolverPage& page);
void SolveConeSurface(SolverPage& page);
void SolveCubeSurface(SolverPage& page);
void SolvePrismSurface(SolverPage& page);
void SolveSphereSurface(SolverPage& page);
void SolveSphericalSegmentSurface(SolverPage& page);

}  // namespace tivorum
