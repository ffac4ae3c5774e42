// Help mode: after the Help key, a key with a help topic shows its help
// instead of acting, and the next help shown ends the mode. The Help Enable
// key hides while the mode lasts, so the Help key beneath it shows through.
#pragma once

#include <filesystem>
#include <string_view>

class QAbstractButton;
class QWidget;

namespace tivorum {

class HelpMode {
 public:
  // Help windows sit over `window`; `enableKey` is the Help Enable key.
  HelpMode(QWidget& window, QAbstractButton& enableKey, std::filesystem::path helpFolder);

  bool on() const { return on_; }

  // The Help key: starts the mode, or in it shows the help on help and ends it.
  void helpKey();
  // Shows one topic of the help file; in help mode that ends the mode.
  void show(std::string_view topic);

 private:
  void end();

  QWidget& window_;
  QAbstractButton& enableKey_;
  std::filesystem::path helpFolder_;
  bool on_ = false;
  // The help on help is showing: the Help key ends the mode itself.
  bool fromHelpKey_ = false;
};

}  // namespace tivorum
