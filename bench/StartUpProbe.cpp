#include "Master/TMasterForm.h"
#include "app/QtPlatform.h"
#include "app/TallimoApplication.h"

// One start-up of the program over the given ticket and history files,
// timed from outside by the benchmark: the main window is made as the
// program makes it, painted once, and the process ends without saving.
// Missing files give the start-up with no data.
int main(int argc, char** argv) {
    if (argc != 3) return 2;
    app::TallimoApplication application(argc, argv);
    app::QtPlatform platform;
    application.SetErrorReporter(&platform);
    master::TMasterForm form(platform, {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])}, false);
    form.show();
    form.grab();
    return 0;
}
