#include "app/help_mode.h"

#include <QAbstractButton>
#include <utility>

#include "app/help_form.h"
#include "controls/dialogs.h"

namespace tivorum {

HelpMode::HelpMode(QWidget& window, QAbstractButton& enableKey, std::filesystem::path helpFolder)
    : window_(window), enableKey_(enableKey), helpFolder_(std::move(helpFolder)) {}

void HelpMode::helpKey() {
  if (!on_) {
    enableKey_.hide();
    on_ = true;
    return;
  }
  fromHelpKey_ = true;
  show("Help");
  fromHelpKey_ = false;
  end();
}

void HelpMode::show(std::string_view topic) {
  {
    THelpForm form(&window_);
    form.fill(topic, helpFolder_);
    dialogs().showHelp(form);
  }
  if (on_ && !fromHelpKey_) end();
}

void HelpMode::end() {
  enableKey_.show();
  on_ = false;
}

}  // namespace tivorum
