// A logout, a shutdown or a kill ends the program as its close box would:
// the settings and the window's place are saved first.
#pragma once

class QApplication;
class Tcalculator1;

namespace tivorum {

// SIGTERM, SIGHUP and SIGINT end the run through Tcalculator1::endRun; the
// session manager's request to commit data does the same, and its request to
// save the session saves without ending. Call once, after the window exists and
// before it starts.
void endRunOnRequest(QApplication& app, Tcalculator1& window);

}  // namespace tivorum
