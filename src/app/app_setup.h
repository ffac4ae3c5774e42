// The program's start-up, shared by tivorum and the scenario runner so that
// both start the calculator the same way.
#pragma once

#include <filesystem>

#include "app/calculator_form.h"

class QApplication;

namespace tivorum {

// Title "Tivoru", the keypad's Arial where it is missing.
void setUpApplication(QApplication& app);

// CUSTOM.INI beside the executable, or in the user's configuration folder
// when the executable's folder cannot be written (an installed program);
// CALC.ELP beside the executable, else from the installed data folder.
AppPaths programPaths();

// Shows the main window; returns once its first activation has run.
void startMainWindow(Tcalculator1& window);

}  // namespace tivorum
