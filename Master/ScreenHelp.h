#pragma once

#include <QString>

namespace master {

// The manual's page about the main window's page at `pageIndex`.
QString ScreenHelpPage(int pageIndex);

}  // namespace master
