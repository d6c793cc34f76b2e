#pragma once

#include <QSettings>
#include <QString>

namespace app {

// The per-user settings under Brenwick/Tallimo. Values are kept as text:
// integers in decimal (read back also as "0x" hexadecimal) and booleans as
// "0" and "1"; a missing or unreadable value gives the caller's default.
class SettingsStore {
public:
    SettingsStore();

    int ReadInteger(const QString& section, const QString& name, int defaultValue) const;
    void WriteInteger(const QString& section, const QString& name, int value);
    bool ReadBool(const QString& section, const QString& name, bool defaultValue) const;
    void WriteBool(const QString& section, const QString& name, bool value);

private:
    QString Key(const QString& section, const QString& name) const;

    QSettings settings_;
};

}  // namespace app
