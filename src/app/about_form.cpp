#include "app/about_form.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "controls/look.h"

// The picture lives in a static library, so its resource must be pulled in
// by hand.
static void initAboutResources() {
  Q_INIT_RESOURCE(tivorum);
}

namespace tivorum {

QPixmap programPicture() {
  // Decoded once: the window icon and the about picture both come from it.
  // A QImage, unlike a QPixmap, may outlive the application object.
  static const QImage picture = [] {
    initAboutResources();
    // A known PNG: reading it as such spares the search through every
    // image format plugin, a good part of the start-up.
    QImageReader reader(":/tivorum/tivorum.png", "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
  }();
  return QPixmap::fromImage(picture);
}

}  // namespace tivorum

using namespace tivorum;

namespace {

void setTextColor(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, c);
  p.setColor(QPalette::ButtonText, c);
  w->setPalette(p);
}

// A raised inner and lowered outer bevel, as the old panels were drawn.
class BevelPanel : public QFrame {
 public:
  using QFrame::QFrame;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QRect r = rect().adjusted(0, 0, -1, -1);
    paintBevel(p, r, kGrey, kWhite);
    paintBevel(p, r.adjusted(1, 1, -1, -1), kWhite, kGrey);
  }
};

}  // namespace

TAboutCal::TAboutCal(QWidget* owner) : QDialog(owner) {
  setObjectName("TAboutCal");
  setWindowTitle("About Tivorum");
  setFixedSize(320, 262);

  Panel1 = new BevelPanel(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(0, 0, 321, 225);
  Panel1->setAutoFillBackground(true);
  QPalette silver = Panel1->palette();
  silver.setColor(QPalette::Window, kSilver);
  Panel1->setPalette(silver);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName("ProgramIcon");
  ProgramIcon->setAccessibleName("Tivorum picture");
  ProgramIcon->setGeometry(12, 4, 101, 73);
  ProgramIcon->setScaledContents(true);
  ProgramIcon->setPixmap(tivorum::programPicture());

  ProductName = new QLabel("Tivorum", Panel1);
  ProductName->setObjectName("ProductName");
  ProductName->setAccessibleName("Tivorum");
  ProductName->setGeometry(124, 16, 153, 37);
  ProductName->setAlignment(Qt::AlignCenter);
  ProductName->setFont(arial(32, true));
  setTextColor(ProductName, kRed);

  Version = new QLabel(" Version 5.6", Panel1);
  Version->setObjectName("Version");
  Version->setAccessibleName(" Version 5.6");
  Version->setAlignment(Qt::AlignCenter);
  Version->setFont(arial(11, true));
  setTextColor(Version, kBlack);
  Version->adjustSize();
  Version->move(166, 56);

  Comments = new QLabel(
      "The Financial/Scientific/Geometry Calculator featuring integrated help and scrolling "
      "tape.",
      Panel1);
  Comments->setObjectName("Comments");
  Comments->setAccessibleName(Comments->text());
  Comments->setGeometry(8, 158, 307, 29);
  Comments->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Comments->setWordWrap(true);
  Comments->setFont(arial(11, true));
  setTextColor(Comments, kBlue);

  OKButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "E&xit", this);
  OKButton->setObjectName("OKButton");
  OKButton->setAccessibleName("Exit");
  OKButton->setGeometry(10, 230, 77, 27);
  OKButton->setFont(arial(13, true));
  setTextColor(OKButton, kBlack);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  if (QScreen* screen = QApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}
