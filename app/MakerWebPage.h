#pragma once

#include <QString>

class QWidget;

namespace app {

class Platform;

inline const QString kMakerWebAddress = QStringLiteral("https://www.brenwick.example/tallimo/");

// Opens the maker's web page in the user's browser, or tells the user that
// no browser could be started.
void OpenMakerWebPage(Platform& platform, QWidget* parent);

}  // namespace app
