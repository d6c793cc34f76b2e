#include "CommandLine/CommandLine.h"
#include "Master/TMasterForm.h"
#include "app/DataFilePaths.h"
#include "app/QtPlatform.h"
#include "app/TallimoApplication.h"

int main(int argc, char** argv) {
    if (commandline::CommandLine::Wanted(argc, argv)) return commandline::CommandLine::Run(argc, argv);
    app::TallimoApplication application(argc, argv);
    const bool warnMode = app::TallimoApplication::IsWarnMode(QApplication::arguments());
    app::QtPlatform platform;
    application.SetErrorReporter(&platform);

    const auto paths = app::DataFilePaths::ForInstalledExecutable(QApplication::applicationFilePath());
    master::TMasterForm form(platform, paths, warnMode);
    // As a reminder the program has said what it had to while starting up.
    if (warnMode) {
        form.close();
        return 0;
    }
    form.show();
    return QApplication::exec();
}
