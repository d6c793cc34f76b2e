#include "app/SettingsStore.h"

namespace app {

SettingsStore::SettingsStore() : settings_(QStringLiteral("Brenwick"), QStringLiteral("Tallimo")) {}

QString SettingsStore::Key(const QString& section, const QString& name) const {
    return section + QLatin1Char('/') + name;
}

int SettingsStore::ReadInteger(const QString& section, const QString& name, int defaultValue) const {
    const QString text = settings_.value(Key(section, name)).toString().trimmed();
    bool ok = false;
    const int value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                          ? text.mid(2).toInt(&ok, 16)
                          : text.toInt(&ok, 10);
    return ok ? value : defaultValue;
}

void SettingsStore::WriteInteger(const QString& section, const QString& name, int value) {
    settings_.setValue(Key(section, name), QString::number(value));
}

bool SettingsStore::ReadBool(const QString& section, const QString& name, bool defaultValue) const {
    const int value = ReadInteger(section, name, defaultValue ? 1 : 0);
    return value != 0;
}

void SettingsStore::WriteBool(const QString& section, const QString& name, bool value) {
    settings_.setValue(Key(section, name), value ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace app
