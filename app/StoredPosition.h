#pragma once

#include <QString>

class QWidget;

namespace app {

class SettingsStore;

// A window's place kept in a settings section of its own ("Left", "Top"):
// read when the window opens, kept on the screen, and written when it
// closes. A section without a place puts the window at the default.
void MoveToStoredPosition(QWidget& window, const SettingsStore& settings, const QString& section,
                          int defaultPosition);
void StorePosition(const QWidget& window, SettingsStore& settings, const QString& section);

}  // namespace app
