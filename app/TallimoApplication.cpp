#include "app/TallimoApplication.h"

#include "app/Platform.h"

#include <QFontInfo>

#include <exception>

namespace app {

TallimoApplication::TallimoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tallimo"));
    setApplicationDisplayName(QStringLiteral("Tallimo"));
    setOrganizationName(QStringLiteral("Brenwick"));
    setApplicationVersion(QStringLiteral("1.5"));
    // The default face under the name it resolves to. Asked for by its
    // generic name, the face is looked up anew for every weight and slant a
    // window first uses: the alias is tried, fails, and the fallbacks are
    // searched, about half a millisecond of start-up in all.
    QFont face = font();
    face.setFamilies({QFontInfo(face).family()});
    setFont(face);
}

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
