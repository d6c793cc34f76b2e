#include "app/TerminationSignal.h"

#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace app {
namespace {

// The handler's end [0] and the event loop's end [1].
int wakeUp[2] = {-1, -1};

void OnTerminate(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

TerminationSignal::TerminationSignal(QWidget& window) : window_(window) {
    // Without the socket the default handling stays: the process ends.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeUp) != 0) return;
    // A full socket must never block the handler; one byte waiting is enough.
    ::fcntl(wakeUp[0], F_SETFL, ::fcntl(wakeUp[0], F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignal::Received);

    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = ::sigaction(SIGTERM, &action, &previous_) == 0;
}

TerminationSignal::~TerminationSignal() {
    if (installed_) ::sigaction(SIGTERM, &previous_, nullptr);
    delete notifier_;
    for (int& end : wakeUp) {
        if (end >= 0) ::close(end);
        end = -1;
    }
}

void TerminationSignal::Received() {
    char bytes[16];
    [[maybe_unused]] const ssize_t drained = ::read(wakeUp[1], bytes, sizeof bytes);
    if (window_.isVisible()) window_.close();
}

}  // namespace app
