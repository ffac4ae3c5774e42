// What the volume window shows, as plain data: its pages, their fields and
// buttons by objectName, captions, sizes and the ClearEmAll list.
#pragma once

#include "geometry/notebook.h"

namespace tivorum {

// TVolumeForm's ten pages in tab order, its ClearEmAll list, help topic and
// ShowError prefix.
const Notebook& volumeNotebook();

}  // namespace tivorum
