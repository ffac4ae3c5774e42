// The volume notebook without its window: one solver per solid.
#pragma once

#include "geometry/notebook.h"
#include "geometry/solver_page.h"

namespace tivorum {

// Field indices of each page, in the order Solve reads them.
enum CircRingVolumeField : int { kCircRingV, kCircRingBigR, kCircRingLittleR };
enum ConeVolumeField : int { kConeV, kConeR, kConeH };
enum CubeVolumeField : int { kCubeV, kCubeH };
enum CylinderVolumeField : int { kCylinderV, kCylinderR, kCylinderH };
enum EllipsoidVolumeField : int { kEllipsoidV, kEllipsoidR, kEllipsoidA, kEllipsoidB };
enum ParaboloidVolumeField : int { kParaboloidV, kParaboloidR, kParaboloidH };
enum PyramidVolumeField : int { kPyramidV, kPyramidA, kPyramidH };
enum RectPrismVolumeField : int { kRectPrismV, kRectPrismA, kRectPrismB, kRectPrismH };
enum SphereVolumeField : int { kSphereV, kSphereR };
enum SphSectVolumeField : int { kSphSectV, kSphSectR, kSphSectH };

void SolveCircularRingVolume(SolverPage& page);
void SolveConeVolume(SolverPage& page);
void SolveCubeVolume(SolverPage& page);
void SolveCylinderVolume(SolverPage& page);
void SolveEllipsoidVolume(SolverPage& page);
void SolveParaboloidVolume(SolverPage& page);
void SolvePyramidVolume(SolverPage& page);
void SolveRectPrismVolume(SolverPage& page);
void SolveSphereVolume(SolverPage& page);
void SolveSphericalSectorVolume(SolverPage& page);

}  // namespace tivorum
