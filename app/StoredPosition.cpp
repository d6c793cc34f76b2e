#include "app/StoredPosition.h"

#include "app/DialogPlacement.h"
#include "app/SettingsStore.h"

#include <QWidget>

namespace app {

void MoveToStoredPosition(QWidget& window, const SettingsStore& settings, const QString& section,
                          int defaultPosition) {
    MoveToStoredPosition(window, {settings.ReadInteger(section, QStringLiteral("Left"), defaultPosition),
                                  settings.ReadInteger(section, QStringLiteral("Top"), defaultPosition)});
}

void StorePosition(const QWidget& window, SettingsStore& settings, const QString& section) {
    settings.WriteInteger(section, QStringLiteral("Left"), window.x());
    settings.WriteInteger(section, QStringLiteral("Top"), window.y());
}

}  // namespace app
