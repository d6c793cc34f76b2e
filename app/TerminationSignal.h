#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;
class QWidget;

namespace app {

// Closes the given window, and so runs its closing steps, when the system
// asks the program to stop (SIGTERM, as at shutdown or when the session
// ends), where the process would otherwise end without them. The signal
// handler only writes a byte to a socket; the window is closed from the
// event loop, which watches that socket. The handler is the process's, so
// there is one of these at a time.
class TerminationSignal : public QObject {
public:
    explicit TerminationSignal(QWidget& window);
    ~TerminationSignal() override;

private:
    void Received();

    QWidget& window_;
    QSocketNotifier* notifier_ = nullptr;
    bool installed_ = false;
    struct sigaction previous_ {};
};

}  // namespace app
