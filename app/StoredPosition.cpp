#include "Master/StoredPosition.h"

#include "app/DialogPlacement.h"
#include "app/SettingsStore.h"

#include <QWidget>

namespace master {
namespace {

constexpr int kDefaultPosition = 30;

}  // namespace

void MoveToStoredPosition(QWidget& window, const app::SettingsStore& settings, const QString& section) {
    app::MoveToStoredPosition(window, {settings.ReadInteger(section, QStringLiteral("Left"), kDefaultPosition),
                                       settings.ReadInteger(section, QStringLiteral("Top"), kDefaultPosition)});
}

void StorePosition(const QWidget& window, app::SettingsStore& settings, const QString& section) {
    settings.WriteInteger(section, QStringLiteral("Left"), window.x());
    settings.WriteInteger(section, QStringLiteral("Top"), window.y());
}

}  // namespace master
