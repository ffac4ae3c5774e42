// The about box: the program's picture, name and version.
#pragma once

#include <QDialog>
#include <QPixmap>

class QFrame;
class QLabel;
class QPushButton;

class TAboutCal : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutCal(QWidget* owner = nullptr);

  QFrame* Panel1;
  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Comments;
  QPushButton* OKButton;
};

namespace tivorum {
// The program's picture (about box, window icon, About key).
QPixmap programPicture();
}  // namespace tivorum
