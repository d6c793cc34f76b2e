#pragma once

#include <QString>

namespace app {

// The start-up reminder at login: an XDG autostart entry that runs the
// program with "/WARN" when the user logs in to the desktop.
class LoginReminder {
public:
    // The entry starts the program at this absolute path.
    explicit LoginReminder(QString executablePath);

    // tallimo-reminder.desktop in the autostart folder of the user's
    // configuration folder ($XDG_CONFIG_HOME, by default ~/.config).
    static QString EntryPath();

    static bool IsOn();
    // Writes or removes the entry; false when that failed.
    bool SetOn(bool on) const;
    QString EntryText() const;

private:
    QString executablePath_;
};

}  // namespace app
