#include "app/TallimoApplication.h"

#include "app/Platform.h"

#include <exception>

namespace app {

TallimoApplication::TallimoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tallimo"));
    setOrganizationName(QStringLiteral("Brenwick"));
    setApplicationVersion(QStringLiteral("1.5"));
    // Lets a Wayland desktop match the windows to the launcher and its icon.
    setDesktopFileName(QStringLiteral("example.brenwick.tallimo"));
}

// The last resort only: every slot and event handler catches what it calls
// and reports it itself. Qt Gui and Widgets are built without exception
// support, so an exception that gets here has passed through their frames
// without their cleanup, leaving them in whatever state it found them.
// Whatever still arrives is shown rather than ending the program.
bool TallimoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (!platform_) throw;
        platform_->ShowError(nullptr, QString::fromLocal8Bit(error.what()));
    }
    return true;
}

bool TallimoApplication::IsWarnMode(const QStringList& arguments) {
    return arguments.size() > 1 && arguments.at(1).toUpper() == QLatin1String("/WARN");
}

}  // namespace app
