#include "app/TallimoApplication.h"

#include "app/Platform.h"

#include <QFontInfo>

#include <exception>

namespace app {

TallimoApplication::TallimoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tallimo"));
    setOrganizationName(QStringLiteral("Brenwick"));
    setApplicationVersion(QStringLiteral("1.5"));
    setFont(ProgramFont(font()));
}

// The default face under the name it resolves to. Asked for by its generic
// name, the face is looked up anew for every weight and slant a window
// first uses: the alias is tried, fails, and the fallbacks are searched,
// about half a millisecond of start-up in all.
// Unhinted, each glyph is made about five times as fast: the main page's
// first showing loads some three hundred of them, which with hinting cost
// start-up more than a millisecond. At these sizes, with smoothing, the
// text looks the same but for a shade of softness, and keeps its layout.
QFont TallimoApplication::ProgramFont(const QFont& base) {
    QFont face = base;
    face.setFamilies({QFontInfo(face).family()});
    face.setHintingPreference(QFont::PreferNoHinting);
    return face;
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
