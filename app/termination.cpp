#include "app/termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace kastlog {

namespace {

int wakeFds[2] = {-1, -1};
bool requested = false;

// A signal handler may only write: the byte wakes the event loop, which quits from there.
extern "C" void onTerminationSignal(int) {
    const int saved = errno;
    const char b = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakeFds[0], &b, 1);
    errno = saved;
}

}  // namespace

void quitOnTerminationSignals() {
    if (wakeFds[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeFds) != 0) return;
    auto *notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char b[16];
        while (::read(wakeFds[1], b, sizeof b) > 0) {
        }
        requested = true;
        // exit, not quit: quit asks every window to close, and a window may refuse.
        QCoreApplication::exit(0);
    });
    struct sigaction sa = {};
    sa.sa_handler = onTerminationSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (const int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &sa, nullptr);
}

bool terminationRequested() { return requested; }

}  // namespace kastlog
