#include "Master/TMasterForm.h"
#include "app/DataFilePaths.h"
#include "app/QtPlatform.h"
#include "app/SingleCopyLock.h"
#include "app/TallimoApplication.h"
#include "app/TerminationSignal.h"

int main(int argc, char** argv) {
    app::TallimoApplication application(argc, argv);
    const bool warnMode = app::TallimoApplication::IsWarnMode(QApplication::arguments());
    app::QtPlatform platform;
    application.SetErrorReporter(&platform);

    const auto paths = app::DataFilePaths::ForInstalledExecutable(QApplication::applicationFilePath());
    app::SingleCopyLock lock(paths.ticketFilePath);
    // A reminder only reads the files, so it may run beside the program.
    if (!warnMode && !lock.Claim(platform)) return 1;
    master::TMasterForm form(platform, paths, warnMode);
    // As a reminder the program has said what it had to while starting up.
    if (warnMode) {
        form.close();
        return 0;
    }
    app::TerminationSignal termination(form);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &form, &master::TMasterForm::SaveAtSessionEnd);
    form.show();
    return QApplication::exec();
}
