#include "app/help_form.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "calc/help_file.h"
#include "controls/look.h"

THelpForm::THelpForm(QWidget* owner) : QDialog(owner) {
  setObjectName("THelpForm");
  setWindowTitle("Help");
  setFixedSize(352, 219);

  // The text pane gets its own font before the window's 13-pixel one is set,
  // so that it never lays out its text in a font it does not show (loading
  // a font is a good part of the start-up, when this window is made).
  HelpMemo = new QPlainTextEdit(this);
  HelpMemo->setObjectName("HelpMemo");
  HelpMemo->setAccessibleName("Help text");
  HelpMemo->setGeometry(0, 0, 350, 180);
  HelpMemo->setReadOnly(true);
  HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  HelpMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  HelpMemo->setFont(tivorum::arial(13, false));
  QPalette memoPalette = HelpMemo->palette();
  memoPalette.setColor(QPalette::Text, Qt::black);
  memoPalette.setColor(QPalette::Base, Qt::white);
  HelpMemo->setPalette(memoPalette);

  QFont systemFont = font();
  systemFont.setPixelSize(13);
  setFont(systemFont);

  // Its icon comes from the icon theme, which is slow to search; the window
  // the program keeps from start-up is never shown, so look it up on showing.
  HelpOK = new QPushButton("OK", this);
  HelpOK->setObjectName("HelpOK");
  HelpOK->setAccessibleName("OK");
  HelpOK->setGeometry(138, 188, 73, 25);
  HelpOK->setDefault(true);
  connect(HelpOK, &QPushButton::clicked, this, &THelpForm::HelpOKClick);

  // Centred on the screen, not on the owner.
  if (QScreen* screen = QApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

void THelpForm::fill(std::string_view topic, const std::filesystem::path& helpFolder) {
  QStringList lines;
  for (const std::string& line : tivorum::helpTopicLines(helpFolder, topic)) {
    lines << QString::fromStdString(line);
  }
  setLines(lines);
}

void THelpForm::setLines(const QStringList& lines) {
  HelpMemo->setPlainText(lines.join('\n'));
  HelpMemo->moveCursor(QTextCursor::Start);
}

void THelpForm::showEvent(QShowEvent* event) {
  if (HelpOK->icon().isNull()) HelpOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  QDialog::showEvent(event);
}

QStringList THelpForm::lines() const {
  return HelpMemo->toPlainText().split('\n');
}

void THelpForm::HelpOKClick() {
  accept();
}
