#pragma once

#include <QApplication>

namespace app {

class Platform;

// The application object. A failure that escaped its handler is still
// shown in an "Error" dialog with its own text, as a last resort: handlers
// report their own failures (app::RunReportingFailure).
class TallimoApplication : public QApplication {
public:
    TallimoApplication(int& argc, char** argv);

    void SetErrorReporter(Platform* platform) { platform_ = platform; }
    bool notify(QObject* receiver, QEvent* event) override;

    // The first command-line parameter, in any letter case, is "/WARN".
    static bool IsWarnMode(const QStringList& arguments);

private:
    Platform* platform_ = nullptr;
};

}  // namespace app
