#include "controls/dialog_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace tivorum {

bool handleDialogKey(QKeyEvent* event, QWidget* focus) {
  switch (event->key()) {
    case Qt::Key_Escape:
      event->accept();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (auto* button = qobject_cast<QAbstractButton*>(focus)) button->click();
      event->accept();
      return true;
    default:
      return false;
  }
}

}  // namespace tivorum
