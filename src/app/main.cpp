#include <QApplication>

#include "app/app_setup.h"
#include "app/help_form.h"
#include "calc/calculator_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tivorum::setUpApplication(app);
  Tcalculator1 calculator(tivorum::programPaths());
  // The help window the program keeps; every request makes its own.
  THelpForm helpForm(&calculator);
  tivorum::startMainWindow(calculator);
  return app.exec();
}
