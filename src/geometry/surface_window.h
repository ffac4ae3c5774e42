// What the surface window shows, as plain data: its pages, their fields and
// buttons by objectName, captions, sizes and the ClearEmAll list.
#pragma once

#include "geometry/notebook.h"

namespace tivorum {

// TSurfaceAreaForm's six pages in tab order, its ClearEmAll list, help topic
// and ShowError prefix.
const Notebook& surfaceNotebook();

}  // namespace tivorum
