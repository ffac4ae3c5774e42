// The module windows the main window's module keys open.
#pragma once

#include "controls/module_host.h"

namespace tivorum {

// A new window for `module` over `host`; nullptr for a module that has no
// window yet. The program hands this to the main window as its factory.
QDialog* createModuleWindow(Module module, ModuleHost& host);

}  // namespace tivorum
