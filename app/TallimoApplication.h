#pragma once

#include <QApplication>

namespace app {

class Platform;

// The application object. Failures raised while handling an event reach the
// user as an "Error" dialog with their own text, the program's one default
// error report.
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
