#include "app/HelpManual.h"

#include "app/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <QWidget>

namespace app::help {

QString PagePath(const QString& executableDir, const QString& page) {
    const QDir bin(executableDir);
    const QString beside = bin.filePath(QStringLiteral("manual/") + page);
    // Where the install rules put the manual, relative to bin/.
    const QString installed = QDir::cleanPath(bin.filePath(QStringLiteral("../share/tallimo/manual/") + page));
    return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}

QString PagePath(const QString& page) {
    return PagePath(QCoreApplication::applicationDirPath(), page);
}

void OpenPage(Platform& platform, QWidget* parent, const QString& page) {
    const QString path = PagePath(page);
    if (!platform.ShowHelp(path)) platform.ShowError(parent, QStringLiteral("Cannot open the help file %1").arg(path));
}

void BindHelpKey(QWidget& window, Platform& platform, std::function<QString()> currentPage) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    QObject::connect(key, &QShortcut::activated, &window,
                     [&window, &platform, currentPage = std::move(currentPage)] {
                         OpenPage(platform, &window, currentPage());
                     });
}

void BindHelpKey(QWidget& window, Platform& platform, const QString& page) {
    BindHelpKey(window, platform, [page] { return page; });
}

}  // namespace app::help
