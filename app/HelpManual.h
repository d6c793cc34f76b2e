#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace app {

class Platform;

// The offline manual: a folder of HTML pages, one for each screen. A build
// keeps it in "manual" beside the executable; an installed program finds it
// under share/tallimo/manual beside its bin folder.
namespace help {

inline const QString kContentsPage = QStringLiteral("index.html");

// The page in the first of those two places that holds it; when neither
// does, the one beside the executable, so that a failure names it.
QString PagePath(const QString& executableDir, const QString& page);
// The same for the running program.
QString PagePath(const QString& page);

// Hands the page to the help viewer; says so when the viewer cannot open it.
void OpenPage(Platform& platform, QWidget* parent, const QString& page);

// F1 anywhere in the window opens the page that `currentPage` names then.
void BindHelpKey(QWidget& window, Platform& platform, std::function<QString()> currentPage);
void BindHelpKey(QWidget& window, Platform& platform, const QString& page);

}  // namespace help
}  // namespace app
