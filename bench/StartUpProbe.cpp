#include "Master/TMasterForm.h"
#include "app/QtPlatform.h"
#include "app/TallimoApplication.h"

#include <QLabel>
#include <QWidget>

#include <cstring>

// One start-up, timed from outside by the benchmark: "empty" shows an empty
// window of the main window's size; "text" the same window with one line of
// text in it, which makes Qt build its font database and draw a few glyphs,
// as any window that shows words must; "tallimo TKT HST" starts the program's main
// window over the given files as the program does. Each way the window is
// painted once and the process ends without saving anything.
int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const bool withText = std::strcmp(argv[1], "text") == 0;
    if (withText || std::strcmp(argv[1], "empty") == 0) {
        QApplication application(argc, argv);
        QWidget window;
        window.resize(583, 441);
        if (withText) new QLabel(QStringLiteral("Tallimo"), &window);
        window.show();
        window.grab();
        return 0;
    }
    if (argc < 4) return 2;
    app::TallimoApplication application(argc, argv);
    app::QtPlatform platform;
    application.SetErrorReporter(&platform);
    master::TMasterForm form(platform, {QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])}, false);
    form.show();
    form.grab();
    return 0;
}
