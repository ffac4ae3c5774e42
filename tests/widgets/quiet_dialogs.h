// Boxes and dialogs answered at once without showing anything: a message is
// dropped, a confirmation is yes, the print dialog is cancelled.
#pragma once

#include "controls/dialogs.h"

namespace tivorum::testing {

class QuietDialogs : public Dialogs {
 public:
  void message(QWidget*, const QString&, const QString&, BoxIcon) override {}
  bool confirm(QWidget*, const QString&, const QString&) override { return true; }
  void showHelp(QDialog&) override {}
  void showAbout(QDialog&) override {}
  PrintAnswer askPrint(QWidget*, bool) override { return {}; }
};

}  // namespace tivorum::testing
