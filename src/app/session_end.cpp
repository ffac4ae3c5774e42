#include "app/session_end.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

#include "app/calculator_form.h"

namespace tivorum {

namespace {

// A signal handler may do almost nothing: it writes one byte into a socket
// pair, and the event loop picks it up there.
int signalPipe[2] = {-1, -1};

void onSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] ssize_t n = ::write(signalPipe[0], &byte, 1);
  errno = saved;
}

}  // namespace

void endRunOnRequest(QApplication& app, Tcalculator1& window) {
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                   [&window](QSessionManager&) { window.endRun(); });
  QObject::connect(&app, &QGuiApplication::saveStateRequest, &window,
                   [&window](QSessionManager&) { window.saveState(); });

  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
    return;
  }
  auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
    char bytes[16];
    while (::read(signalPipe[1], bytes, sizeof bytes) > 0) {
    }
    window.endRun();
  });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}

}  // namespace tivorum
