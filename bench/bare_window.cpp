// The floor the start-up benchmark measures tivorum against: a bare Qt 6
// window of the calculator's size, shown and left to the event loop.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare");
  window.setFixedSize(396, 426);
  window.show();
  return app.exec();
}
