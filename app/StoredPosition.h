#pragma once

#include <QString>

class QWidget;

namespace app {
class SettingsStore;
}

namespace master {

// A window's place kept in a settings section of its own ("Left", "Top"),
// as the ticket wizard keeps its own: read when the window opens, kept on
// the screen, and written when it closes.
void MoveToStoredPosition(QWidget& window, const app::SettingsStore& settings, const QString& section);
void StorePosition(const QWidget& window, app::SettingsStore& settings, const QString& section);

}  // namespace master
