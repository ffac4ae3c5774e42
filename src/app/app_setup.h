// The program's start-up, shared by tivorum and the scenario runner so that
// both start the calculator the same way.
#pragma once

#include <filesystem>

#include "app/calculator_form.h"

class QApplication;

namespace tivorum {

// Title "Tivoru", the keypad's Arial where it is missing.
void setUpApplication(QApplication& app);

// A portable copy (CALC.ELP beside the executable) keeps CUSTOM.INI beside
// the executable. An installed copy (CALC.ELP in ../share/tivorum or another
// data folder) keeps it in the user's configuration folder, as does a copy
// whose folder cannot be written; such copies keep the tape journal in the
// user's state folder, a portable one beside CUSTOM.INI.
AppPaths programPaths();

// Shows the main window; returns once its first activation has run.
void startMainWindow(Tcalculator1& window);

}  // namespace tivorum
